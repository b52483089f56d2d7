#pragma once

#include <exception>

// The default report of an exception that no program code caught: one clear message on
// stderr. The framework calls these where it called the program; the application goes on.
void ReportUnhandledException(const std::exception& exception);
// For an exception of a type not derived from std::exception.
void ReportUnhandledException();
// Either of the above, for a captured exception.
void ReportUnhandledException(std::exception_ptr exception);
