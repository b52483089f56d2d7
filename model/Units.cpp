#include "Globals.h"

#include <string_view>

namespace {

struct UnitStep {
    Int64 step;
    Int64 xVal;
    std::string_view xUnits;
    Int64 yVal;
    std::string_view yUnits;
};

// In every row one tick of distance is how far light travels in one tick of time (3e8 m/s), so a
// change of step relabels the axes without moving a single line.
constexpr UnitStep unitSteps[] = {
    {0, 3, " mm", 10, " ps"},    {1, 3, " cm", 100, " ps"},  {2, 30, " cm", 1, " ns"},
    {3, 3, " m", 10, " ns"},     {4, 30, " m", 100, " ns"},  {5, 300, " m", 1, " us"},
    {6, 3, " km", 10, " us"},    {7, 30, " km", 100, " us"}, {8, 300, " km", 1, " ms"},
    {9, 3000, " km", 10, " ms"},
};

} // namespace

void Globals::calcUnits() {
    for (const UnitStep& row : unitSteps) {
        if (stUnits == row.step) {
            x_Val = row.xVal;
            x_units = row.xUnits;
            y_val = row.yVal;
            y_units = row.yUnits;
            return;
        }
    }
}
