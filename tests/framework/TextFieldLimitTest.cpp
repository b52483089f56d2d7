// How much of a long text a field keeps: its design's character limit, where the design gives
// one above 0, and else all of it, beyond the 32,767 characters Qt's line edit keeps by itself.
#include "DesignList.h"
#include "TextField.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct LimitCase {
    const char* name;
    std::optional<Int64> designLimit; // none: a field built without the key
    std::size_t kept;
};

constexpr std::size_t kLong = 40001;

// clang-format off
const LimitCase kLimits[] = {
    {"no design value", std::nullopt, kLong},
    {"zero",            0,            kLong},
    {"forty thousand",  40000,        40000},
    {"five",            5,            5},
};
// clang-format on

} // namespace

TEST(TextFieldLimit, KeepsWhatTheDesignAllowsOfALongText) {
    for (const LimitCase& c : kLimits) {
        SCOPED_TRACE(c.name);
        TextField field;
        if (c.designLimit) {
            const std::string list = DesignListWriter("TextField")
                                         .Add("MaximumCharactersAllowed", *c.designLimit)
                                         .Bytes();
            for (const DesignEntry& entry : ReadDesignList("TextField", list)) {
                field.ApplyProperty(entry);
            }
        }
        std::string text(kLong, '7');
        text.back() = '8';
        field.SetText(text);
        const std::string kept = field.Text();
        EXPECT_EQ(kept.size(), c.kept);
        EXPECT_TRUE(text.starts_with(kept)); // its start, never a wrong part
    }
}
