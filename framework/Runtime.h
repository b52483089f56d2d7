#pragma once

#include <exception>
#include <functional>
#include <memory>

class Application;

// The process side of the framework: set-up, initialisers, the application object, the event
// loop and the exit code. Everything here runs on the main thread.

// Creates the QApplication from the process arguments (kept alive for the whole process),
// or reuses one that already exists, and gives it the system font. Where no platform starts,
// the process says why and ends with exit status 1 (StartGuiApplication).
void RuntimeInit(int argc, char** argv);

// The framework's own initialisers run first, then the program's, each list in registration
// order. Finalisers run in reverse registration order.
void RegisterFrameworkInitializer(std::function<void()> initializer);
void RegisterInitializer(std::function<void()> initializer);
void RuntimePerformInitializers();
void RegisterFinalizer(std::function<void()> finalizer);
void RuntimePerformFinalizers();

// The framework's own class and plug-in registration.
void RuntimeInitExternalClasses();
void InitPluginEntrypoints();

// A routine that calls fn(arg) and returns what escaped it (nullptr when nothing did).
using ExceptionHelper = std::exception_ptr (*)(void (*fn)(void*), void* arg);
void RuntimeSetExceptionHelper(ExceptionHelper helper);
ExceptionHelper RuntimeExceptionHelper();

void SetFrameworkVersion(double version);
double FrameworkVersion();

void RuntimeRegisterAppObject(std::shared_ptr<Application> app);
// The registered application object, nullptr before registration.
std::shared_ptr<Application> RuntimeAppObject();

// Calls lateStartup once, at once: the framework is ready as soon as RuntimeInit has run, so
// whatever lateStartup opens exists before the event loop starts, and what it throws reaches
// the caller.
void RunFrameworkInitialization(const std::function<void()>& lateStartup);

// Runs the event loop until the application quits. Returns at once when Quit was called
// before the loop started.
void RuntimeRun();

// Ends the event loop with this exit code once the current handler returns.
void Quit(int code = 0);

// The exit code: the code given to Quit, 1 after an unhandled failure at start-up, else 0.
int RuntimeExit();

// The report for an exception that reached the top of start-up: reports it on stderr and makes
// the exit code 1.
void UnhandledException(const std::exception& error);
void UnhandledUnknownException();

// Puts the process state back to how it is before start-up (registered object, exit code,
// pending quit, helper, version); for tests that run start-up more than once.
void RuntimeResetForTesting();
