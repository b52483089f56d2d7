#include "Window1.h"

#include "EventQuery.h"
#include "Window1Design.h"
#include "WindowRegistry.h"

namespace {

// Registered before main, so that code without a window at hand can name the class.
const bool kRegistered = (Window1::RegisterClass(), true);

} // namespace

void Window1::RegisterClass() {
    RegisterProgramWindowClass<Window1>({"AddMenuHandlers", "CreateControls", "Layout", "Open"});
}

Window1& Window1::Instance() {
    RegisterClass();
    return ImplicitWindow<Window1>();
}

bool Window1::IsEventImplemented(std::string_view eventName) const {
    return RuntimeIsEventHandled(kClassName, eventName);
}

void Window1::Layout() {
    SetProperties(*this, Window1DesignList());
}

void Window1::CreateControls() {
    CreateControls0();
    CreateControls1();
}

void Window1::Open() {
    Event_Open();
}
