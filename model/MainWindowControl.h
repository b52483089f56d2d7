#pragma once

#include "Window.h"
#include "WindowRegistry.h"

#include <string_view>

// The model reaches the main window's controls through the framework by class name, so that it
// never depends on the window layer. Nothing is kept: every access names the main window anew
// and looks the control up again.
inline constexpr std::string_view kMainWindowClass = "Window1.Window1";

template <class T> T& MainWindowControl(std::string_view name) {
    return ImplicitWindow(kMainWindowClass).Control<T>(name);
}
