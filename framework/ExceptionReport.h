#pragma once

#include <exception>

// The framework's default report of an exception that no handler caught: one line on stderr.
void ReportUnhandledException(const std::exception& error);
void ReportUnknownException();
