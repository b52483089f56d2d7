#include "TextAlignment.h"

#include <QColor>

Qt::Alignment HorizontalAlignment(Int64 textAlignment) {
    switch (textAlignment) {
    case 2:
        return Qt::AlignHCenter;
    case 3:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

QColor ToQColor(Color color) {
    return QColor(color.red, color.green, color.blue);
}
