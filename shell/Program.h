#pragma once

// The whole life of the process: the framework's set-up, the initialisers, start-up with the
// main window, the event loop and the finalisers. Answers the exit status.
int RunProgram(int argc, char** argv);
