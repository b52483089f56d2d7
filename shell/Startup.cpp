#include "Startup.h"

#include "App.h"
#include "Exceptions.h"
#include "MenuBar1.h"
#include "Runtime.h"
#include "Window1.h"
#include "Window2.h"

#include <utility>

namespace {

constexpr double kFrameworkVersion = 2019.03;

std::function<void()>& DefaultViewMaker() {
    static std::function<void()> maker;
    return maker;
}

std::function<void(std::string_view)>& Observer() {
    static std::function<void(std::string_view)> observer;
    return observer;
}

std::function<void(const std::shared_ptr<App>&)>& NewAppInstanceFault() {
    static std::function<void(const std::shared_ptr<App>&)> fault;
    return fault;
}

void Note(std::string_view step) {
    if (Observer()) {
        Observer()(step);
    }
}

} // namespace

void Main() {
    try {
        Note("SetExceptionHelper");
        RuntimeSetExceptionHelper(&CallFunctionWithExceptionHandling);
        Note("SetFrameworkVersion");
        SetFrameworkVersion(kFrameworkVersion);
        EarlyStartup();
        Note("RunFrameworkInitialization");
        RunFrameworkInitialization(&LateStartup);
        Note("RuntimeRun");
        RuntimeRun();
    } catch (const std::exception& error) {
        UnhandledException(error);
    } catch (...) {
        UnhandledUnknownException();
    }
}

void EarlyStartup() {
    Note("EarlyStartup");
    RuntimeInitExternalClasses();
    InitPluginEntrypoints();
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
}

void InitFileTypes() {
    Note("InitFileTypes");
}

void NewAppInstance() {
    Note("NewAppInstance");
    auto app = std::make_shared<App>();
    app->Constructor();
    if (NewAppInstanceFault()) {
        NewAppInstanceFault()(app);
    }
    Note("SetVersionData");
    app->SetVersionData(1, 0, 0, 0, 0, "", "", "");
    Note("InstallMenuBar");
    app->SetMenuBar(MenuBar1::Instance());
    Note("RegisterAppObject");
    RuntimeRegisterAppObject(std::move(app));
}

void ApplicationAddMenuHandlers() {
    Note("ApplicationAddMenuHandlers");
}

void LateStartup() {
    Note("LateStartup");
    MakeDefaultView();
}

void MakeDefaultView() {
    Note("MakeDefaultView");
    if (DefaultViewMaker()) {
        DefaultViewMaker()();
    }
}

void RegisterProgramInitializers() {
    RegisterInitializer(&RegisterAppClass);
    RegisterInitializer(&RegisterMenuBar1Class);
    RegisterInitializer(&Window1::RegisterClass);
    RegisterInitializer(&Window2::RegisterClass);
}

std::exception_ptr CallFunctionWithExceptionHandling(void (*fn)(void*), void* arg) {
    try {
        fn(arg);
    } catch (const RuntimeException&) {
        return std::current_exception();
    }
    return nullptr;
}

void SetDefaultViewMaker(std::function<void()> maker) {
    DefaultViewMaker() = std::move(maker);
}

void StartupTesting::SetObserver(std::function<void(std::string_view)> observer) {
    Observer() = std::move(observer);
}

void StartupTesting::SetNewAppInstanceFault(
    std::function<void(const std::shared_ptr<App>&)> fault) {
    NewAppInstanceFault() = std::move(fault);
}
