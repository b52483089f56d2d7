#pragma once

#include "ControlDesign.h"
#include "DesignList.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Builds design property lists from tables: a window or control names only the values that are
// its own, and every other key takes the value that the class, or every control, shares.

struct DesignValue {
    std::string_view key;
    PropertyValue value;
};

using DesignValues = std::vector<DesignValue>;

// One row of a window's control table. Positions are window coordinates.
struct ControlRow {
    std::string_view name;
    std::string_view className;
    std::string_view container; // empty: the window itself
    Int64 left = 0;
    Int64 top = 0;
    Int64 width = 0;
    Int64 height = 0;
    Int64 tabIndex = 0;
    std::string_view text; // the Caption, or the Value of a class whose Value is text
    DesignValues further;  // values that differ from the shared ones
};

// The values that objects of the class share unless their own table says otherwise; for a
// control this includes what every control shares.
DesignValues SharedDesignValues(std::string_view className);

// The class's complete list in its key order, each key with its value from the first layer
// that has it. A key no layer gives, or a value of the wrong type, throws DesignListError.
std::string BuildDesignList(std::string_view className,
                            std::initializer_list<const DesignValues*> layers);

// The row's list over the shared values of its class. A further value for a key the class's
// list does not hold throws DesignListError.
ControlDesign BuildControlDesign(const ControlRow& row);

// The rows' designs, in the rows' order.
std::vector<ControlDesign> BuildControlDesigns(const std::vector<ControlRow>& rows);

// The list for a window: its own values over the shared window values.
std::string BuildWindowDesignList(const DesignValues& own);
