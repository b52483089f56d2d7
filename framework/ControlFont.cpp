#include "ControlFont.h"

#include "PropertyValues.h"

#include <QApplication>
#include <QFont>

#include <algorithm>
#include <cmath>

bool ControlFont::Apply(std::string_view lowerKey, const DesignEntry& entry) {
    if (lowerKey == "fontname") {
        name = AsString(entry);
    } else if (lowerKey == "fontsize") {
        size = AsReal(entry);
    } else if (lowerKey == "bold") {
        bold = AsBool(entry);
    } else if (lowerKey == "italic") {
        italic = AsBool(entry);
    } else if (lowerKey == "underline") {
        underline = AsBool(entry);
    } else {
        return lowerKey == "fontunit"; // points are the only unit
    }
    return true;
}

QFont ControlFont::ToQFont() const {
    QFont font = QApplication::font();
    if (name != "System" && !name.empty()) {
        font.setFamily(QString::fromStdString(name));
    }
    // Design sizes are points of a 72-dpi screen, where a 12-point text is 12 pixels high and
    // the controls' boxes are sized for that; pixel sizes keep the text inside its box.
    if (size > 0) {
        font.setPixelSize(static_cast<int>(std::lround(std::clamp(size, 1.0, 10000.0))));
    }
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}
