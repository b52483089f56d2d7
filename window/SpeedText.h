#pragma once

#include <string>

// The text the v/c field shows whenever a handler writes a speed into it: after a frame switch,
// a slider change or a rejected text. It is Str of the speed whenever that reads back strictly
// between -1 and 1; a speed so near -1 or 1 that Str rounds it onto the bound gets its shortest
// exact text instead, so that the field never shows a speed it would refuse.
std::string SpeedText(double speed);
