#include "SystemFont.h"

#include <QApplication>
#include <QFont>

void UseSystemFont() {
    QFont font = QApplication::font();
    font.setFamilies({QString::fromLatin1(kSystemFontFamily)});
    QApplication::setFont(font);
}
