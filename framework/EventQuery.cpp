#include "EventQuery.h"

#include <map>
#include <set>

namespace {

using EventSet = std::set<std::string, std::less<>>;

std::map<std::string, EventSet, std::less<>>& HandledEvents() {
    static std::map<std::string, EventSet, std::less<>> registry;
    return registry;
}

} // namespace

void RegisterHandledEvents(std::string className, std::vector<std::string> events) {
    auto& handled = HandledEvents()[std::move(className)];
    for (auto& event : events) {
        handled.insert(std::move(event));
    }
}

bool RuntimeIsEventHandled(std::string_view className, std::string_view eventName) {
    const auto& registry = HandledEvents();
    auto found = registry.find(className);
    return found != registry.end() && found->second.contains(eventName);
}
