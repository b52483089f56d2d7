#include "ExceptionReport.h"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <typeinfo>

namespace {

std::string TypeName(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    return status == 0 && demangled ? demangled.get() : type.name();
}

} // namespace

void ReportUnhandledException(const std::exception& exception) {
    std::fprintf(stderr, "Unhandled exception %s: %s\n", TypeName(typeid(exception)).c_str(),
                 exception.what());
    std::fflush(stderr);
}

void ReportUnhandledException() {
    std::fprintf(stderr, "Unhandled exception of an unknown type\n");
    std::fflush(stderr);
}

void ReportUnhandledException(std::exception_ptr exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const std::exception& e) {
        ReportUnhandledException(e);
    } catch (...) {
        ReportUnhandledException();
    }
}
