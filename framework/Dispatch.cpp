#include "Dispatch.h"

#include "ExceptionReport.h"

namespace {
thread_local ScopedExceptionCapture* innermost = nullptr;
}

ScopedExceptionCapture::ScopedExceptionCapture() : outer_(innermost) {
    innermost = this;
}

ScopedExceptionCapture::~ScopedExceptionCapture() {
    innermost = outer_;
    // Not rethrown by its owner (the owner itself is unwinding): nobody else will see it.
    if (kept_) {
        ReportUnhandledException(kept_);
    }
}

void ScopedExceptionCapture::Keep(std::exception_ptr exception) {
    // The first one wins: the program would have stopped there.
    if (!kept_) {
        kept_ = std::move(exception);
    }
}

void ScopedExceptionCapture::RethrowIfAny() {
    if (kept_) {
        std::rethrow_exception(std::exchange(kept_, nullptr));
    }
}

void HandleEscapedException(std::exception_ptr exception) {
    if (innermost != nullptr) {
        innermost->Keep(std::move(exception));
    } else {
        ReportUnhandledException(exception);
    }
}
