#pragma once

#include "Color.h"
#include "Exceptions.h"
#include "Types.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

// The design property list: the byte record in which a window hands the design values of itself
// or of one of its controls to SetProperties. Entries stand back to back, each the key in ASCII,
// one blank (0x20) and the value in the width of the key's type; strings are a 4-byte
// little-endian length followed by the UTF-8 bytes. The list carries no type information: the
// type of a key follows from the class of the object it is applied to.

enum class ValueType { Boolean, Byte, Integer, Single, Double, Color, String };

using PropertyValue = std::variant<bool, std::uint8_t, Int64, float, double, Color, std::string>;

ValueType TypeOf(const PropertyValue& value);

struct DesignEntry {
    std::string key;
    PropertyValue value;
    std::size_t offset = 0; // byte offset of the entry's key within the list
};

// A list that cannot be read: truncated, an unknown key, a key the class lacks, a string length
// past the end. The message names the key (when one was read) and the byte offset.
class DesignListError : public RuntimeException {
  public:
    DesignListError(const std::string& message, std::string key, std::size_t offset)
        : RuntimeException(message), key_(std::move(key)), offset_(offset) {}
    const std::string& Key() const { return key_; }
    std::size_t Offset() const { return offset_; }

  private:
    std::string key_;
    std::size_t offset_;
};

// The type of a key for objects of a class ("Window", "Rectangle", "Canvas", "GroupBox",
// "RadioButton", "Label", "Slider", "TextField", "CheckBox", "PushButton"); nothing when the
// class has no such key. Keys match ignoring letter case, so "Multiline" finds "MultiLine".
std::optional<ValueType> KeyType(std::string_view className, std::string_view key);

// The framework's own spelling of a key of the class ("Multiline" answers "MultiLine"); nothing
// when the class has no such key. Whoever applies a list dispatches on this name.
std::optional<std::string_view> PropertyName(std::string_view className, std::string_view key);

// The keys of a complete list for an object of the class, in the order a design writes them
// (a control's twelve common keys, the class's own, InitialParent); empty for an unknown class.
std::vector<std::string_view> DesignListKeys(std::string_view className);

// The classes that have design property lists, "Window" first.
std::span<const std::string_view> DesignListClasses();

// Decodes a whole list for an object of the class. Never reads out of bounds; throws
// DesignListError on any fault.
std::vector<DesignEntry> ReadDesignList(std::string_view className, std::string_view bytes);

// Builds a list entry by entry. Each value must have the type KeyType gives for the key in the
// writer's class; a mismatch throws DesignListError.
class DesignListWriter {
  public:
    explicit DesignListWriter(std::string className);

    DesignListWriter& Add(std::string_view key, PropertyValue value);
    const std::string& Bytes() const { return bytes_; }

  private:
    std::string className_;
    std::string bytes_;
};
