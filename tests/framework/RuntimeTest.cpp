#include "Runtime.h"
#include "EventQuery.h"

#include <QTimer>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class RuntimeTest : public ::testing::Test {
  protected:
    void SetUp() override { RuntimeResetForTesting(); }
    void TearDown() override { RuntimeResetForTesting(); }
};

TEST_F(RuntimeTest, QuitFromAHandlerEndsTheLoopWithItsCode) {
    int codeSeenAfterQuit = -1;
    QTimer::singleShot(0, [&] {
        Quit(3);
        // Quit takes effect only once the handler returns.
        codeSeenAfterQuit = RuntimeExit();
    });
    RuntimeRun();
    EXPECT_EQ(codeSeenAfterQuit, 3);
    EXPECT_EQ(RuntimeExit(), 3);
}

TEST_F(RuntimeTest, QuitBeforeTheLoopMakesItReturnAtOnce) {
    Quit(0);
    RuntimeRun();
    EXPECT_EQ(RuntimeExit(), 0);
    // The pending quit is used up: the next loop runs until it is told to end.
    bool ranInLoop = false;
    QTimer::singleShot(0, [&] {
        ranInLoop = true;
        Quit(5);
    });
    RuntimeRun();
    EXPECT_TRUE(ranInLoop);
    EXPECT_EQ(RuntimeExit(), 5);
}

TEST_F(RuntimeTest, AnUnhandledFailureMakesTheExitCodeOne) {
    EXPECT_EQ(RuntimeExit(), 0);
    testing::internal::CaptureStderr();
    UnhandledException(std::runtime_error("disk on fire"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("disk on fire"), std::string::npos);
    EXPECT_EQ(RuntimeExit(), 1);
}

TEST_F(RuntimeTest, LateStartupRunsOnceAndAtOnce) {
    int calls = 0;
    RunFrameworkInitialization([&] { ++calls; });
    EXPECT_EQ(calls, 1);
    EXPECT_THROW(RunFrameworkInitialization(nullptr), std::exception);
}

TEST(EventQueryTest, AnswersPerClassAndEvent) {
    RegisterHandledEvents("QueryProbe", {"Open"});
    RegisterHandledEvents("QueryProbe", {"Paint"});
    RegisterHandledEvents("QuietProbe", {});
    EXPECT_TRUE(RuntimeIsEventHandled("QueryProbe", "Open"));
    EXPECT_TRUE(RuntimeIsEventHandled("QueryProbe", "Paint"));
    EXPECT_FALSE(RuntimeIsEventHandled("QueryProbe", "Close"));
    EXPECT_FALSE(RuntimeIsEventHandled("QuietProbe", "Open"));
    EXPECT_FALSE(RuntimeIsEventHandled("NoSuchClass", "Open"));
}

} // namespace
