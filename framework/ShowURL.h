#pragma once

#include <functional>
#include <string>
#include <string_view>

// Hands the URL to the system, which opens it in the user's browser or mail program.
void ShowURL(std::string_view url);

// Replaces what ShowURL hands the URL to (an empty function restores the system's) and answers
// the one used before. For tests.
std::function<void(const std::string&)>
SetUrlOpener(std::function<void(const std::string&)> opener);
