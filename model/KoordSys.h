#pragma once

#include "Color.h"
#include "Graphics.h"

// One inertial frame's pair of axes through the diagram's origin, with ticks, labels and the
// captions "Time" and "Space", all in one colour. Only an untilted axis carries ticks.
class KoordSys {
  public:
    virtual ~KoordSys() = default;

    // Draws both axes. Leaves pen width 2, colour cl, font "Arial" and size 10 set on g.
    virtual void Draw(Graphics& g);

    // Sine of the time axis's angle from the vertical; positive leans its upper half right.
    double sinPhiTime = 0.0;
    // Sine of the space axis's angle from the horizontal; positive lowers its right half.
    double sinPhiSpace = 0.0;
    Color cl{};
};
