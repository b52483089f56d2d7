#include "Globals.h"
#include "Numbers.h"
#include "Window1.h"

namespace {

// The origin handle: points less than 8 pixels from the origin along each axis.
bool OnOriginHandle(Int64 x, Int64 y) {
    return Abs(static_cast<double>(x - Globals::Nx)) < 8.0 &&
           Abs(static_cast<double>(y - Globals::Ny)) < 8.0;
}

// The origin stays at least 21 pixels inside every edge of the drawing area.
bool InsideDragMargin(Int64 x, Int64 y) {
    return 20 < x && x < Globals::gw - 20 && 20 < y && y < Globals::gh - 20;
}

} // namespace

void Window1::Canvas1_MouseUp(Canvas& /*sender*/, Int64 /*x*/, Int64 /*y*/) {
    Globals::inKoordDragMode = false;
    // The end of an origin drag needs no repaint: its last position is already painted.
    if (Globals::inProjectingMode) {
        Globals::inProjectingMode = false;
        Canvas1().Refresh(true);
    }
}

bool Window1::Canvas1_MouseDown(Canvas& /*sender*/, Int64 x, Int64 y) {
    if (OnOriginHandle(x, y)) {
        Globals::inKoordDragMode = true;
    } else {
        Globals::inProjectingMode = true;
        Globals::Mx = x;
        Globals::My = y;
        Canvas1().Refresh(true);
    }
    // Accepting the press keeps the drag and the release coming to the canvas.
    return true;
}

void Window1::Canvas1_MouseDrag(Canvas& /*sender*/, Int64 x, Int64 y) {
    if (!Globals::inKoordDragMode) {
        return;
    }
    if (InsideDragMargin(x, y)) {
        Globals::Nx = x;
        Globals::Ny = y;
        Canvas1().Refresh(true);
    }
}

void Window1::Canvas1_MouseMove(Canvas& sender, Int64 x, Int64 y) {
    sender.SetMouseCursor(OnOriginHandle(x, y) ? MouseCursor::HandOpen
                                               : MouseCursor::StandardPointer);
}
