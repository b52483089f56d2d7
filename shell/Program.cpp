#include "Program.h"

#include "Runtime.h"
#include "Startup.h"
#include "Window1.h"

int RunProgram(int argc, char** argv) {
    SetDefaultViewMaker([] { Window1::Instance(); });
    RegisterProgramInitializers();
    RuntimeInit(argc, argv);
    RuntimePerformInitializers();
    Main();
    RuntimePerformFinalizers();
    return RuntimeExit();
}
