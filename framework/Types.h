#pragma once

#include <cstdint>

// The framework's whole-number type: every integer the program stores is 64 bits wide.
using Int64 = std::int64_t;
