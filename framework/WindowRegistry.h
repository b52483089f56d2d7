#pragma once

#include "ClassVerify.h"
#include "EventQuery.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Window;

// The registry of open windows, keyed by class name ("Window1.Window1"), and the window
// classes that can be built by name.

// The open window of that class (the earliest opened when several are), or nullptr.
Window* GetImplicitWindow(std::string_view className);

using WindowFactory = std::function<std::unique_ptr<Window>()>;
void RegisterWindowClass(std::string_view className, WindowFactory factory);
bool IsWindowClassRegistered(std::string_view className);

// The open window of that class, or a new one built through its factory and owned by the
// framework (destroyed after it closes). RuntimeException for an unregistered class.
Window& ImplicitWindow(std::string_view className);

// Registers a program's window class once: the factory of its implicit instance and the window
// events the class handles, for its event query.
template <class T> void RegisterProgramWindowClass(std::vector<std::string> handledEvents) {
    if (!IsWindowClassRegistered(T::kClassName)) {
        RegisterWindowClass(T::kClassName, [] { return std::make_unique<T>(); });
        RegisterHandledEvents(T::kClassName, std::move(handledEvents));
    }
}

template <class T> T& ImplicitWindow() {
    if (!IsWindowClassRegistered(T::kClassName)) {
        RegisterWindowClass(T::kClassName, [] { return std::make_unique<T>(); });
    }
    return ClassVerify<T>(&ImplicitWindow(T::kClassName), T::kClassName);
}

// Destroys every window the framework owns. Windows hold Qt widgets, so they must go while Qt
// is still whole: when the process finalises, or before the application object is deleted.
void DestroyOwnedWindows();

// Registry internals, for Window.
void RegisterOpenWindow(Window& window);
void UnregisterOpenWindow(Window& window);
// Destroys the window after the current event if the framework owns it.
void ReleaseClosedWindow(Window& window);
