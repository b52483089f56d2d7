#include "DesignList.h"
#include "DesignListInspect.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

struct EncodingCase {
    const char* label;
    const char* className;
    const char* key;
    PropertyValue value;
    const char* valueHex; // the bytes after "key "
};

const EncodingCase kEncodings[] = {
    {"bool-true", "Window", "Visible", true, "01"},
    {"bool-false", "Label", "Bold", false, "00"},
    {"byte", "Label", "FontUnit", std::uint8_t{7}, "07"},
    {"integer", "Rectangle", "Left", Int64{20}, "14 00 00 00 00 00 00 00"},
    {"integer-lowest-32", "Canvas", "Index", Int64{-2147483648LL}, "00 00 00 80 FF FF FF FF"},
    {"single-zero", "Label", "FontSize", 0.0f, "00 00 00 00"},
    {"single-twelve", "Label", "FontSize", 12.0f, "00 00 40 41"},
    {"double-one", "Rectangle", "BorderThickness", 1.0, "00 00 00 00 00 00 F0 3F"},
    {"color-white", "Window", "BackgroundColor", RGB(255, 255, 255), "FF FF FF 00"},
    {"color-link", "Label", "TextColor", RGB(0, 64, 128), "80 40 00 00"},
    {"string", "Rectangle", "Name", "Rectangle1"s, "0A 00 00 00 52 65 63 74 61 6E 67 6C 65 31"},
    {"string-empty", "Label", "DataField", ""s, "00 00 00 00"},
    {"string-utf8", "Label", "Value", "\xC3\xA9"s, "02 00 00 00 C3 A9"},
    {"slider-value", "Slider", "Value", Int64{32}, "20 00 00 00 00 00 00 00"},
    {"checkbox-value", "CheckBox", "Value", true, "01"},
};

TEST(DesignListEncoding, WritesLittleEndianBytesAndReadsThemBack) {
    for (const EncodingCase& c : kEncodings) {
        SCOPED_TRACE(c.label);
        DesignListWriter writer(c.className);
        writer.Add(c.key, c.value);
        const std::string prefix = std::string(c.key) + " ";
        ASSERT_EQ(writer.Bytes().substr(0, prefix.size()), prefix);
        EXPECT_EQ(HexBytes(writer.Bytes().substr(prefix.size())), c.valueHex);

        const std::vector<DesignEntry> entries = ReadDesignList(c.className, writer.Bytes());
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].key, c.key);
        EXPECT_EQ(entries[0].value, c.value);
        EXPECT_EQ(entries[0].offset, 0u);
    }
}

TEST(DesignListEncoding, EntriesStandBackToBackWithRepeatedKeys) {
    DesignListWriter writer("Canvas");
    writer.Add("Transparent", true).Add("Width", Int64{636}).Add("Transparent", true);
    const std::vector<DesignEntry> entries = ReadDesignList("Canvas", writer.Bytes());
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].offset, 13u);
    EXPECT_EQ(entries[2].offset, 13u + 14u);
    EXPECT_EQ(entries[2].key, "Transparent");
    EXPECT_TRUE(ReadDesignList("Window", "").empty());
}

struct KeyTypeCase {
    const char* className;
    const char* key;
    std::optional<ValueType> type;
    const char* propertyName; // the framework's spelling, when the class has the key
};

const KeyTypeCase kKeyTypes[] = {
    {"Label", "Value", ValueType::String, "Value"},
    {"TextField", "Value", ValueType::String, "Value"},
    {"Slider", "Value", ValueType::Integer, "Value"},
    {"RadioButton", "Value", ValueType::Boolean, "Value"},
    {"CheckBox", "Value", ValueType::Boolean, "Value"},
    {"PushButton", "Value", std::nullopt, nullptr},
    {"Window", "Value", std::nullopt, nullptr},
    {"Label", "Multiline", ValueType::Boolean, "MultiLine"},
    {"Window", "MacProcID", ValueType::Integer, "MacProcId"},
    {"Label", "FontUnit", ValueType::Byte, "FontUnit"},
    {"GroupBox", "FontSize", ValueType::Single, "FontSize"},
    {"Rectangle", "BorderThickness", ValueType::Double, "BorderThickness"},
    {"TextField", "BackgroundColor", ValueType::Color, "BackgroundColor"},
    {"Slider", "TickMarkStyle", ValueType::Integer, "TickMarkStyle"},
    {"CheckBox", "InitialParent", ValueType::String, "InitialParent"},
    {"Window", "InitialParent", std::nullopt, nullptr},
    {"Window", "Name", std::nullopt, nullptr},
    {"Rectangle", "Caption", std::nullopt, nullptr},
    {"Label", "Caption", std::nullopt, nullptr},
    {"Canvas", "Backdrop", std::nullopt, nullptr},
    {"Widget", "Name", std::nullopt, nullptr},
};

