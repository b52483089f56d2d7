#pragma once

#include <QRect>
#include <QSize>

// How a window's fixed content fits the room a screen leaves it. The content keeps its size;
// where it does not fit, a view onto it scrolls in that direction, and the scroll bar takes its
// room from the other direction.
struct ScreenFit {
    QSize view;      // the visible part of the content
    bool horizontal; // a horizontal scroll bar is needed
    bool vertical;   // a vertical scroll bar is needed
    QSize outer;     // the view with its scroll bars
};

// room: the space for the view and its bars; bar: a vertical bar's width and a horizontal
// bar's height.
ScreenFit FitContent(QSize content, QSize room, QSize bar);

// Where a frame goes to lie inside the area: moved no further than it must, and where it is
// larger than the area its top-left corner stays inside, so its title stays within reach.
QPoint KeepInside(const QRect& frame, const QRect& area);
