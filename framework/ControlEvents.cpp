#include "ControlEvents.h"

#include "Delegate.h"
#include "Exceptions.h"
#include "RectControl.h"

void AddEventHandler(RectControl& control, int eventNumber, Delegate delegate) {
    const std::string who = control.ClassName() + " '" + control.Name() + "'";
    const EventInfo* event = nullptr;
    for (const EventInfo& info : control.Events()) {
        if (info.number == eventNumber) {
            event = &info;
        }
    }
    if (event == nullptr) {
        throw RuntimeException("cannot bind a handler to " + who + ": it has no event number " +
                               std::to_string(eventNumber));
    }
    if (delegate.signature != event->signature || delegate.type != event->type) {
        const char* what = delegate.signature != event->signature
                               ? "signature"
                               : "callable type (the signature text matches)";
        throw RuntimeException("cannot bind a handler to " + who + " event " + event->name + " (" +
                               std::to_string(eventNumber) + "): its " + what +
                               " differs: the event is " + event->signature + ", the delegate is " +
                               delegate.signature);
    }
    control.Bind(eventNumber, std::move(delegate));
}
