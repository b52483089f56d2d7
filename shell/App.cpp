#include "App.h"

#include "EventQuery.h"

bool App::IsEventImplemented(std::string_view eventName) const {
    return RuntimeIsEventHandled(ClassName(), eventName);
}

void RegisterAppClass() {
    RegisterHandledEvents("App", {});
}
