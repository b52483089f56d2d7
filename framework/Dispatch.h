#pragma once

#include <exception>
#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

// The boundary between the framework and the program. Qt calls the framework, the framework
// calls program code through CallProgram, and no exception ever travels back through Qt.

// An escaped exception: stored in the innermost ScopedExceptionCapture, else reported.
void HandleEscapedException(std::exception_ptr exception);

// While one lives, exceptions escaping program code that the framework runs on behalf of the
// current call (a change event inside Slider::SetValue, a paint inside Refresh) are kept, so
// that the call can rethrow them to its caller instead of reporting them.
class ScopedExceptionCapture {
  public:
    ScopedExceptionCapture();
    ~ScopedExceptionCapture();
    ScopedExceptionCapture(const ScopedExceptionCapture&) = delete;
    ScopedExceptionCapture& operator=(const ScopedExceptionCapture&) = delete;

    void Keep(std::exception_ptr exception);
    void RethrowIfAny();

  private:
    std::exception_ptr kept_;
    ScopedExceptionCapture* outer_;
};

template <class R> using ProgramResult = std::conditional_t<std::is_void_v<R>, std::monostate, R>;

// Runs program code; answers its result, or nothing when it raised.
template <class F> auto CallProgram(F&& code) -> std::optional<ProgramResult<decltype(code())>> {
    using R = decltype(code());
    try {
        if constexpr (std::is_void_v<R>) {
            std::forward<F>(code)();
            return std::monostate{};
        } else {
            return std::forward<F>(code)();
        }
    } catch (...) {
        HandleEscapedException(std::current_exception());
        return std::nullopt;
    }
}
