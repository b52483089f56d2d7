#pragma once

#include "Types.h"

// A rectangle in a surface's pixels.
struct Rect {
    Int64 left = 0;
    Int64 top = 0;
    Int64 width = 0;
    Int64 height = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};
