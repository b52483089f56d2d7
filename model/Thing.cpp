#include "Thing.h"

#include "Globals.h"
#include "Numbers.h"
#include "WholePixel.h"

namespace {

struct Segment {
    Pixel from;
    Pixel to;
};

struct TraceLine {
    double x1, y1, x2, y2;
};

// Everything one object can draw, in drawing order: the rod, the trace, the two drops onto the
// measuring frame's space axis, the measured segment and the shadow on that axis.
struct Figure {
    Segment rod;
    TraceLine trace;
    Segment drop1;
    Segment drop2;
    Segment measured;
    Segment shadow;
};

struct Motion {
    double s; // v/c
    double c; // Sqrt(1 - s^2)
    double t; // s / c
};

Segment Ordered(bool toRight, Pixel first, Pixel second) {
    return toRight ? Segment{first, second} : Segment{second, first};
}

// The own object rests in the frame with the horizontal space axis; its shadow lies on the
// other frame's tilted space axis.
Figure OwnFigure(const Thing& thing, const Motion& m, const Graphics& g) {
    using Globals::Nx;
    using Globals::Ny;
    const double T = static_cast<double>(Globals::theTime);
    const Int64 L = thing.length;
    const bool toRight = thing.position == 1;

    const Int64 yn = Ny - RoundedOffset(T / m.c);
    const Pixel nearEnd{Nx, yn};
    const Int64 xf = toRight ? Nx + L : Nx - L;
    const Pixel farEnd{xf, Stepped(yn, toRight, static_cast<double>(L) * m.t)};
    const Pixel farAtNearHeight{xf, yn};

    const Pixel A{Nx - RoundedOffset(T * m.s), yn + RoundedOffset(T * m.c)};
    const double d = static_cast<double>(L) * m.c;
    const Pixel B{Stepped(A.x, toRight, d * m.c), Stepped(A.y, toRight, d * m.s)};

    // Only the trace needs the surface's height, so it is read only when the trace is drawn.
    const double H = thing.hasTrace ? g.Height() : 0.0;
    const double x = static_cast<double>(xf);
    return {
        Ordered(toRight, nearEnd, farEnd),
        {x, 0.0, x, H},
        toRight ? Segment{nearEnd, A} : Segment{farAtNearHeight, B},
        toRight ? Segment{farAtNearHeight, B} : Segment{nearEnd, A},
        {nearEnd, farAtNearHeight},
        Ordered(toRight, A, B),
    };
}

// The other object rests in the frame with the tilted space axis; its shadow lies on the own
// frame's horizontal space axis.
Figure OtherFigure(const Thing& thing, const Motion& m) {
    using Globals::Nx;
    using Globals::Ny;
    const double T = static_cast<double>(Globals::theTime);
    const double L = static_cast<double>(thing.length);
    const bool toRight = thing.position == 1;

    const Int64 yo = Ny - RoundedOffset(T * m.c);
    const Int64 xn = Nx + RoundedOffset(T * m.s);
    const Pixel nearEnd{xn, yo};
    const Int64 xf = Stepped(xn, toRight, L / m.c);
    const Pixel farEnd{xf, yo};
    const Pixel P{Stepped(xn, toRight, L * m.c), Stepped(yo, toRight, L * m.s)};
    const Pixel nearFoot{xn, Ny};
    const Pixel PFoot{P.x, Ny};

    const double a = Round(1000.0 * m.s);
    const double b = Round(1000.0 * m.c);
    const double x = static_cast<double>(xf);
    const double y = static_cast<double>(yo);
    return {
        Ordered(toRight, nearEnd, farEnd),
        {x + a, y - b, x - a, y + b},
        toRight ? Segment{nearEnd, nearFoot} : Segment{P, PFoot},
        toRight ? Segment{P, PFoot} : Segment{nearEnd, nearFoot},
        {nearEnd, P},
        Ordered(toRight, nearFoot, PFoot),
    };
}

void DrawSegment(Graphics& g, const Segment& s) {
    DrawLineBetween(g, s.from, s.to);
}

} // namespace

void Thing::Draw(Graphics& g) {
    if (!isVisible) {
        return;
    }
    const double s = Globals::sinPhi;
    const double c = Sqrt(1.0 - s * s);
    const Motion motion{s, c, s / c};

    g.SetPenWidth(2.0);
    g.SetForeColor(cl);

    const Figure f =
        index == Globals::ourSystem ? OwnFigure(*this, motion, g) : OtherFigure(*this, motion);
    DrawSegment(g, f.rod);
    g.SetPenWidth(1.0);
    if (hasTrace) {
        g.DrawLine(f.trace.x1, f.trace.y1, f.trace.x2, f.trace.y2);
    }
    if (hasShadow) {
        DrawSegment(g, f.drop1);
        DrawSegment(g, f.drop2);
        DrawSegment(g, f.measured);
        g.SetPenWidth(2.0);
        DrawSegment(g, f.shadow);
    }
}