TEST(DesignListKeys, TypeDependsOnClassAndIgnoresLetterCase) {
    for (const KeyTypeCase& c : kKeyTypes) {
        SCOPED_TRACE(std::string(c.className) + "." + c.key);
        EXPECT_EQ(KeyType(c.className, c.key), c.type);
        const auto name = PropertyName(c.className, c.key);
        if (c.propertyName == nullptr) {
            EXPECT_FALSE(name.has_value());
        } else {
            EXPECT_EQ(name, std::string_view(c.propertyName));
        }
    }
    EXPECT_EQ(DesignListClasses().size(), 10u);
}

struct WriterErrorCase {
    const char* label;
    const char* className;
    const char* key;
    PropertyValue value;
};

const WriterErrorCase kWriterErrors[] = {
    {"wrong-type", "Rectangle", "Left", 20.0},
    {"integer-for-byte", "Label", "FontUnit", Int64{0}},
    {"double-for-single", "Label", "FontSize", 0.0},
    {"class-value-type", "Label", "Value", true},
    {"unknown-key", "Label", "Colour", ""s},
    {"class-lacks-key", "Label", "Caption", ""s},
    {"empty-key", "Label", "", ""s},
    {"lower-case-start", "Label", "name", ""s},
    {"blank-in-key", "Label", "Font Name", ""s},
    {"unknown-class", "Widget", "Name", ""s},
};

TEST(DesignListWriterErrors, RefusesKeysAndValuesTheClassCannotTake) {
    for (const WriterErrorCase& c : kWriterErrors) {
        SCOPED_TRACE(c.label);
        DesignListWriter writer(c.className);
        const bool known = KeyType(c.className, "Visible").has_value();
        if (known) {
            writer.Add("Visible", true);
        }
        const std::size_t before = known ? 9u : 0u;
        try {
            writer.Add(c.key, c.value);
            ADD_FAILURE() << "no error";
        } catch (const DesignListError& error) {
            EXPECT_EQ(error.Key(), c.key);
            EXPECT_EQ(error.Offset(), before);
        }
        EXPECT_EQ(writer.Bytes().size(), before); // nothing half written
    }
}

struct BadListCase {
    const char* label;
    const char* className;
    std::string bytes;
    const char* key;
    std::size_t offset;
    const char* messagePart;
};

const std::string kVisible = "Visible \x01"s;

const BadListCase kBadLists[] = {
    {"truncated-integer", "Window", kVisible + "Width \x10\x00\x00"s, "Width", 15, "truncated"},
    {"truncated-boolean", "Window", kVisible + "Visible ", "Visible", 17, "truncated"},
    {"truncated-length", "Label", kVisible + "Name \x02\x00"s, "Name", 14, "truncated"},
    {"string-past-end", "Label",
     kVisible + "Name \x05\x00\x00\x00"
                "abc"s,
     "Name", 14, "past the end"},
    {"string-huge-length", "Label", "Name \xFF\xFF\xFF\xFF"s, "Name", 5, "past the end"},
    {"unknown-key", "Label", kVisible + "Colour \x01"s, "Colour", 9, "unknown key"},
    {"class-lacks-key", "Label", kVisible + "Caption \x00\x00\x00\x00"s, "Caption", 9,
     "no such key"},
    {"window-lacks-control-key", "Window", "Left " + std::string(8, '\0'), "Left", 0,
     "no such key"},
    {"missing-blank", "Window", kVisible + "Visible\x01"s, "Visible", 16, "missing blank"},
    {"key-at-end", "Window", kVisible + "Visible", "Visible", 16, "missing blank"},
    {"empty-key", "Window", kVisible + " \x01"s, "", 9, "empty key"},
    {"lower-case-key", "Window", "visible \x01"s, "visible", 0, "capital"},
    {"boolean-not-0-or-1", "Window", kVisible + "Visible \x02"s, "Visible", 17, "neither"},
    {"unknown-class", "Widget", kVisible, "", 0, "unknown class"},
};

TEST(DesignListReaderErrors, NameTheKeyAndTheByteOffset) {
    for (const BadListCase& c : kBadLists) {
        SCOPED_TRACE(c.label);
        try {
            ReadDesignList(c.className, c.bytes);
            ADD_FAILURE() << "no error";
        } catch (const DesignListError& error) {
            EXPECT_EQ(error.Key(), c.key);
            EXPECT_EQ(error.Offset(), c.offset);
            const std::string message = error.what();
            EXPECT_NE(message.find(c.messagePart), std::string::npos) << message;
            EXPECT_NE(message.find("byte " + std::to_string(c.offset)), std::string::npos)
                << message;
        }
    }
}

} // namespace
