#include "HandledEvents.h"

#include <map>
#include <set>

namespace {

std::map<std::string, std::set<std::string, std::less<>>, std::less<>>& Table() {
    static std::map<std::string, std::set<std::string, std::less<>>, std::less<>> table;
    return table;
}

} // namespace

void RegisterHandledEvents(std::string_view className, const std::vector<std::string>& events) {
    auto& handled = Table()[std::string(className)];
    handled.insert(events.begin(), events.end());
}

bool RuntimeIsEventHandled(std::string_view className, std::string_view eventName) {
    auto found = Table().find(className);
    return found != Table().end() && found->second.contains(eventName);
}
