#pragma once

#include <string>
#include <string_view>
#include <vector>

// Which events each class of the program handles itself, registered when the class is set up.
// Registering a class again adds to what it had.
void RegisterHandledEvents(std::string className, std::vector<std::string> events);

// True when the class registered a handler for the event; false for unknown classes.
bool RuntimeIsEventHandled(std::string_view className, std::string_view eventName);
