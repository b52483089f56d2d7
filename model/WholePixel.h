#pragma once

#include "Graphics.h"
#include "Numbers.h"
#include "Types.h"

#include <optional>

// A point of the drawing surface in whole pixels.
struct Pixel {
    Int64 x = 0;
    Int64 y = 0;
};

// A Double offset rounded on its own, so that every end point built from it lands on a whole
// pixel. The conversion saturates instead of overflowing.
inline Int64 RoundedOffset(double offset) {
    return ToInt64(Round(offset));
}

// base + R(offset) or base - R(offset).
inline Int64 Stepped(Int64 base, bool forward, double offset) {
    return forward ? base + RoundedOffset(offset) : base - RoundedOffset(offset);
}

// A sum of whole-number Doubles as Int64, or nothing when it lies beyond the Int64 range (or is
// not a number), so that callers can place such a point deliberately instead of saturating.
inline std::optional<Int64> WholeSum(double sum) {
    constexpr double limit = 9223372036854775808.0; // 2^63
    if (sum >= -limit && sum < limit) {
        return static_cast<Int64>(sum);
    }
    return std::nullopt;
}

// The surface takes Doubles; whole pixels convert exactly.
inline void DrawLineBetween(Graphics& g, Pixel from, Pixel to) {
    g.DrawLine(static_cast<double>(from.x), static_cast<double>(from.y), static_cast<double>(to.x),
               static_cast<double>(to.y));
}
