#include "Color.h"

#include <algorithm>

namespace {
std::uint8_t ToComponent(Int64 value) {
    return static_cast<std::uint8_t>(std::clamp<Int64>(value, 0, 255));
}
} // namespace

Color RGB(Int64 red, Int64 green, Int64 blue, Int64 alpha) {
    return Color{ToComponent(red), ToComponent(green), ToComponent(blue), ToComponent(alpha)};
}
