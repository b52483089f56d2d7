#include "ScreenFit.h"

#include <algorithm>

ScreenFit FitContent(QSize content, QSize room, QSize bar) {
    bool horizontal = false;
    bool vertical = false;
    // Twice: a bar in one direction may make the other one needed.
    for (int pass = 0; pass < 2; ++pass) {
        vertical = content.height() > room.height() - (horizontal ? bar.height() : 0);
        horizontal = content.width() > room.width() - (vertical ? bar.width() : 0);
    }
    const QSize bars(vertical ? bar.width() : 0, horizontal ? bar.height() : 0);
    const QSize view = content.boundedTo(room - bars).expandedTo(QSize(1, 1));
    return {view, horizontal, vertical, view + bars};
}

QPoint KeepInside(const QRect& frame, const QRect& area) {
    const int x = std::max(std::min(frame.left(), area.right() + 1 - frame.width()), area.left());
    const int y = std::max(std::min(frame.top(), area.bottom() + 1 - frame.height()), area.top());
    return {x, y};
}
