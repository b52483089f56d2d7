#include "Canvas.h"
#include "DiagramColors.h"
#include "Globals.h"
#include "KoordSys.h"
#include "MainWindowControl.h"
#include "Printing.h"
#include "Thing.h"

#include <memory>

namespace {

std::shared_ptr<KoordSys> NewFrame(Color cl, double sinPhiTime, double sinPhiSpace) {
    auto frame = std::make_shared<KoordSys>();
    frame->cl = cl;
    frame->sinPhiTime = sinPhiTime;
    frame->sinPhiSpace = sinPhiSpace;
    return frame;
}

std::shared_ptr<Thing> NewObject(Int64 index, Color cl, Int64 position) {
    auto thing = std::make_shared<Thing>();
    thing->index = index;
    thing->cl = cl;
    thing->position = position;
    return thing;
}

} // namespace

namespace Globals {

// Tilts, positions and lengths set here are only starting values: Print replaces them before
// anything is drawn. The colours and frame numbers stay for the whole run.
void InitGlobals() {
    myBlackSys = NewFrame(BlackFrameColor(), -0.6, 0.0);
    myRedSys = NewFrame(RedFrameColor(), 0.0, -0.6);
    calcUnits();
    inProjectingMode = false;
    inKoordDragMode = false;
    myPrinterSetup = std::make_shared<PrinterSetup>();
    myBlackThing = NewObject(0, BlackObjectColor(), 2);
    myRedThing = NewObject(1, RedObjectColor(), 0);
    gw = MainWindowControl<Canvas>("Canvas1").Width();
    gh = MainWindowControl<Canvas>("Canvas1").Height();
}

} // namespace Globals
