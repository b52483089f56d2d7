#include "DesignList.h"

#include <array>
#include <bit>
#include <cctype>
#include <limits>

namespace {

using enum ValueType;

// Every key has one type across all classes, except Value, whose type is the class's.
struct KeyDef {
    std::string_view name;
    ValueType type;
};

constexpr KeyDef kKeyTypes[] = {
    {"Name", String},
    {"Index", Integer},
    {"Left", Integer},
    {"Top", Integer},
    {"Width", Integer},
    {"Height", Integer},
    {"LockLeft", Boolean},
    {"LockTop", Boolean},
    {"LockRight", Boolean},
    {"LockBottom", Boolean},
    {"TabIndex", Integer},
    {"TabPanelIndex", Integer},
    {"InitialParent", String},
    {"MinimumWidth", Integer},
    {"MinimumHeight", Integer},
    {"MaximumWidth", Integer},
    {"MaximumHeight", Integer},
    {"Type", Integer},
    {"Title", String},
    {"HasCloseButton", Boolean},
    {"HasMaximizeButton", Boolean},
    {"HasMinimizeButton", Boolean},
    {"HasFullScreenButton", Boolean},
    {"Resizeable", Boolean},
    {"Composite", Boolean},
    {"MacProcId", Integer},
    {"FullScreen", Boolean},
    {"DefaultLocation", Integer},
    {"Visible", Boolean},
    {"HasBackgroundColor", Boolean},
    {"BackgroundColor", Color},
    {"MenuBarVisible", Boolean},
    {"LiveResize", Boolean},
    {"AllowAutoDeactivate", Boolean},
    {"BorderThickness", Double},
    {"BottomRightColor", Color},
    {"Enabled", Boolean},
    {"FillColor", Color},
    {"Tooltip", String},
    {"TopLeftColor", Color},
    {"Transparent", Boolean},
    {"TabStop", Boolean},
    {"AllowFocusRing", Boolean},
    {"AllowFocus", Boolean},
    {"AllowTabs", Boolean},
    {"DoubleBuffer", Boolean},
    {"Caption", String},
    {"Bold", Boolean},
    {"Italic", Boolean},
    {"Underline", Boolean},
    {"FontName", String},
    {"FontSize", Single},
    {"FontUnit", Byte},
    {"MultiLine", Boolean},
    {"Selectable", Boolean},
    {"TextAlignment", Integer},
    {"TextColor", Color},
    {"DataSource", String},
    {"DataField", String},
    {"MinimumValue", Integer},
    {"MaximumValue", Integer},
    {"LineStep", Integer},
    {"AllowLiveScrolling", Boolean},
    {"PageStep", Integer},
    {"TickMarkStyle", Integer},
    {"HasBorder", Boolean},
    {"Format", String},
    {"Password", Boolean},
    {"Hint", String},
    {"AllowSpellChecking", Boolean},
    {"MaximumCharactersAllowed", Integer},
    {"ValidationMask", String},
    {"ReadOnly", Boolean},
    {"VisualState", Integer},
    {"MacButtonStyle", Integer},
    {"Cancel", Boolean},
    {"Default", Boolean},
};

struct ClassKeys {
    std::string_view className;
    std::optional<ValueType> valueType; // the type of the class's Value, if it has one
    // The class's keys in the order a design writes them, between the control keys; a key may
    // stand twice.
    std::vector<std::string_view> keys;
};

// Every control's keys, in list order: the first twelve open a control's list, the last ends it.
const std::vector<std::string_view> kControlKeys = {
    "Name",    "Index",     "Left",       "Top",      "Width",         "Height",       "LockLeft",
    "LockTop", "LockRight", "LockBottom", "TabIndex", "TabPanelIndex", "InitialParent"};

const std::vector<ClassKeys>& ClassTable() {
    static const std::vector<ClassKeys> table = {
        {"Window",
         std::nullopt,
         {"Width",
          "Height",
          "MinimumWidth",
          "MinimumHeight",
          "MaximumWidth",
          "MaximumHeight",
          "Type",
          "Title",
          "HasCloseButton",
          "HasMaximizeButton",
          "HasMinimizeButton",
          "HasFullScreenButton",
          "Resizeable",
          "Composite",
          "MacProcID",
          "FullScreen",
          "DefaultLocation",
          "Visible",
          "HasBackgroundColor",
          "BackgroundColor",
          "MenuBarVisible",
          "LiveResize"}},
        {"Rectangle",
         std::nullopt,
         {"AllowAutoDeactivate", "BorderThickness", "BottomRightColor", "Enabled", "FillColor",
          "Tooltip", "TopLeftColor", "Transparent", "Visible"}},
        {"Canvas",
         std::nullopt,
         {"TabStop", "AllowAutoDeactivate", "Enabled", "Tooltip", "AllowFocusRing", "Visible",
          "AllowFocus", "AllowTabs", "Transparent", "DoubleBuffer", "Transparent"}},
        {"GroupBox",
         std::nullopt,
         {"TabStop", "AllowAutoDeactivate", "Caption", "Enabled", "Tooltip", "Transparent",
          "Visible", "Bold", "Italic", "FontName", "Underline", "FontSize", "FontUnit"}},
        {"RadioButton",
         Boolean,
         {"TabStop", "AllowAutoDeactivate", "Caption", "Enabled", "Tooltip", "Transparent",
          "Visible", "FontName", "FontSize", "FontUnit", "Bold", "Italic", "Underline", "Value"}},
        {"Label",
         String,
         {"TabStop", "AllowAutoDeactivate", "Enabled", "Tooltip", "Multiline", "Selectable",
          "TextAlignment", "TextColor", "Transparent", "Value", "Visible", "Bold", "Italic",
          "FontName", "Underline", "FontSize", "FontUnit", "DataSource", "DataField"}},
        {"Slider",
         Integer,
         {"TabStop", "AllowAutoDeactivate", "Enabled", "Tooltip", "Transparent", "Visible", "Value",
          "MinimumValue", "MaximumValue", "LineStep", "AllowLiveScrolling", "PageStep",
          "TickMarkStyle"}},
        {"TextField",
         String,
         {"TabStop",
          "AllowAutoDeactivate",
          "BackgroundColor",
          "HasBorder",
          "Enabled",
          "Format",
          "Tooltip",
          "Password",
          "TextColor",
          "Transparent",
          "AllowFocusRing",
          "Visible",
          "FontName",
          "FontSize",
          "FontUnit",
          "Bold",
          "Italic",
          "Underline",
          "Hint",
          "Value",
          "AllowTabs",
          "TextAlignment",
          "AllowSpellChecking",
          "MaximumCharactersAllowed",
          "ValidationMask",
          "ReadOnly",
          "DataSource",
          "DataField"}},
        {"CheckBox",
         Boolean,
         {"TabStop", "AllowAutoDeactivate", "Caption", "Enabled", "Tooltip", "Transparent",
          "Visible", "Bold", "Italic", "FontName", "FontSize", "FontUnit", "Underline",
          "VisualState", "Value", "DataField", "DataSource"}},
        {"PushButton",
         std::nullopt,
         {"TabStop", "AllowAutoDeactivate", "MacButtonStyle", "Cancel", "Caption", "Default",
          "Enabled", "Tooltip", "Transparent", "Visible", "FontName", "FontSize", "FontUnit",
          "Bold", "Italic", "Underline"}},
    };
    return table;
}

constexpr std::array<std::string_view, 10> kClassNames = {
    "Window", "Rectangle", "Canvas",    "GroupBox", "RadioButton",
    "Label",  "Slider",    "TextField", "CheckBox", "PushButton"};

bool SameKey(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

const ClassKeys* FindClass(std::string_view className) {
    for (const ClassKeys& entry : ClassTable()) {
        if (entry.className == className) {
            return &entry;
        }
    }
    return nullptr;
}

std::optional<ValueType> CommonKeyType(std::string_view key) {
    for (const KeyDef& def : kKeyTypes) {
        if (SameKey(def.name, key)) {
            return def.type;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> ClassKey(const ClassKeys& entry, std::string_view key) {
    for (std::string_view name : entry.keys) {
        if (SameKey(name, key)) {
            return name;
        }
    }
    if (entry.className != "Window") {
        for (std::string_view name : kControlKeys) {
            if (SameKey(name, key)) {
                return name;
            }
        }
    }
    return std::nullopt;
}

bool AnyClassHas(std::string_view key) {
    return SameKey(key, "Value") || CommonKeyType(key).has_value();
}

std::size_t WidthOf(ValueType type) {
    switch (type) {
    case Boolean:
    case Byte:
        return 1;
    case Single:
    case Color:
    case String: // the length field; the text follows
        return 4;
    case Integer:
    case Double:
        return 8;
    }
    return 0;
}

const char* TypeName(ValueType type) {
    switch (type) {
    case Boolean:
        return "Boolean";
    case Byte:
        return "Byte";
    case Integer:
        return "Integer";
    case Single:
        return "Single";
    case Double:
        return "Double";
    case Color:
        return "Color";
    case String:
        return "String";
    }
    return "?";
}

std::uint64_t ReadLittleEndian(std::string_view bytes, std::size_t at, std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value |= std::uint64_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
    }
    return value;
}

void WriteLittleEndian(std::string& out, std::uint64_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

std::string Where(std::string_view className, std::string_view key, std::size_t offset) {
    std::string text = "design list for " + std::string(className) + ": ";
    if (!key.empty()) {
        text += "key \"" + std::string(key) + "\" ";
    }
    return text + "at byte " + std::to_string(offset) + ": ";
}

[[noreturn]] void Fail(std::string_view className, const std::string& key, std::size_t offset,
                       const std::string& problem) {
    throw DesignListError(Where(className, key, offset) + problem, key, offset);
}

class Reader {
  public:
    Reader(std::string_view className, std::string_view bytes)
        : className_(className), bytes_(bytes) {}

    std::vector<DesignEntry> ReadAll() {
        const ClassKeys* entry = FindClass(className_);
        if (entry == nullptr) {
            Fail(className_, "", 0, "unknown class");
        }
        std::vector<DesignEntry> entries;
        while (pos_ < bytes_.size()) {
            entries.push_back(ReadEntry(*entry));
        }
        return entries;
    }

  private:
    std::size_t Left() const { return bytes_.size() - pos_; }

    std::string ReadKey() {
        const std::size_t start = pos_;
        while (pos_ < bytes_.size() && std::isalnum(static_cast<unsigned char>(bytes_[pos_]))) {
            ++pos_;
        }
        std::string key(bytes_.substr(start, pos_ - start));
        if (key.empty()) {
            Fail(className_, "", start, "empty key");
        }
        if (!std::isupper(static_cast<unsigned char>(key.front()))) {
            Fail(className_, key, start, "key does not begin with a capital letter");
        }
        if (pos_ >= bytes_.size() || bytes_[pos_] != ' ') {
            Fail(className_, key, pos_, "missing blank after the key");
        }
        ++pos_;
        return key;
    }

    ValueType TypeFor(const ClassKeys& entry, const std::string& key, std::size_t at) {
        if (!ClassKey(entry, key)) {
            Fail(className_, key, at,
                 AnyClassHas(key) ? "the class has no such key" : "unknown key");
        }
        return *KeyType(className_, key);
    }

    PropertyValue ReadValue(ValueType type, const std::string& key) {
        const std::size_t width = WidthOf(type);
        if (Left() < width) {
            Fail(className_, key, pos_,
                 std::string(TypeName(type)) + " value truncated: needs " + std::to_string(width) +
                     " bytes, " + std::to_string(Left()) + " left");
        }
        const std::size_t at = pos_;
        const std::uint64_t raw = ReadLittleEndian(bytes_, at, width);
        pos_ += width;
        switch (type) {
        case Boolean:
            if (raw > 1) {
                Fail(className_, key, at, "Boolean value is neither 0 nor 1");
            }
            return raw == 1;
        case Byte:
            return static_cast<std::uint8_t>(raw);
        case Integer:
            return static_cast<Int64>(raw);
        case Single:
            return std::bit_cast<float>(static_cast<std::uint32_t>(raw));
        case Double:
            return std::bit_cast<double>(raw);
        case Color: {
            // Stored as a little-endian number with blue in the low byte and alpha in the high.
            ::Color color;
            color.blue = static_cast<std::uint8_t>(raw & 0xFF);
            color.green = static_cast<std::uint8_t>((raw >> 8) & 0xFF);
            color.red = static_cast<std::uint8_t>((raw >> 16) & 0xFF);
            color.alpha = static_cast<std::uint8_t>((raw >> 24) & 0xFF);
            return color;
        }
        case String:
            if (raw > Left()) {
                Fail(className_, key, at,
                     "string length " + std::to_string(raw) + " runs past the end (" +
                         std::to_string(Left()) + " bytes left)");
            }
            std::string text(bytes_.substr(pos_, static_cast<std::size_t>(raw)));
            pos_ += static_cast<std::size_t>(raw);
            return text;
        }
        return false;
    }

    DesignEntry ReadEntry(const ClassKeys& entry) {
        const std::size_t start = pos_;
        std::string key = ReadKey();
        const ValueType type = TypeFor(entry, key, start);
        PropertyValue value = ReadValue(type, key);
        return DesignEntry{std::move(key), std::move(value), start};
    }

    std::string_view className_;
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

bool IsWellFormedKey(std::string_view key) {
    if (key.empty() || !std::isupper(static_cast<unsigned char>(key.front()))) {
        return false;
    }
    for (char c : key) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

void WriteValue(std::string& out, const PropertyValue& value) {
    std::visit(
        [&out](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, bool>) {
                out.push_back(v ? '\x01' : '\x00');
            } else if constexpr (std::is_same_v<T, std::uint8_t>) {
                out.push_back(static_cast<char>(v));
            } else if constexpr (std::is_same_v<T, Int64>) {
                WriteLittleEndian(out, static_cast<std::uint64_t>(v), 8);
            } else if constexpr (std::is_same_v<T, float>) {
                WriteLittleEndian(out, std::bit_cast<std::uint32_t>(v), 4);
            } else if constexpr (std::is_same_v<T, double>) {
                WriteLittleEndian(out, std::bit_cast<std::uint64_t>(v), 8);
            } else if constexpr (std::is_same_v<T, ::Color>) {
                const std::uint64_t raw = std::uint64_t{v.blue} | (std::uint64_t{v.green} << 8) |
                                          (std::uint64_t{v.red} << 16) |
                                          (std::uint64_t{v.alpha} << 24);
                WriteLittleEndian(out, raw, 4);
            } else {
                WriteLittleEndian(out, v.size(), 4);
                out += v;
            }
        },
        value);
}

} // namespace

ValueType TypeOf(const PropertyValue& value) {
    static constexpr ValueType kByIndex[] = {Boolean,          Byte,  Integer, Single, Double,
                                             ValueType::Color, String};
    static_assert(std::size(kByIndex) == std::variant_size_v<PropertyValue>);
    return kByIndex[value.index()];
}

std::optional<ValueType> KeyType(std::string_view className, std::string_view key) {
    const ClassKeys* entry = FindClass(className);
    if (entry == nullptr || !ClassKey(*entry, key)) {
        return std::nullopt;
    }
    if (SameKey(key, "Value")) {
        return entry->valueType;
    }
    return CommonKeyType(key);
}

std::optional<std::string_view> PropertyName(std::string_view className, std::string_view key) {
    const ClassKeys* entry = FindClass(className);
    if (entry == nullptr || !ClassKey(*entry, key)) {
        return std::nullopt;
    }
    // The type table spells keys as the framework's properties are named.
    for (const KeyDef& def : kKeyTypes) {
        if (SameKey(def.name, key)) {
            return def.name;
        }
    }
    return "Value";
}

std::vector<std::string_view> DesignListKeys(std::string_view className) {
    const ClassKeys* entry = FindClass(className);
    if (entry == nullptr) {
        return {};
    }
    if (entry->className == "Window") {
        return entry->keys;
    }
    std::vector<std::string_view> keys(kControlKeys.begin(), kControlKeys.end() - 1);
    keys.insert(keys.end(), entry->keys.begin(), entry->keys.end());
    keys.push_back(kControlKeys.back());
    return keys;
}

std::span<const std::string_view> DesignListClasses() {
    return kClassNames;
}

std::vector<DesignEntry> ReadDesignList(std::string_view className, std::string_view bytes) {
    return Reader(className, bytes).ReadAll();
}

DesignListWriter::DesignListWriter(std::string className) : className_(std::move(className)) {}

DesignListWriter& DesignListWriter::Add(std::string_view key, PropertyValue value) {
    const std::string keyText(key);
    const std::size_t at = bytes_.size();
    if (!IsWellFormedKey(key)) {
        Fail(className_, keyText, at, "a key is a capital letter followed by letters and digits");
    }
    const std::optional<ValueType> type = KeyType(className_, key);
    if (!type) {
        Fail(className_, keyText, at,
             AnyClassHas(key) ? "the class has no such key" : "unknown key");
    }
    if (TypeOf(value) != *type) {
        Fail(className_, keyText, at,
             std::string("value of type ") + TypeName(TypeOf(value)) + " for a key of type " +
                 TypeName(*type));
    }
    if (const auto* text = std::get_if<std::string>(&value);
        text != nullptr && text->size() > std::numeric_limits<std::uint32_t>::max()) {
        Fail(className_, keyText, at, "string too long for its 4-byte length");
    }
    bytes_ += key;
    bytes_ += ' ';
    WriteValue(bytes_, value);
    return *this;
}
