#include "PropertyValues.h"

#include <cctype>

namespace {

template <class T> const T& Get(const DesignEntry& entry, const char* typeName) {
    if (const T* value = std::get_if<T>(&entry.value)) {
        return *value;
    }
    throw RuntimeException("design entry " + entry.key + " at offset " +
                           std::to_string(entry.offset) + " is not of type " + typeName);
}

} // namespace

bool AsBool(const DesignEntry& entry) {
    return Get<bool>(entry, "Boolean");
}

Int64 AsInteger(const DesignEntry& entry) {
    if (const auto* byte = std::get_if<std::uint8_t>(&entry.value)) {
        return *byte;
    }
    return Get<Int64>(entry, "Integer");
}

double AsReal(const DesignEntry& entry) {
    if (const auto* single = std::get_if<float>(&entry.value)) {
        return *single;
    }
    return Get<double>(entry, "Double");
}

Color AsColor(const DesignEntry& entry) {
    return Get<Color>(entry, "Color");
}

const std::string& AsString(const DesignEntry& entry) {
    return Get<std::string>(entry, "String");
}

std::string LowerKey(std::string_view key) {
    std::string lower(key);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}
