#pragma once

// Runs the tests the command line selects. A failure outside any test (a suite's set-up or
// tear-down, a global environment) ends the run there with status 1: GoogleTest would go on to
// report the suite's tests as skipped, and ctest counts a skipped test as no failure.
int RunAllTests(int& argc, char** argv);
