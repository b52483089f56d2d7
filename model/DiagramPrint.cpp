#include "CheckBox.h"
#include "DiagramColors.h"
#include "Exceptions.h"
#include "Globals.h"
#include "KoordSys.h"
#include "MainWindowControl.h"
#include "Numbers.h"
#include "Slider.h"
#include "Thing.h"

#include <memory>
#include <string>

namespace {

constexpr Int64 tickSpacing = 72;
constexpr Int64 calibrationCircles = 10;
constexpr Int64 lightLineReach = 600;
constexpr Int64 pixelsPerLengthStep = 24;
constexpr double halfPi = 1.5707963267948966;

template <class T> T& Existing(const std::shared_ptr<T>& object, const char* name) {
    if (!object) {
        throw NilObjectException(std::string("NilObjectException: ") + name + " is nil");
    }
    return *object;
}

// The own frame gets the tilted time axis and the horizontal space axis, the other frame the
// vertical time axis and the tilted space axis.
void SetTilts() {
    using namespace Globals;
    KoordSys& black = Existing(myBlackSys, "myBlackSys");
    KoordSys& red = Existing(myRedSys, "myRedSys");
    const bool blackIsOwn = ourSystem == 0;
    black.sinPhiTime = blackIsOwn ? sinPhi : 0.0;
    black.sinPhiSpace = blackIsOwn ? 0.0 : sinPhi;
    red.sinPhiTime = blackIsOwn ? 0.0 : sinPhi;
    red.sinPhiSpace = blackIsOwn ? sinPhi : 0.0;
}

// The controls of one object group, by the field each one sets. The red group's boxes are
// numbered differently from the black group's.
struct ObjectControls {
    const char* isVisible;
    const char* hasTrace;
    const char* hasShadow;
    const char* length;
    const char* position;
};

constexpr ObjectControls blackControls{"CheckBox1", "CheckBox2", "CheckBox3", "BlackLengthSlider",
                                       "BlackPosSlider"};
constexpr ObjectControls redControls{"CheckBox4", "CheckBox6", "CheckBox5", "RedLengthSlider",
                                     "RedPosSlider"};

void CopyObjectControls(Thing& thing, const ObjectControls& controls) {
    thing.isVisible = MainWindowControl<CheckBox>(controls.isVisible).Value();
    thing.hasTrace = MainWindowControl<CheckBox>(controls.hasTrace).Value();
    thing.hasShadow = MainWindowControl<CheckBox>(controls.hasShadow).Value();
    thing.length = MainWindowControl<Slider>(controls.length).Value() * pixelsPerLengthStep;
    thing.position = MainWindowControl<Slider>(controls.position).Value();
}

// Circles of 1 to 10 ticks about the origin, drawn with whatever pen width g has.
void DrawCalibrationCircles(Graphics& g) {
    using namespace Globals;
    g.SetForeColor(CalibrationColor());
    for (Int64 i = 1; i <= calibrationCircles; ++i) {
        const Int64 radius = tickSpacing * i;
        g.DrawOval(static_cast<double>(Nx - radius), static_cast<double>(Ny - radius),
                   static_cast<double>(2 * radius), static_cast<double>(2 * radius));
    }
}

// How far a light line runs across while it runs 600 pixels along; halfAngle lies strictly
// between 0 and pi/2 for every speed the controls allow, and anything else still gives an
// Int64 instead of an out-of-range conversion.
Int64 LightReach(double halfAngle) {
    return ToInt64(Round(static_cast<double>(lightLineReach) * Tan(halfAngle)));
}

// The two light lines through the origin, each bisecting the angles between the own frame's
// axes.
void DrawLightCone(Graphics& g) {
    using namespace Globals;
    const double A = ASin(sinPhi);
    const double M = (halfPi - A) / 2;
    g.SetForeColor(LightConeColor());
    g.SetPenWidth(1);
    const double nx = static_cast<double>(Nx);
    const double ny = static_cast<double>(Ny);
    const auto r = [M] { return static_cast<double>(LightReach(M)); };
    g.DrawLine(nx, ny, static_cast<double>(Nx + lightLineReach), ny - r());
    g.DrawLine(nx, ny, static_cast<double>(Nx - lightLineReach), ny + r());
    g.DrawLine(nx, ny, nx + r(), static_cast<double>(Ny + lightLineReach));
    g.DrawLine(nx, ny, nx - r(), static_cast<double>(Ny - lightLineReach));
}

} // namespace

namespace Globals {

void Print(Graphics& g) {
    SetTilts();
    CopyObjectControls(Existing(myBlackThing, "myBlackThing"), blackControls);
    CopyObjectControls(Existing(myRedThing, "myRedThing"), redControls);
    DrawCalibrationCircles(g);
    if (MainWindowControl<CheckBox>("CheckBox7").Value()) {
        DrawLightCone(g);
    }
    myBlackSys->Draw(g);
    myRedSys->Draw(g);
    myBlackThing->Draw(g);
    myRedThing->Draw(g);
}

} // namespace Globals
