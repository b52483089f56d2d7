#pragma once

#include <string>

// One control of a window's fixed design, as the window creates it.
struct ControlDesign {
    std::string name;       // the control's name, as registered in the window
    std::string className;  // "Rectangle", "Canvas", "GroupBox", "RadioButton", "Label", ...
    std::string properties; // its design property list
};
