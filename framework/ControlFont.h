#pragma once

#include "DesignList.h"

#include <string>

class QFont;

// A control's text font as its design gives it. "System" at size 0 is the application's own
// font at its standard size; other sizes are taken as pixels.
struct ControlFont {
    std::string name = "System";
    double size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    // Takes the entry when it is a font key; answers whether it was one.
    bool Apply(std::string_view lowerKey, const DesignEntry& entry);
    QFont ToQFont() const;
};
