#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string_view>

class App;

// The program's start-up, run by main between the initialisers and the finalisers. Each step
// stops at the first exception; Main reports it and skips whatever was not done yet, so a
// failure before the late start-up opens no window and never enters the event loop.
void Main();
void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void LateStartup();
void MakeDefaultView();

// Registers the program's initialisers with the framework.
void RegisterProgramInitializers();

// Calls fn(arg); returns the RuntimeException that escaped it, or nullptr when none did. Any
// other exception is rethrown.
std::exception_ptr CallFunctionWithExceptionHandling(void (*fn)(void*), void* arg);

// Opens the main window; set by the code that links the main window in. Does nothing until set.
void SetDefaultViewMaker(std::function<void()> maker);

// Seams for tests: an observer that hears each start-up step by name as it begins, and a fault
// run right after the application object was constructed (it may throw).
namespace StartupTesting {
void SetObserver(std::function<void(std::string_view step)> observer);
void SetNewAppInstanceFault(std::function<void(const std::shared_ptr<App>& app)> fault);
} // namespace StartupTesting
