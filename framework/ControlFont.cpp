#include "ControlFont.h"

#include "PropertyValues.h"

#include <QApplication>
#include <QFont>

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
    if (size > 0) {
        font.setPointSizeF(size);
    }
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}
