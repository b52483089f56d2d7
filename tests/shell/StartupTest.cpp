#include "Startup.h"
#include "App.h"
#include "Exceptions.h"
#include "MenuBar1.h"
#include "Runtime.h"

#include <QPixmap>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RuntimeResetForTesting();
        MenuBar1::implicitInstance.reset();
        StartupTesting::SetObserver([this](std::string_view step) { steps.emplace_back(step); });
        // The main window stands in as a step that ends the loop as soon as it runs.
        SetDefaultViewMaker([this] {
            barAtDefaultView = RuntimeAppObject() ? RuntimeAppObject()->MenuBar() : nullptr;
            QTimer::singleShot(0, [] { Quit(0); });
        });
    }
    void TearDown() override {
        StartupTesting::SetObserver(nullptr);
        StartupTesting::SetNewAppInstanceFault(nullptr);
        SetDefaultViewMaker(nullptr);
        MenuBar1::implicitInstance.reset();
        RuntimeResetForTesting();
    }

    bool Ran(const std::string& step) const {
        return std::find(steps.begin(), steps.end(), step) != steps.end();
    }

    std::vector<std::string> steps;
    std::shared_ptr<MenuBar> barAtDefaultView;
};

TEST_F(StartupTest, RunsEveryStepInOrderAndEndsWithTheQuitCode) {
    Main();
    const std::vector<std::string> expected{
        "SetExceptionHelper",
        "SetFrameworkVersion",
        "EarlyStartup",
        "InitFileTypes",
        "NewAppInstance",
        "SetVersionData",
        "InstallMenuBar",
        "RegisterAppObject",
        "ApplicationAddMenuHandlers",
        "RunFrameworkInitialization",
        "LateStartup",
        "MakeDefaultView",
        "RuntimeRun",
    };
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(RuntimeExit(), 0);
    EXPECT_EQ(RuntimeExceptionHelper(), &CallFunctionWithExceptionHandling);
    EXPECT_DOUBLE_EQ(FrameworkVersion(), 2019.03);
}

TEST_F(StartupTest, RegistersAnAppWithItsVersionDataAndMenuBar) {
    Main();
    auto app = std::dynamic_pointer_cast<App>(RuntimeAppObject());
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->ClassName(), "App");
    EXPECT_EQ(app->MajorVersion(), 1);
    EXPECT_EQ(app->MinorVersion(), 0);
    EXPECT_EQ(app->BugVersion(), 0);
    EXPECT_EQ(app->NonReleaseVersion(), 0);
    EXPECT_EQ(app->StageCode(), 0);
    EXPECT_EQ(app->LongVersion(), "");
    EXPECT_EQ(app->ShortVersion(), "");
    EXPECT_EQ(app->PackageInfo(), "");
    ASSERT_NE(app->MenuBar(), nullptr);
    EXPECT_EQ(app->MenuBar(), MenuBar1::implicitInstance);
    EXPECT_EQ(barAtDefaultView, app->MenuBar());
}

TEST_F(StartupTest, AFailureWhileCreatingTheAppStopsStartUpAndMakesTheExitCodeOne) {
    std::shared_ptr<App> failedApp;
    StartupTesting::SetNewAppInstanceFault([&](const std::shared_ptr<App>& app) {
        failedApp = app;
        throw std::runtime_error("no memory for the application");
    });
    testing::internal::CaptureStderr();
    EXPECT_NO_THROW(Main());
    const std::string report = testing::internal::GetCapturedStderr();

    EXPECT_NE(report.find("no memory for the application"), std::string::npos);
    ASSERT_NE(failedApp, nullptr);
    EXPECT_EQ(failedApp->MenuBar(), nullptr);
    EXPECT_EQ(RuntimeAppObject(), nullptr);
    EXPECT_EQ(MenuBar1::implicitInstance, nullptr);
    for (const char* skipped :
         {"SetVersionData", "InstallMenuBar", "RegisterAppObject", "ApplicationAddMenuHandlers",
          "LateStartup", "MakeDefaultView", "RuntimeRun"}) {
        EXPECT_FALSE(Ran(skipped)) << skipped;
    }
    RuntimePerformFinalizers();
    EXPECT_EQ(RuntimeExit(), 1);
}

TEST(InitializersTest, RunTheFrameworksFirstThenTheProgramsInRegistrationOrder) {
    // Shared, as the registry keeps the initialisers for the whole process.
    auto order = std::make_shared<std::vector<std::string>>();
    RegisterInitializer([order] { order->push_back("program 1"); });
    RegisterFrameworkInitializer([order] { order->push_back("framework"); });
    RegisterInitializer([order] { order->push_back("program 2"); });
    RuntimePerformInitializers();
    EXPECT_EQ(*order, (std::vector<std::string>{"framework", "program 1", "program 2"}));
}

TEST(AppTest, HandlesNoneOfTheApplicationEvents) {
    RegisterAppClass();
    App app;
    for (const char* event :
         {"Activate", "AppearanceChanged", "CancelClose", "Close", "Deactivate", "EnableMenuItems",
          "HandleAppleEvent", "NewDocument", "Open", "OpenDocument", "UnhandledException"}) {
        EXPECT_FALSE(app.IsEventImplemented(event)) << event;
    }
}

TEST(ExceptionHelperTest, ReturnsRuntimeFailuresAndRethrowsOthers) {
    auto fine = [](void* arg) { *static_cast<int*>(arg) = 42; };
    auto nilObject = [](void*) { throw NilObjectException(); };
    auto logicError = [](void*) { throw std::logic_error("not a runtime failure"); };
    int value = 0;
    EXPECT_EQ(CallFunctionWithExceptionHandling(fine, &value), nullptr);
    EXPECT_EQ(value, 42);
    std::exception_ptr caught = CallFunctionWithExceptionHandling(nilObject, nullptr);
    ASSERT_NE(caught, nullptr);
    EXPECT_THROW(std::rethrow_exception(caught), NilObjectException);
    EXPECT_THROW(CallFunctionWithExceptionHandling(logicError, nullptr), std::logic_error);
}

TEST(ResourcesTest, TheAboutPictureIsCompiledIn) {
    QPixmap picture(":/Pemo2020.jpg");
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(194, 251));
}

} // namespace
