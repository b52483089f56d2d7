#pragma once

#include <string_view>

// Raises ThreadAccessingUIException unless called on the application's main thread, and
// RuntimeException when no application object exists yet. `what` names the call.
void RequireMainThread(std::string_view what);
