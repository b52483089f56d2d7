#include "Numbers.h"

#include <cmath>
#include <limits>

double Round(double x) {
    return std::round(x);
}

double Sqrt(double x) {
    return std::sqrt(x);
}

double Abs(double x) {
    return std::fabs(x);
}

double ASin(double x) {
    return std::asin(x);
}

double Tan(double radians) {
    return std::tan(radians);
}

Int64 ToInt64(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    // 2^63 is exactly representable; anything at or beyond it would overflow the conversion.
    constexpr double limit = 9223372036854775808.0;
    if (x >= limit) {
        return std::numeric_limits<Int64>::max();
    }
    if (x < -limit) {
        return std::numeric_limits<Int64>::min();
    }
    return static_cast<Int64>(x);
}
