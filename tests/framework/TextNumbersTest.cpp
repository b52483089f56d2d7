#include "Numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// Parameterised cases print as their names.
template <class Case>
requires requires(const Case& c) {
    c.name;
}
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

struct StrCase {
    const char* name;
    double value;
    const char* text;
};

class StrOfDouble : public testing::TestWithParam<StrCase> {};

TEST_P(StrOfDouble, GivesShortText) {
    EXPECT_EQ(Str(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StrOfDouble,
    testing::Values(StrCase{"slider_32", 32.0 / 20.0 - 1.0, "0.6"},
                    StrCase{"negative", -0.6, "-0.6"}, StrCase{"zero", 0.0, "0"},
                    StrCase{"negative_zero", -0.0, "0"}, StrCase{"whole", 3.0, "3"},
                    StrCase{"slider_39", 39.0 / 20.0 - 1.0, "0.95"},
                    StrCase{"tiny", 1e-300, "1e-300"}, StrCase{"large", 1.5e20, "1.5e+20"},
                    StrCase{"fifteen_digits", 0.123456789012345678, "0.123456789012346"},
                    // 16 nines do not fit 15 digits; callers that need to stay below 1 check.
                    StrCase{"sixteen_nines", 0.9999999999999999, "1"},
                    StrCase{"nan", std::nan(""), "0"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ValCase {
    const char* name;
    std::string text;
    double value;
};

class ValOfText : public testing::TestWithParam<ValCase> {};

TEST_P(ValOfText, ReadsLeadingNumber) {
    const double value = Val(GetParam().text);
    EXPECT_TRUE(std::isfinite(value));
    EXPECT_EQ(value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValOfText,
    testing::Values(
        ValCase{"plain", "0.6", 0.6}, ValCase{"blank_sign_tail", " -0.5x", -0.5},
        ValCase{"tab_and_plus", "\t+2.5", 2.5}, ValCase{"letters", "abc", 0.0},
        ValCase{"empty", "", 0.0}, ValCase{"sign_only", "-", 0.0}, ValCase{"point_only", ".", 0.0},
        ValCase{"leading_point", ".25", 0.25}, ValCase{"trailing_point", "7.", 7.0},
        ValCase{"exponent", "1e-3", 0.001}, ValCase{"capital_exponent", "2E+2", 200.0},
        ValCase{"bare_e", "3e", 3.0}, ValCase{"e_sign_only", "3e-x", 3.0},
        ValCase{"underflow", "1e-400", 0.0}, ValCase{"negative_underflow", "-1e-400", 0.0},
        ValCase{"overflow", "1e999", DBL_MAX}, ValCase{"negative_overflow", "-1e999", -DBL_MAX},
        ValCase{"huge_exponent", "1e99999999999999999999999", DBL_MAX},
        ValCase{"zero_huge_exponent", "0e99999999999999999999999", 0.0},
        ValCase{"just_above_max", "1.8e308", DBL_MAX}, ValCase{"denormal", "5e-324", 5e-324},
        ValCase{"nan", "nan", 0.0}, ValCase{"inf", "inf", 0.0},
        ValCase{"infinity", "-infinity", 0.0}, ValCase{"hex", "0x10", 0.0},
        ValCase{"long_integer", std::string(100000, '9'), DBL_MAX},
        ValCase{"long_fraction", "0." + std::string(100000, '3'), 1.0 / 3.0},
        ValCase{"long_small", "0." + std::string(100000, '0') + "1", 0.0},
        ValCase{"long_leading_zeros", std::string(100000, '0') + "42", 42.0},
        ValCase{"long_scaled_back", "1" + std::string(99999, '0') + "e-99999", 1.0}),
    [](const auto& info) { return std::string(info.param.name); });

// A locale with a decimal comma, compiled from the set-up's locale sources into a folder of its
// own, so that the machine's locales and settings stay as they are. glibc finds it through
// LOCPATH, which setlocale reads each time it loads a locale.
class DecimalCommaLocale {
  public:
    DecimalCommaLocale() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tesvan-locale-XXXXXX");
        if (mkdtemp(pattern.data()) == nullptr) {
            problem_ = "no temporary folder";
            return;
        }
        folder_ = pattern;
        const std::filesystem::path log = folder_ / "localedef.log";
        const std::string command = "localedef -i de_DE -f UTF-8 '" +
                                    (folder_ / "de_DE.UTF-8").string() + "' >'" + log.string() +
                                    "' 2>&1";
        if (std::system(command.c_str()) != 0) {
            std::ifstream output(log);
            problem_ = "localedef could not compile de_DE.UTF-8 (scripts/setup.sh installs the "
                       "package locales): " +
                       std::string(std::istreambuf_iterator<char>(output), {});
            return;
        }
        const char* locpath = std::getenv("LOCPATH");
        savedLocpath_ = locpath != nullptr ? std::optional<std::string>(locpath) : std::nullopt;
        setenv("LOCPATH", folder_.c_str(), 1);
        savedNumeric_ = std::setlocale(LC_NUMERIC, nullptr);
        if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
            problem_ = "the compiled de_DE.UTF-8 does not load";
        }
    }
    ~DecimalCommaLocale() {
        if (!savedNumeric_.empty()) {
            std::setlocale(LC_NUMERIC, savedNumeric_.c_str());
            if (savedLocpath_) {
                setenv("LOCPATH", savedLocpath_->c_str(), 1);
            } else {
                unsetenv("LOCPATH");
            }
        }
        if (!folder_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(folder_, ignored);
        }
    }
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

    // Empty once the locale is in effect.
    const std::string& Problem() const { return problem_; }

  private:
    std::filesystem::path folder_;
    std::optional<std::string> savedLocpath_;
    std::string savedNumeric_;
    std::string problem_;
};

TEST(ValOfText, IgnoresTheLocaleDecimalPoint) {
    const DecimalCommaLocale locale;
    ASSERT_EQ(locale.Problem(), "");
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(Val("0.6"), 0.6);
    EXPECT_EQ(Val("0,6"), 0.0);
    EXPECT_EQ(Str(0.6), "0.6");
    EXPECT_EQ(Format(-69.4444, "-###.00"), "-69.44");
}

TEST(StrOfDouble, ValReadsItBack) {
    // Every slider speed and a sweep over the magnitudes must come back unchanged in sign and,
    // to 15 digits, in value.
    std::vector<double> values;
    for (int p = 1; p <= 39; ++p) {
        values.push_back(p / 20.0 - 1.0);
    }
    for (double x = 1e-307; x < 1e307; x *= 7.3) {
        values.push_back(x);
        values.push_back(-x / 3.0);
    }
    values.insert(values.end(), {DBL_MAX, -DBL_MAX, DBL_MIN, 5e-324, 0.1, 1e15, 123456.789});
    for (const double x : values) {
        const double back = Val(Str(x));
        EXPECT_TRUE(std::isfinite(back)) << x;
        EXPECT_EQ(std::signbit(back), std::signbit(x)) << x;
        if (x != 0.0) {
            EXPECT_NEAR(back / x, 1.0, 1e-14) << x << " -> " << Str(x);
        }
    }
    EXPECT_EQ(Val(Str(std::numeric_limits<double>::infinity())), DBL_MAX);
}

struct FormatCase {
    const char* name;
    double value;
    const char* pattern;
    const char* text;
};

class FormatOfDouble : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatOfDouble, RendersPattern) {
    EXPECT_EQ(Format(GetParam().value, GetParam().pattern), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatOfDouble,
    testing::Values(FormatCase{"whole", 6.0, "-##.00", "6.00"},
                    FormatCase{"binary_noise_up", 2.4000000000000004, "-##.00", "2.40"},
                    FormatCase{"binary_noise_down", -1.7999999999999998, "-##.00", "-1.80"},
                    FormatCase{"no_negative_zero", -0.001, "-##.00", "0.00"},
                    FormatCase{"zero", 0.0, "-##.00", "0.00"},
                    FormatCase{"negative_zero", -0.0, "-##.00", "0.00"},
                    FormatCase{"leading_zero", 0.5, "-##.00", "0.50"},
                    FormatCase{"negative", -69.4444, "-###.00", "-69.44"},
                    FormatCase{"more_digits_than_hashes", 12345.678, "-##.00", "12345.68"},
                    FormatCase{"time_readout", 73.0 / 72.0 * 10.0, "-###.00", "10.14"},
                    FormatCase{"half_up", 0.125, "-##.00", "0.13"},
                    FormatCase{"half_away_negative", -0.125, "-##.00", "-0.13"},
                    FormatCase{"half_as_written", 1.005, "-##.00", "1.01"},
                    FormatCase{"carry_into_integer", 9.999, "-##.00", "10.00"},
                    FormatCase{"carry_from_nothing", 0.996, "-##.00", "1.00"},
                    FormatCase{"rounds_to_negative", -0.005, "-##.00", "-0.01"},
                    FormatCase{"tiny", 1e-300, "-##.00", "0.00"},
                    FormatCase{"no_decimals", 2.5, "-##", "3"},
                    FormatCase{"optional_decimals", 1.5, "-#.##", "1.5"},
                    FormatCase{"integer_zeros", 7.0, "000.0", "007.0"},
                    FormatCase{"nan", std::nan(""), "-##.00", "NaN"},
                    FormatCase{"infinity", -HUGE_VAL, "-##.00", "-Inf"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatOfDouble, HugeValueShowsEveryDigit) {
    const std::string text = Format(-DBL_MAX, "-##.00");
    EXPECT_EQ(text.substr(0, 6), "-17976");
    EXPECT_EQ(text.size(), 1 + 309 + 3u);
    EXPECT_EQ(text.substr(text.size() - 3), ".00");
}

} // namespace
