#pragma once

#include "Types.h"

#include <functional>
#include <string>
#include <typeindex>
#include <vector>

class RectControl;
struct Delegate;

// One event of a control class: its place in the class's event list, its name, the signature
// text a delegate must carry and the exact type of its callable.
struct EventInfo {
    int number;
    std::string name;
    std::string signature;
    std::type_index type;
};

template <class Sig> EventInfo MakeEventInfo(int number, std::string name, std::string signature) {
    return EventInfo{number, std::move(name), std::move(signature), typeid(std::function<Sig>)};
}

// The events every visible control has, places 0 to 14 of each class's list.
namespace CommonEvent {
enum : int { MouseEnter = 11, MouseExit = 12, MouseMove = 13, Count = 15 };
}

// Places 0 to 14 for controls of class C (named className in signatures).
template <class C> std::vector<EventInfo> CommonEvents(const std::string& className) {
    const std::string self = "( " + className + " )";
    const std::string point = "( " + className + ", Integer, Integer )";
    using Plain = void(C&);
    using Point = void(C&, Int64, Int64);
    using Query = bool(C&, Int64, Int64);
    return {
        MakeEventInfo<Plain>(0, "Opening", self),
        MakeEventInfo<Plain>(1, "Closing", self),
        MakeEventInfo<Plain>(2, "FocusReceived", self),
        MakeEventInfo<Plain>(3, "FocusLost", self),
        MakeEventInfo<Query>(4, "ContextualMenu", point + " as Boolean"),
        MakeEventInfo<Plain>(5, "ContextualMenuAction", self),
        MakeEventInfo<Plain>(6, "DragEnter", self),
        MakeEventInfo<Plain>(7, "DragExit", self),
        MakeEventInfo<Plain>(8, "DragOver", self),
        MakeEventInfo<Plain>(9, "DropObject", self),
        MakeEventInfo<Query>(10, "MouseWheel", point + " as Boolean"),
        MakeEventInfo<Plain>(CommonEvent::MouseEnter, "MouseEnter", self),
        MakeEventInfo<Plain>(CommonEvent::MouseExit, "MouseExit", self),
        MakeEventInfo<Point>(CommonEvent::MouseMove, "MouseMove", point),
        MakeEventInfo<Plain>(14, "HelpRequested", self),
    };
}

// Binds a delegate to the control's event of that number. Refused, with a RuntimeException
// naming the control, the event and both signatures, when the number is not an event of the
// control's class or when the delegate's signature text or callable type differs from the
// event's.
void AddEventHandler(RectControl& control, int eventNumber, Delegate delegate);
