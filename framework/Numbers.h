#pragma once

#include "Types.h"

#include <string>
#include <string_view>

// Numeric helpers of the framework.

// Nearest whole number, ties away from zero, as a Double. NaN stays NaN.
double Round(double x);

double Sqrt(double x);
double Abs(double x);
double ASin(double x);
double Tan(double radians);

// Converts a Double to Int64 without ever leaving the Int64 range: values beyond it saturate at
// the nearest bound and NaN gives 0. Drawing code uses it for every rounded offset it stores.
Int64 ToInt64(double x);

// Text helpers.

// Plain decimal digits, with "-" before a negative value.
std::string Str(Int64 value);

// At most 15 significant digits with trailing zeros dropped ("0.6", "-0.6", "0"); Val reads the
// result back.
std::string Str(double value);

// Reads a number from the start of the text: optional blanks, an optional sign, digits with an
// optional decimal point, an optional exponent; stops at the first other character. A text with
// no number reads 0. Never answers NaN or an infinity: an overflowing value gives the largest
// finite Double with its sign.
double Val(std::string_view text);

// Renders x with a pattern such as "-##.00": a minus sign only when the shown value is negative,
// every digit left of the point, at least one digit before the point, as many decimals as the
// pattern has 0s after its point, rounded half away from zero.
std::string Format(double x, std::string_view pattern);
