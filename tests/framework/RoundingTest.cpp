#include "Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Round, TiesGoAwayFromZero) {
    EXPECT_EQ(Round(2.5), 3.0);
    EXPECT_EQ(Round(-2.5), -3.0);
    EXPECT_EQ(Round(299.99999999999994), 300.0);
    EXPECT_EQ(Round(-0.4), 0.0);
}

TEST(ToInt64, SaturatesInsteadOfOverflowing) {
    constexpr Int64 max = std::numeric_limits<Int64>::max();
    constexpr Int64 min = std::numeric_limits<Int64>::min();
    EXPECT_EQ(ToInt64(1e300), max);
    EXPECT_EQ(ToInt64(-1e300), min);
    EXPECT_EQ(ToInt64(9223372036854775808.0), max);
    EXPECT_EQ(ToInt64(-9223372036854775808.0), min);
    EXPECT_EQ(ToInt64(std::numeric_limits<double>::infinity()), max);
    EXPECT_EQ(ToInt64(std::nan("")), 0);
    EXPECT_EQ(ToInt64(-457.0), -457);
}
