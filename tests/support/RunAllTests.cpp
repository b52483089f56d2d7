#include "RunAllTests.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

class EndAtAFailureOutsideATest : public ::testing::EmptyTestEventListener {
    // Kept here: GoogleTest holds its own lock while it tells the listeners of a result.
    void OnTestStart(const ::testing::TestInfo&) override { inTest_ = true; }
    void OnTestEnd(const ::testing::TestInfo&) override { inTest_ = false; }

    void OnTestPartResult(const ::testing::TestPartResult& result) override {
        if (!result.failed() || inTest_) {
            return;
        }
        // GoogleTest's printer, called before this listener, has shown the failure.
        std::fputs("A failure outside any test: the run ends here.\n", stdout);
        std::fflush(stdout);
        std::_Exit(1);
    }

    bool inTest_ = false;
};

} // namespace

int RunAllTests(int& argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new EndAtAFailureOutsideATest);
    return RUN_ALL_TESTS();
}
