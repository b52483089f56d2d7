#pragma once

#include "Color.h"

// The colours of the diagram's parts, shared by the drawing and the canvas's projection lines.
inline Color BlackFrameColor() {
    return RGB(0, 0, 0);
}
inline Color RedFrameColor() {
    return RGB(255, 0, 0);
}
inline Color BlackObjectColor() {
    return RGB(100, 100, 100);
}
inline Color RedObjectColor() {
    return RGB(200, 0, 0);
}
inline Color CalibrationColor() {
    return RGB(220, 220, 220);
}
inline Color LightConeColor() {
    return RGB(80, 80, 222);
}
