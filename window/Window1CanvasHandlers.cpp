#include "Window1.h"

void Window1::Canvas1_MouseUp(Canvas& /*sender*/, Int64 /*x*/, Int64 /*y*/) {}

bool Window1::Canvas1_MouseDown(Canvas& /*sender*/, Int64 /*x*/, Int64 /*y*/) {
    return true;
}

void Window1::Canvas1_MouseDrag(Canvas& /*sender*/, Int64 /*x*/, Int64 /*y*/) {}

void Window1::Canvas1_MouseMove(Canvas& /*sender*/, Int64 /*x*/, Int64 /*y*/) {}
