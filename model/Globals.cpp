#include "Globals.h"

namespace Globals {

Int64 ourSystem = 0;
double sinPhi = 0.6;
Int64 theTime = 72;
Int64 Nx = 300;
Int64 Ny = 400;
Int64 Mx = 0;
Int64 My = 0;
Int64 gw = 0;
Int64 gh = 0;
Int64 stUnits = 3;
Int64 x_Val = 0;
std::string x_units;
Int64 y_val = 0;
std::string y_units;
bool inKoordDragMode = false;
bool inProjectingMode = false;
bool speedEditFlag = false;
bool printerSetupDone = false;
std::shared_ptr<KoordSys> myBlackSys;
std::shared_ptr<KoordSys> myRedSys;
std::shared_ptr<Thing> myBlackThing;
std::shared_ptr<Thing> myRedThing;
std::shared_ptr<PrinterSetup> myPrinterSetup;

} // namespace Globals
