#include "DiagramColors.h"
#include "Globals.h"
#include "Numbers.h"
#include "WholePixel.h"
#include "Window1.h"

#include <string>

namespace {

// An event's time and position in each frame, in pixels.
struct EventCoordinates {
    double blackTime;
    double blackPosition;
    double redTime;
    double redPosition;
};

// The "black says" read-outs are computed; each "red says" read-out copies the text of one of
// them back from its label.
struct ReadOut {
    Label& (Window1::*computed)();
    Label& (Window1::*copy)();
    double EventCoordinates::*value;
    bool isTime;
};

const ReadOut readOuts[] = {
    {&Window1::Label2, &Window1::Label6, &EventCoordinates::blackTime, true},
    {&Window1::Label3, &Window1::Label7, &EventCoordinates::blackPosition, false},
    {&Window1::Label4, &Window1::Label8, &EventCoordinates::redTime, true},
    {&Window1::Label5, &Window1::Label9, &EventCoordinates::redPosition, false},
};

std::string ReadOutText(double pixels, bool isTime) {
    using namespace Globals;
    const Int64 perTick = isTime ? y_val : x_Val;
    const std::string& unit = isTime ? y_units : x_units;
    return Format(static_cast<double>(perTick) * pixels / 72.0, "-##.00") + unit;
}

void WriteReadOuts(Window1& window, const EventCoordinates& event) {
    for (const ReadOut& readOut : readOuts) {
        (window.*readOut.computed)().SetText(ReadOutText(event.*readOut.value, readOut.isTime));
        (window.*readOut.copy)().SetText((window.*readOut.computed)().Text());
    }
}

// Measures the pressed event in both frames, fills the read-outs and draws the perpendiculars
// from the event onto the four axes. u is the event's coordinate along the other frame's tilted
// space axis, w along the own frame's tilted time axis.
void ProjectEvent(Window1& window, Graphics& g, bool blackIsOwn) {
    using namespace Globals;
    const double s = sinPhi;
    const double c = Sqrt(1 - s * s);
    const double dy = static_cast<double>(Ny - My);
    const double dx = static_cast<double>(Mx - Nx);
    const double u = dx * c - dy * s;
    const double w = (dy + u * s) / c;

    WriteReadOuts(window,
                  blackIsOwn ? EventCoordinates{w, dx, dy, u} : EventCoordinates{dy, u, w, dx});

    const Pixel event{Mx, My};
    g.SetPenWidth(1);
    g.SetForeColor(blackIsOwn ? BlackFrameColor() : RedFrameColor());
    DrawLineBetween(g, event, {Mx, Ny});
    DrawLineBetween(g, event, {Nx + RoundedOffset(w * s), Ny - RoundedOffset(w * c)});
    g.SetForeColor(blackIsOwn ? RedFrameColor() : BlackFrameColor());
    DrawLineBetween(g, event, {Nx, My});
    DrawLineBetween(g, event, {Nx + RoundedOffset(u * c), Ny + RoundedOffset(u * s)});
}

} // namespace

void Window1::Event_Open() {
    Globals::InitGlobals();
}

// The whole drawing area is repainted every time, so the dirty rectangles are not needed.
void Window1::Canvas1_Paint(Canvas& /*sender*/, Graphics& g, const std::vector<Rect>& /*areas*/) {
    using namespace Globals;
    g.SetForeColor(RGB(255, 255, 255));
    g.FillRect(0, 0, static_cast<double>(gw), static_cast<double>(gh));
    Globals::Print(g);
    if (!inProjectingMode) {
        return;
    }
    if (ourSystem == 0) {
        ProjectEvent(*this, g, true);
    }
    if (ourSystem == 1) {
        ProjectEvent(*this, g, false);
    }
}
