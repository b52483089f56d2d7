#pragma once

#include "Program.h"
#include "Runtime.h"

#include <QTimer>

#include <functional>

// The exit code of a run that nothing in the test ended.
inline constexpr int kUnendedRunCode = 99;

// Runs the whole program in this process: whileRunning runs once the event loop is up; a guard
// ends the run with kUnendedRunCode if nothing else does within a few seconds.
inline int RunProgramWhile(const std::function<void()>& whileRunning) {
    static char name[] = "tesvan";
    static char* argv[] = {name, nullptr};
    RuntimeResetForTesting();
    QTimer::singleShot(0, whileRunning);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { Quit(kUnendedRunCode); });
    guard.start(5000);
    return RunProgram(1, argv);
}
