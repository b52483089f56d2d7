#include "Runtime.h"
#include "Startup.h"

int main(int argc, char** argv) {
    RegisterProgramInitializers();
    RuntimeInit(argc, argv);
    RuntimePerformInitializers();
    Main();
    RuntimePerformFinalizers();
    return RuntimeExit();
}
