#include "Runtime.h"
#include "WindowRegistry.h"

#include "Application.h"
#include "ExceptionReport.h"
#include "Exceptions.h"
#include "GuiStart.h"
#include "SystemFont.h"

#include <QApplication>

#include <vector>

namespace {

constexpr int kStartupFailureCode = 1;

struct RuntimeState {
    std::vector<std::function<void()>> frameworkInitializers;
    std::vector<std::function<void()>> programInitializers;
    std::vector<std::function<void()>> finalizers;
    ExceptionHelper exceptionHelper = nullptr;
    double frameworkVersion = 0.0;
    std::shared_ptr<Application> app;
    bool quitPending = false;
    int exitCode = 0;
};

RuntimeState& State() {
    static RuntimeState state;
    return state;
}

} // namespace

void RuntimeInit(int argc, char** argv) {
    if (QCoreApplication::instance() == nullptr) {
        // QApplication keeps a reference to the count, and the widgets that live in static
        // single-instance slots are destroyed after main returns: both need the application
        // to outlive main, so it is never deleted.
        static int argumentCount = argc;
        static QApplication* application = StartGuiApplication(argumentCount, argv);
        (void)application;
    }
    UseSystemFont();
}

void RegisterFrameworkInitializer(std::function<void()> initializer) {
    State().frameworkInitializers.push_back(std::move(initializer));
}

void RegisterInitializer(std::function<void()> initializer) {
    State().programInitializers.push_back(std::move(initializer));
}

void RuntimePerformInitializers() {
    for (const auto& initializer : State().frameworkInitializers) {
        initializer();
    }
    for (const auto& initializer : State().programInitializers) {
        initializer();
    }
}

void RegisterFinalizer(std::function<void()> finalizer) {
    State().finalizers.push_back(std::move(finalizer));
}

void RuntimePerformFinalizers() {
    const auto& finalizers = State().finalizers;
    for (auto it = finalizers.rbegin(); it != finalizers.rend(); ++it) {
        (*it)();
    }
    // Left to the exit handlers, the windows would be destroyed after parts of Qt are gone.
    DestroyOwnedWindows();
}

void RuntimeInitExternalClasses() {}

void InitPluginEntrypoints() {}

void RuntimeSetExceptionHelper(ExceptionHelper helper) {
    State().exceptionHelper = helper;
}

ExceptionHelper RuntimeExceptionHelper() {
    return State().exceptionHelper;
}

void SetFrameworkVersion(double version) {
    State().frameworkVersion = version;
}

double FrameworkVersion() {
    return State().frameworkVersion;
}

void RuntimeRegisterAppObject(std::shared_ptr<Application> app) {
    State().app = std::move(app);
}

std::shared_ptr<Application> RuntimeAppObject() {
    return State().app;
}

void RunFrameworkInitialization(const std::function<void()>& lateStartup) {
    if (!lateStartup) {
        throw NilObjectException("RunFrameworkInitialization: no start-up routine");
    }
    lateStartup();
}

void RuntimeRun() {
    if (QCoreApplication::instance() == nullptr) {
        throw RuntimeException("RuntimeRun: RuntimeInit has not run");
    }
    auto& state = State();
    if (!state.quitPending) {
        state.exitCode = QCoreApplication::exec();
    }
    state.quitPending = false;
}

void Quit(int code) {
    auto& state = State();
    state.exitCode = code;
    state.quitPending = true;
    // Takes effect when control returns to the loop; does nothing while no loop runs, which
    // the pending flag covers.
    QCoreApplication::exit(code);
}

int RuntimeExit() {
    return State().exitCode;
}

void UnhandledException(const std::exception& error) {
    ReportUnhandledException(error);
    State().exitCode = kStartupFailureCode;
}

void UnhandledUnknownException() {
    ReportUnhandledException();
    State().exitCode = kStartupFailureCode;
}

void RuntimeResetForTesting() {
    auto& state = State();
    state.exceptionHelper = nullptr;
    state.frameworkVersion = 0.0;
    state.app.reset();
    state.quitPending = false;
    state.exitCode = 0;
}
