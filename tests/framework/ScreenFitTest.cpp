// How fixed content fits the room a screen leaves: a scroll bar only where the content does not
// fit, and a bar in one direction takes room from the other.
#include "ScreenFit.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct FitCase {
    const char* name;
    QSize content;
    bool horizontal, vertical;
    QSize outer;
};

void PrintTo(const FitCase& c, std::ostream* out) {
    *out << c.name;
}

// A room of 600 x 400, bars 14 wide and 15 high (unequal, so that a swap shows).
const QSize kRoom(600, 400);
const QSize kBar(14, 15);

// clang-format off
const FitCase kFits[] = {
    {"just-the-room",              {600, 400}, false, false, {600, 400}},
    {"smaller",                    {300, 200}, false, false, {300, 200}},
    {"too-wide",                   {900, 200}, true,  false, {600, 215}},
    {"too-tall",                   {300, 900}, false, true,  {314, 400}},
    {"too-wide-within-a-bar-high", {900, 390}, true,  true,  {600, 400}},
    {"too-wide-a-bar-high-short",  {900, 385}, true,  false, {600, 400}},
    {"too-tall-within-a-bar-wide", {590, 900}, true,  true,  {600, 400}},
    {"too-tall-a-bar-wide-narrow", {586, 900}, false, true,  {600, 400}},
    {"both",                       {900, 900}, true,  true,  {600, 400}},
};
// clang-format on

class Fit : public testing::TestWithParam<FitCase> {};

TEST_P(Fit, ScrollsOnlyWhereTheContentDoesNotFit) {
    const FitCase& c = GetParam();
    const ScreenFit fit = FitContent(c.content, kRoom, kBar);
    EXPECT_EQ(fit.horizontal, c.horizontal);
    EXPECT_EQ(fit.vertical, c.vertical);
    EXPECT_EQ(fit.outer, c.outer);
    const QSize bars(c.vertical ? kBar.width() : 0, c.horizontal ? kBar.height() : 0);
    EXPECT_EQ(fit.view, c.outer - bars);
}

INSTANTIATE_TEST_SUITE_P(Cases, Fit, testing::ValuesIn(kFits), RowName{});

} // namespace
