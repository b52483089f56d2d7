#include "Numbers.h"

std::string Str(Int64 value) {
    return std::to_string(value);
}
