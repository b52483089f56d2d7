#include "KoordSys.h"

#include "Globals.h"
#include "Numbers.h"
#include "WholePixel.h"

#include <algorithm>
#include <optional>
#include <string>

namespace {

constexpr Int64 tickSpacing = 72;
constexpr Int64 ticksPerSide = 10;
constexpr Int64 captionTop = 8;

void DrawText(Graphics& g, const std::string& text, Pixel at) {
    g.DrawString(text, static_cast<double>(at.x), static_cast<double>(at.y), 0.0, false);
}

void DrawTimeTicks(Graphics& g) {
    using namespace Globals;
    for (Int64 i = -ticksPerSide; i <= ticksPerSide; ++i) {
        if (i == 0) {
            continue;
        }
        const Int64 y = Ny + tickSpacing * i;
        DrawLineBetween(g, {Nx - 3, y}, {Nx + 3, y});
        DrawText(g, Str(-i * y_val) + y_units + " ", {Nx + 6, y});
    }
}

void DrawSpaceTicks(Graphics& g) {
    using namespace Globals;
    for (Int64 i = -ticksPerSide; i <= ticksPerSide; ++i) {
        if (i == 0) {
            continue;
        }
        const Int64 x = Nx + tickSpacing * i;
        DrawLineBetween(g, {x, Ny - 3}, {x, Ny + 3});
        DrawText(g, Str(i * x_Val) + x_units + " ", {x, Ny + 14});
    }
}

// A caption clamped to an edge stands where its tilted axis crosses that edge, which takes a
// division by the tilt's tangent. An untilted axis never crosses it, and one tilted so little
// that the crossing lies beyond Int64 is drawn untilted anyway (1000 times its sine rounds to 0):
// both keep the caption where an untilted axis has it ("Time" at the top, "Space" at the right
// edge), inside the drawing area, instead of dividing by zero or overflowing.
Pixel TimeCaption(double ta) {
    using namespace Globals;
    Pixel at{ToInt64(static_cast<double>(Nx) + Round(static_cast<double>(Ny) * ta) + 3.0),
             captionTop};
    if (at.x > gw - 30) {
        at.x = gw - 30;
        std::optional<Int64> y;
        // Only a time axis leaning right crosses the right edge above the origin; one leaning
        // left crosses it below, so "Time" stays at the top as for an untilted axis.
        if (ta > 0.0) {
            y = WholeSum(static_cast<double>(Ny) - Round(static_cast<double>(gw - Nx) / ta) + 2.0);
        }
        at.y = std::max(y.value_or(captionTop), captionTop);
    }
    if (at.x < 2) {
        at.x = 2;
        std::optional<Int64> y;
        if (ta != 0.0) {
            y = WholeSum(static_cast<double>(Ny) + Round(static_cast<double>(Nx) / ta) + 2.0);
        }
        at.y = std::max(y.value_or(captionTop), captionTop);
    }
    return at;
}

Pixel SpaceCaption(double tb) {
    using namespace Globals;
    Pixel at{gw - 30,
             ToInt64(static_cast<double>(Ny) + Round(static_cast<double>(gw - Nx) * tb) - 6.0)};
    if (at.y > gh - 1) {
        at.y = gh - 1;
        if (tb != 0.0) {
            at.x = WholeSum(static_cast<double>(Nx) + Round(static_cast<double>(gh - Ny) / tb))
                       .value_or(at.x);
        }
        at.x = std::min(at.x, gw - 32);
    }
    if (at.y < captionTop) {
        at.y = captionTop;
        if (tb != 0.0) {
            at.x = WholeSum(static_cast<double>(Nx) - Round(static_cast<double>(Ny) / tb))
                       .value_or(at.x);
        }
        at.x = std::min(at.x, gw - 30);
    }
    return at;
}

} // namespace

void KoordSys::Draw(Graphics& g) {
    using Globals::Nx;
    using Globals::Ny;

    const double a = sinPhiTime;
    const double ca = Sqrt(1.0 - a * a);
    const double ta = a / ca;

    g.SetPenWidth(2.0);
    g.SetForeColor(cl);
    g.SetTextFont("Arial");
    g.SetTextSize(10.0f);

    const Int64 p = RoundedOffset(1000.0 * a);
    const Int64 q = RoundedOffset(1000.0 * ca);
    DrawLineBetween(g, {Nx - p, Ny + q}, {Nx + p, Ny - q});
    if (a == 0.0) {
        DrawTimeTicks(g);
    }
    DrawText(g, "Time", TimeCaption(ta));

    const double b = sinPhiSpace;
    const double cb = Sqrt(1.0 - b * b);
    const double tb = b / cb;

    const Int64 u = RoundedOffset(1000.0 * cb);
    const Int64 w = RoundedOffset(1000.0 * b);
    DrawLineBetween(g, {Nx - u, Ny - w}, {Nx + u, Ny + w});
    if (b == 0.0) {
        DrawSpaceTicks(g);
    }
    DrawText(g, "Space", SpaceCaption(tb));
}
