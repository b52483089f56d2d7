#pragma once

#include "ControlDesign.h"
#include "ControlEvents.h"
#include "Delegate.h"
#include "RectControl.h"
#include "Window.h"

#include <cstddef>
#include <string>

// Building a window's controls from their designs: creating each one, checking its class, and
// binding the window's handlers to its events by event number.

// One handler of a window bound to one event of a named control.
template <class W> struct EventBinding {
    const char* control;
    int event;
    const char* signature;
    Delegate (*make)(W&, std::string);
};

template <class> struct HandlerOwner;
template <class W, class R, class... A> struct HandlerOwner<R (W::*)(A...)> { using type = W; };

// A delegate of the handler on the window; calling through the member pointer keeps virtual
// dispatch, so a subclass's override is the one bound.
template <auto Handler>
Delegate HandlerOf(typename HandlerOwner<decltype(Handler)>::type& window, std::string signature) {
    return MakeDelegate(&window, Handler, std::move(signature));
}

// The window's control of the design's name, verified to be of the design's class.
RectControl& VerifiedControl(Window& window, const ControlDesign& design);

// A new control of the design's class, registered in the window under the design's name and
// answered through a fresh, verified lookup.
RectControl& NewDesignedControl(Window& window, const ControlDesign& design);

// Binds the handlers of the table that belong to the design's control, in table order, each
// after a fresh lookup of the control.
template <class W, std::size_t N>
void BindDesignedHandlers(W& window, const ControlDesign& design,
                          const EventBinding<W> (&bindings)[N]) {
    for (const EventBinding<W>& binding : bindings) {
        if (design.name == binding.control) {
            AddEventHandler(VerifiedControl(window, design), binding.event,
                            binding.make(window, binding.signature));
        }
    }
}
