#pragma once

#include "Application.h"

#include <string>
#include <string_view>

// The application object. It adds no behaviour: every application event keeps the framework's
// default.
class App : public Application {
  public:
    std::string ClassName() const override { return "App"; }
    virtual void Constructor() {}

    // Whether App itself handles the named application event.
    bool IsEventImplemented(std::string_view eventName) const;
};

// Registers App's (empty) table of handled events with the framework.
void RegisterAppClass();
