#pragma once

#include "Types.h"

#include <cstdint>

// An opaque colour. The alpha byte is kept as given; 0 means fully opaque.
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 0;

    friend bool operator==(const Color&, const Color&) = default;
};

// Components outside 0..255 are clamped into it.
Color RGB(Int64 red, Int64 green, Int64 blue, Int64 alpha = 0);
