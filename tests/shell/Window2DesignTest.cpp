#include "Window2Design.h"
#include "DesignListInspect.h"
#include "Window1Design.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using namespace std::string_literals;

struct KeyValue {
    const char* key;
    PropertyValue value;
};

using Entries = std::vector<KeyValue>;

const Color kWhite = RGB(255, 255, 255);
const Color kBlack = RGB(0, 0, 0);
const std::string kCredits = "64 bit version 1.5    for OS X\rcreated with Qt 6  Jan 2020\r"
                             "\rferol quistral";

Entries Opening(const char* name, Int64 left, Int64 top, Int64 width, Int64 height, Int64 tab) {
    return {{"Name", std::string(name)},
            {"Index", Int64{-2147483648LL}},
            {"Left", left},
            {"Top", top},
            {"Width", width},
            {"Height", height},
            {"LockLeft", false},
            {"LockTop", false},
            {"LockRight", false},
            {"LockBottom", false},
            {"TabIndex", tab},
            {"TabPanelIndex", Int64{0}}};
}

Entries Join(Entries head, const Entries& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

Entries LabelEntries(const char* name, Int64 top, Int64 width, Int64 height, Int64 tab,
                     bool multiline, Color textColor, const std::string& text, bool underline) {
    return Join(Opening(name, 55, top, width, height, tab), {{"TabStop", true},
                                                             {"AllowAutoDeactivate", true},
                                                             {"Enabled", true},
                                                             {"Tooltip", ""s},
                                                             {"Multiline", multiline},
                                                             {"Selectable", false},
                                                             {"TextAlignment", Int64{0}},
                                                             {"TextColor", textColor},
                                                             {"Transparent", false},
                                                             {"Value", text},
                                                             {"Visible", true},
                                                             {"Bold", false},
                                                             {"Italic", false},
                                                             {"FontName", "Arial"s},
                                                             {"Underline", underline},
                                                             {"FontSize", 12.0f},
                                                             {"FontUnit", std::uint8_t{0}},
                                                             {"DataSource", ""s},
                                                             {"DataField", ""s},
                                                             {"InitialParent", "Rectangle1"s}});
}

struct ControlCase {
    const char* className;
    Entries entries;
};

const ControlCase kControls[] = {
    {"Rectangle", Join(Opening("Rectangle1", 43, 36, 203, 251, 0), {{"AllowAutoDeactivate", true},
                                                                    {"BorderThickness", 1.0},
                                                                    {"BottomRightColor", kBlack},
                                                                    {"Enabled", true},
                                                                    {"FillColor", kWhite},
                                                                    {"Tooltip", ""s},
                                                                    {"TopLeftColor", kBlack},
                                                                    {"Transparent", true},
                                                                    {"Visible", true},
                                                                    {"InitialParent", ""s}})},
    {"Label", LabelEntries("StaticText1", 43, 152, 83, 0, true, kBlack, kCredits, false)},
    {"Label", LabelEntries("StaticText2", 228, 107, 27, 1, false, RGB(0, 64, 128),
                           "quistral.example", true)},
    {"Canvas", Join(Opening("Canvas1", 304, 36, 194, 251, 1), {{"TabStop", true},
                                                               {"AllowAutoDeactivate", true},
                                                               {"Enabled", true},
                                                               {"Tooltip", ""s},
                                                               {"AllowFocusRing", true},
                                                               {"Visible", true},
                                                               {"AllowFocus", false},
                                                               {"AllowTabs", false},
                                                               {"Transparent", true},
                                                               {"DoubleBuffer", false},
                                                               {"Transparent", true},
                                                               {"InitialParent", ""s}})},
};

TEST(Window2Design, FourControlListsDecodeEntryByEntry) {
    const std::vector<ControlDesign>& designs = Window2ControlDesigns();
    ASSERT_EQ(designs.size(), std::size(kControls));
    for (std::size_t i = 0; i < designs.size(); ++i) {
        const Entries& expected = kControls[i].entries;
        SCOPED_TRACE(designs[i].name);
        EXPECT_EQ(designs[i].name, std::get<std::string>(expected[0].value));
        EXPECT_EQ(designs[i].className, kControls[i].className);
        const DecodedList list(designs[i]);
        ASSERT_EQ(list.entries.size(), expected.size());
        for (std::size_t k = 0; k < expected.size(); ++k) {
            EXPECT_EQ(list.entries[k].key, expected[k].key);
            EXPECT_EQ(list.entries[k].value, expected[k].value) << expected[k].key;
        }
    }
}

TEST(Window2Design, WindowListDiffersFromTheMainWindowsInFiveValues) {
    const KeyValue own[] = {
        {"Width", Int64{545}},        {"Height", Int64{328}},        {"Title", "about Tesvan"s},
        {"HasMinimizeButton", false}, {"DefaultLocation", Int64{1}},
    };
    const DecodedList about("Window", Window2DesignList());
    const DecodedList main("Window", Window1DesignList());
    ASSERT_EQ(about.Keys(), main.Keys());
    for (std::size_t i = 0; i < about.entries.size(); ++i) {
        const std::string& key = about.entries[i].key;
        const auto differs = std::find_if(std::begin(own), std::end(own),
                                          [&](const KeyValue& kv) { return kv.key == key; });
        EXPECT_EQ(about.entries[i].value,
                  differs == std::end(own) ? main.entries[i].value : differs->value)
            << key;
    }
}

TEST(Window2Design, CreditsAndLinks) {
    EXPECT_EQ(Window2CreditsText(), kCredits);
    EXPECT_EQ(kWebLink, "https://" + std::string(kWebHost));
    EXPECT_EQ(kMailLink.substr(0, 7), "mailto:");
    EXPECT_NE(kMailLink.find(kWebHost), std::string_view::npos);
    // The link colour is stored as these four bytes, whatever the channel order.
    EXPECT_NE(Window2ControlDesigns().at(2).properties.find("TextColor \x80\x40\x00\x00"s),
              std::string::npos);
    EXPECT_NE(Window2ControlDesigns().at(1).properties.find("FontSize \x00\x00\x40\x41"s),
              std::string::npos);
}

} // namespace
