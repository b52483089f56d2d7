#pragma once

#include "RectControl.h"

#include <memory>
#include <string_view>

// A new control of the named class ("Slider", "Canvas", ...); RuntimeException for a class the
// framework does not know. Made on the main thread only.
std::unique_ptr<RectControl> NewControl(std::string_view className);
