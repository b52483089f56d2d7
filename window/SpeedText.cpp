#include "SpeedText.h"

#include "Numbers.h"

#include <charconv>
#include <cmath>

namespace {

bool StrictlyInside(double v) {
    return -1.0 < v && v < 1.0;
}

// The fewest digits that read back as exactly this Double.
std::string ShortestExactText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace

std::string SpeedText(double speed) {
    std::string text = Str(speed);
    if (StrictlyInside(Val(text))) {
        return text;
    }
    if (std::isfinite(speed)) {
        text = ShortestExactText(speed);
        if (StrictlyInside(Val(text))) {
            return text;
        }
    }
    // Only a speed outside the interval gets here; the resting speed at least ends the restore.
    return "0";
}
