#pragma once

#include <string_view>

// Raises ThreadAccessingUIException unless called on the application's main thread, and
// RuntimeException when no application object exists yet. `what` names the call.
void RequireMainThread(std::string_view what);

// Whether the caller runs on the application's main thread (false while no application exists).
bool OnMainThread();
