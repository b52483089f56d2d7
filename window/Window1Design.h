#pragma once

#include <string>
#include <vector>

// The main window's fixed design, as design property lists built from the layout tables.

struct ControlDesign {
    std::string name;       // the control's name, as registered in the window
    std::string className;  // "Rectangle", "Canvas", "GroupBox", "RadioButton", "Label", ...
    std::string properties; // its design property list
};

// The window's own list (22 entries, 381 bytes).
const std::string& Window1DesignList();

// The 52 controls in creation order, containers before their contents.
const std::vector<ControlDesign>& Window1ControlDesigns();
