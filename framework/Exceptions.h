#pragma once

#include <stdexcept>
#include <string>

// The root of every failure the framework raises. Handlers do not catch these: they unwind to
// the framework's dispatch boundary, which reports them (see ReportUnhandledException).
class RuntimeException : public std::runtime_error {
  public:
    explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
};

// A call through an object reference that refers to nothing.
class NilObjectException : public RuntimeException {
  public:
    explicit NilObjectException(const std::string& message = "NilObjectException")
        : RuntimeException(message) {}
};

// A class-verifying conversion met an object of another class.
class IllegalCastException : public RuntimeException {
  public:
    explicit IllegalCastException(const std::string& message) : RuntimeException(message) {}
};

// A user-interface call from a thread other than the main one.
class ThreadAccessingUIException : public RuntimeException {
  public:
    explicit ThreadAccessingUIException(const std::string& message) : RuntimeException(message) {}
};
