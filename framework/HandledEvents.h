#pragma once

#include <string>
#include <string_view>
#include <vector>

// Which events each program class handles, for the framework's event query.
void RegisterHandledEvents(std::string_view className, const std::vector<std::string>& events);
// True when the class registered the event (names match exactly).
bool RuntimeIsEventHandled(std::string_view className, std::string_view eventName);
