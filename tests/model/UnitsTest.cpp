#include "DiagramFixture.h"

#include <array>
#include <string>

namespace {

struct Units {
    Int64 xVal;
    std::string xUnits;
    Int64 yVal;
    std::string yUnits;
    friend bool operator==(const Units&, const Units&) = default;
};

Units Current() {
    return {Globals::x_Val, Globals::x_units, Globals::y_val, Globals::y_units};
}

Units UnitsOfStep(Int64 step) {
    Globals::stUnits = step;
    Globals::calcUnits();
    return Current();
}

// Nothing in this binary opens the main window, and every fixture puts back what it changed, so
// the module's own initial values are still there, whatever order the tests run in.
TEST(SharedState, HoldsItsInitialValuesUntilTheMainWindowOpens) {
    using namespace Globals;
    EXPECT_EQ(ourSystem, 0);
    EXPECT_EQ(sinPhi, 0.6);
    EXPECT_EQ(theTime, 72);
    EXPECT_EQ((std::array{Nx, Ny, Mx, My, gw, gh}), (std::array<Int64, 6>{300, 400, 0, 0, 0, 0}));
    EXPECT_EQ(stUnits, 3);
    EXPECT_EQ(Current(), (Units{0, "", 0, ""})) << "no scale before the first calcUnits";
    EXPECT_FALSE(inKoordDragMode || inProjectingMode || speedEditFlag || printerSetupDone);
    EXPECT_FALSE(myBlackSys || myRedSys || myBlackThing || myRedThing || myPrinterSetup);
}

class UnitScale : public DiagramFixture {};

TEST_F(UnitScale, EveryStepGivesItsScale) {
    const Units expected[] = {
        {3, " mm", 10, " ps"},    {3, " cm", 100, " ps"},  {30, " cm", 1, " ns"},
        {3, " m", 10, " ns"},     {30, " m", 100, " ns"},  {300, " m", 1, " us"},
        {3, " km", 10, " us"},    {30, " km", 100, " us"}, {300, " km", 1, " ms"},
        {3000, " km", 10, " ms"},
    };
    for (Int64 step = 0; step <= 9; ++step) {
        EXPECT_EQ(UnitsOfStep(step), expected[step]) << "step " << step;
    }
}

TEST_F(UnitScale, StepOutsideTheRangeKeepsThePreviousScale) {
    for (const Int64 previous : {Int64{0}, Int64{5}, Int64{9}}) {
        const Units before = UnitsOfStep(previous);
        for (const Int64 outside : {Int64{-1}, Int64{10}, Int64{1} << 40}) {
            EXPECT_EQ(UnitsOfStep(outside), before) << previous << " then " << outside;
        }
    }
}

} // namespace
