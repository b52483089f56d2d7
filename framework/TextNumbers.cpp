// Conversions between Doubles and text. Everything goes through std::to_chars and
// std::from_chars, so the C locale's decimal point never matters.
#include "Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace {

constexpr double largest = std::numeric_limits<double>::max();

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A number's digits as text: significant digits without a point, and the power of ten that the
// first digit stands for (digits "125", exponent 0 is 1.25).
struct Decimal {
    std::string digits;
    int exponent = 0;
};

// The shortest decimal text that reads back as the same Double, for a finite x >= 0.
Decimal ShortestDecimal(double x) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');
    Decimal decimal;
    for (const char c : text.substr(0, e)) {
        if (IsDigit(c)) {
            decimal.digits += c;
        }
    }
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(),
                    decimal.exponent);
    return decimal;
}

// Adds one to a string of decimal digits; answers false when it carried out of the first digit.
bool Increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return true;
        }
        *it = '0';
    }
    return false;
}

// The recognised parts of a number at the start of a text.
struct NumberText {
    bool negative = false;
    std::string digits; // every mantissa digit, the point left out
    Int64 pointAt = 0;  // how many of the digits stand before the point
    Int64 exponent = 0; // the explicit exponent, saturated far beyond any Double's range
};

// Reads the optional exponent at text[i..]; an "e" without digits is not part of the number.
Int64 ReadExponent(std::string_view text, std::size_t i) {
    if (i >= text.size() || (text[i] != 'e' && text[i] != 'E')) {
        return 0;
    }
    ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr Int64 saturation = 1'000'000'000'000;
    Int64 exponent = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (exponent < saturation) {
            exponent = exponent * 10 + (text[i] - '0');
        }
    }
    return negative ? -exponent : exponent;
}

NumberText Scan(std::string_view text) {
    NumberText number;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        number.negative = text[i] == '-';
        ++i;
    }
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        number.digits += text[i];
    }
    number.pointAt = static_cast<Int64>(number.digits.size());
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            number.digits += text[i];
        }
    }
    if (!number.digits.empty()) {
        number.exponent = ReadExponent(text, i);
    }
    return number;
}

double Magnitude(const NumberText& number) {
    const std::size_t first = number.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        return 0.0;
    }
    // The value is 0.ddd... times 10^scale; deciding the far ranges here keeps the text handed
    // to from_chars short of any exponent it could not hold.
    const Int64 scale = number.pointAt - static_cast<Int64>(first) + number.exponent;
    if (scale > 310) {
        return largest;
    }
    if (scale < -330) {
        return 0.0;
    }
    const std::string clean = "0." + number.digits.substr(first) + "e" + std::to_string(scale);
    double value = 0.0;
    const auto result = std::from_chars(clean.data(), clean.data() + clean.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        return scale > 0 ? largest : 0.0;
    }
    return std::isfinite(value) ? value : largest;
}

// The parts of a Format pattern that matter: the digits it demands and allows.
struct Pattern {
    std::size_t integerDigits = 1; // at least one digit stands before the point
    std::size_t requiredDecimals = 0;
    std::size_t optionalDecimals = 0;
};

Pattern ReadPattern(std::string_view pattern) {
    Pattern result;
    const std::size_t point = pattern.find('.');
    std::size_t zeros = 0;
    for (const char c : pattern.substr(0, point)) {
        zeros += c == '0';
    }
    result.integerDigits = std::max<std::size_t>(1, zeros);
    if (point != std::string_view::npos) {
        for (const char c : pattern.substr(point + 1)) {
            result.requiredDecimals += c == '0';
            result.optionalDecimals += c == '#';
        }
    }
    return result;
}

} // namespace

std::string Str(double value) {
    if (std::isnan(value) || value == 0.0) {
        return "0";
    }
    // An infinity prints as the largest Double, whose 15-digit text Val clamps back to it.
    const double finite = std::clamp(value, -largest, largest);
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, finite, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

double Val(std::string_view text) {
    const NumberText number = Scan(text);
    const double magnitude = Magnitude(number);
    return number.negative && magnitude != 0.0 ? -magnitude : magnitude;
}

std::string Format(double x, std::string_view pattern) {
    if (std::isnan(x)) {
        return "NaN";
    }
    if (std::isinf(x)) {
        return x < 0 ? "-Inf" : "Inf";
    }
    const Pattern shape = ReadPattern(pattern);
    const std::size_t decimals = shape.requiredDecimals + shape.optionalDecimals;

    // Work on the shortest decimal text of |x|, so that rounding halves the way the number reads
    // (1.005 gives 1.01) and never on binary noise.
    Decimal decimal = x == 0.0 ? Decimal{"0", 0} : ShortestDecimal(std::fabs(x));
    // Lay the digits out as a fixed-point string with `decimals` places, plus one digit more
    // that decides the rounding.
    const Int64 integerCount = std::max<Int64>(decimal.exponent + 1, 0);
    const Int64 leadingZeros = std::max<Int64>(-(decimal.exponent + 1), 0);
    std::string fixed(static_cast<std::size_t>(std::min<Int64>(leadingZeros, decimals + 2)), '0');
    fixed += decimal.digits;
    const std::size_t wanted = static_cast<std::size_t>(integerCount) + decimals + 1;
    fixed.resize(std::max(wanted, fixed.size()), '0');
    const bool roundUp = fixed[wanted - 1] >= '5';
    fixed.resize(wanted - 1);
    if (fixed.empty()) {
        fixed.assign(1, '0');
    }
    if (roundUp && !Increment(fixed)) {
        fixed.insert(fixed.begin(), '1');
    }

    std::string integerPart = fixed.substr(0, fixed.size() - decimals);
    std::string fraction = fixed.substr(fixed.size() - decimals);
    integerPart.erase(0, std::min(integerPart.find_first_not_of('0'), integerPart.size()));
    if (integerPart.size() < shape.integerDigits) {
        integerPart.insert(0, shape.integerDigits - integerPart.size(), '0');
    }
    while (fraction.size() > shape.requiredDecimals && fraction.back() == '0') {
        fraction.pop_back();
    }
    const bool shownNonZero = (integerPart + fraction).find_first_not_of('0') != std::string::npos;
    std::string text = x < 0 && shownNonZero ? "-" : "";
    text += integerPart;
    if (!fraction.empty()) {
        text += "." + fraction;
    }
    return text;
}
