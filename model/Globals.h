#pragma once

#include "Types.h"

#include <memory>
#include <string>

class Graphics;
class KoordSys;
class Thing;
class PrinterSetup;

// The one shared state of the diagram. Every drawing is computed from these variables and from
// the main window's object controls; nothing here is saved.
namespace Globals {

// The frame "we think with": 0 black, 1 red.
extern Int64 ourSystem;
// Relative speed v/c, signed; always strictly between -1 and 1.
extern double sinPhi;
// Time of the now lines, in pixels along the own frame's time axis (-500..500).
extern Int64 theTime;
// The diagram's origin on the drawing surface.
extern Int64 Nx;
extern Int64 Ny;
// The projected event.
extern Int64 Mx;
extern Int64 My;
// The drawing area, read from the main window's canvas when the window opens.
extern Int64 gw;
extern Int64 gh;
// The unit step 0..9 and what one 72-pixel tick stands for on space and time axes.
extern Int64 stUnits;
extern Int64 x_Val;
extern std::string x_units;
extern Int64 y_val;
extern std::string y_units;
// Mouse modes.
extern bool inKoordDragMode;
extern bool inProjectingMode;
// True only while one speed handler writes the other speed control.
extern bool speedEditFlag;
// A page set-up has been confirmed at least once.
extern bool printerSetupDone;
// The diagram's objects, created when the main window opens and kept for the rest of the run.
extern std::shared_ptr<KoordSys> myBlackSys;
extern std::shared_ptr<KoordSys> myRedSys;
extern std::shared_ptr<Thing> myBlackThing;
extern std::shared_ptr<Thing> myRedThing;
extern std::shared_ptr<PrinterSetup> myPrinterSetup;

// Sets x_Val, x_units, y_val and y_units for stUnits; a step outside 0..9 changes nothing.
void calcUnits();

// Builds the frames, the objects and the page set-up, and reads the drawing area's size from
// the main window's canvas. Runs once, when the main window opens.
void InitGlobals();

// Draws the whole diagram on g: calibration circles, the light cone when it is asked for, both
// frames' axes and both objects, after copying the main window's object controls into the
// objects. Sets only what it draws with and restores nothing.
void Print(Graphics& g);

} // namespace Globals
