#pragma once

#include "DesignList.h"

#include <string>
#include <string_view>

// Typed access to one decoded design entry. The reader already typed every value by its key;
// a mismatch here means a setter was written for the wrong key, and raises RuntimeException.
bool AsBool(const DesignEntry& entry);
Int64 AsInteger(const DesignEntry& entry);
double AsReal(const DesignEntry& entry); // Single or Double
Color AsColor(const DesignEntry& entry);
const std::string& AsString(const DesignEntry& entry);

// Design keys are matched ignoring letter case.
std::string LowerKey(std::string_view key);
