#pragma once

#include <string>

// The text the v/c field shows for a speed when it puts back the speed in effect. It is Str of
// the speed whenever that reads back strictly between -1 and 1; a speed so near -1 or 1 that
// Str rounds it onto the bound gets its shortest exact text instead, so that reading the text
// back always gives a speed the field accepts.
std::string SpeedText(double speed);
