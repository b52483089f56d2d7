// Test entry for suites that need no QApplication.
#include "RunAllTests.h"

int main(int argc, char** argv) {
    return RunAllTests(argc, argv);
}
