#include "ExceptionReport.h"

#include <cstdio>

void ReportUnhandledException(const std::exception& error) {
    std::fprintf(stderr, "Unhandled exception: %s\n", error.what());
}

void ReportUnknownException() {
    std::fputs("Unhandled exception of unknown type\n", stderr);
}
