#include "Window1Design.h"
#include "DesignListInspect.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>

namespace {

using namespace std::string_literals;

const Color kWhite = RGB(255, 255, 255);
const Color kBlack = RGB(0, 0, 0);

struct KeyValue {
    const char* key;
    PropertyValue value;
};

TEST(Window1Design, WindowListHoldsTheTwentyTwoEntriesInOrder) {
    const KeyValue expected[] = {
        {"Width", Int64{894}},
        {"Height", Int64{781}},
        {"MinimumWidth", Int64{64}},
        {"MinimumHeight", Int64{64}},
        {"MaximumWidth", Int64{32000}},
        {"MaximumHeight", Int64{32000}},
        {"Type", Int64{0}},
        {"Title", "Tesvan Diagram"s},
        {"HasCloseButton", true},
        {"HasMaximizeButton", false},
        {"HasMinimizeButton", true},
        {"HasFullScreenButton", false},
        {"Resizeable", false},
        {"Composite", false},
        {"MacProcID", Int64{0}},
        {"FullScreen", false},
        {"DefaultLocation", Int64{2}},
        {"Visible", true},
        {"HasBackgroundColor", false},
        {"BackgroundColor", kWhite},
        {"MenuBarVisible", true},
        {"LiveResize", true},
    };
    EXPECT_EQ(Window1DesignList().size(), 381u);
    const DecodedList list("Window", Window1DesignList());
    ASSERT_EQ(list.entries.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(list.entries[i].key, expected[i].key);
        EXPECT_EQ(list.entries[i].value, expected[i].value) << expected[i].key;
    }
}

struct ControlCase {
    const char* name;
    const char* className;
    const char* container;
    Int64 left, top, width, height, tabIndex;
    const char* text; // Caption or text Value; nullptr for classes without one
};

// clang-format off
const ControlCase kControls[] = {
    {"Rectangle1", "Rectangle", "", 20, 20, 663, 583, 0, nullptr},
    {"Canvas1", "Canvas", "Rectangle1", 33, 35, 636, 553, 0, nullptr},
    {"GroupBox1", "GroupBox", "", 703, 19, 171, 48, 1, "we think with"},
    {"RadioButton1", "RadioButton", "GroupBox1", 717, 42, 61, 20, 0, "black"},
    {"RadioButton2", "RadioButton", "GroupBox1", 796, 42, 46, 20, 1, "red"},
    {"GroupBox2", "GroupBox", "", 703, 79, 171, 84, 2, "relative speed"},
    {"StaticText1", "Label", "GroupBox2", 732, 108, 32, 20, 1, "v/c"},
    {"SpeedSlider", "Slider", "GroupBox2", 723, 140, 131, 16, 2, nullptr},
    {"TextField1", "TextField", "GroupBox2", 763, 107, 80, 22, 3, "0.6"},
    {"GroupBox3", "GroupBox", "", 703, 173, 171, 60, 3, "units"},
    {"UnitSlider", "Slider", "GroupBox3", 723, 209, 131, 16, 0, nullptr},
    {"GroupBox4", "GroupBox", "", 703, 257, 171, 162, 4, "black object"},
    {"StaticText2", "Label", "GroupBox4", 719, 279, 56, 20, 0, "Position"},
    {"BlackPosSlider", "Slider", "GroupBox4", 800, 290, 42, 16, 1, nullptr},
    {"StaticText4", "Label", "GroupBox4", 719, 306, 45, 20, 2, "Length"},
    {"BlackLengthSlider", "Slider", "GroupBox4", 772, 317, 84, 16, 3, nullptr},
    {"CheckBox1", "CheckBox", "GroupBox4", 719, 338, 100, 20, 4, "is visible"},
    {"CheckBox2", "CheckBox", "GroupBox4", 719, 364, 100, 20, 5, "has Trace"},
    {"CheckBox3", "CheckBox", "GroupBox4", 719, 390, 100, 20, 6, "has Shadow"},
    {"GroupBox5", "GroupBox", "", 703, 441, 171, 162, 5, "red object"},
    {"StaticText3", "Label", "GroupBox5", 719, 463, 56, 20, 0, "Position"},
    {"RedPosSlider", "Slider", "GroupBox5", 800, 474, 42, 16, 1, nullptr},
    {"StaticText5", "Label", "GroupBox5", 719, 487, 45, 20, 2, "Length"},
    {"RedLengthSlider", "Slider", "GroupBox5", 776, 498, 84, 16, 3, nullptr},
    {"CheckBox4", "CheckBox", "GroupBox5", 719, 523, 100, 20, 4, "is visible"},
    {"CheckBox5", "CheckBox", "GroupBox5", 719, 575, 100, 20, 5, "has Shadow"},
    {"CheckBox6", "CheckBox", "GroupBox5", 719, 549, 100, 20, 6, "has Trace"},
    {"GroupBox6", "GroupBox", "", 620, 618, 254, 98, 6, "the time"},
    {"TimeSlider", "Slider", "GroupBox6", 636, 649, 224, 16, 0, nullptr},
    {"PushButton1", "PushButton", "GroupBox6", 636, 677, 59, 20, 1, "back"},
    {"PushButton2", "PushButton", "GroupBox6", 806, 677, 59, 20, 2, "ahead"},
    {"Label1", "Label", "GroupBox6", 712, 677, 80, 20, 3, "10 ns"},
    {"GroupBox7", "GroupBox", "", 20, 618, 272, 143, 7, "black says"},
    {"StaticText7", "Label", "GroupBox7", 32, 645, 157, 20, 0, "all my clocks read then"},
    {"StaticText8", "Label", "GroupBox7", 32, 674, 134, 20, 1, "my event position"},
    {"StaticText9", "Label", "GroupBox7", 32, 702, 181, 20, 2, "that red clock there reads"},
    {"StaticText10", "Label", "GroupBox7", 32, 730, 167, 20, 3, "red's event position"},
    {"Label3", "Label", "GroupBox7", 211, 674, 65, 20, 8, ""},
    {"Label4", "Label", "GroupBox7", 211, 702, 65, 20, 9, ""},
    {"Label5", "Label", "GroupBox7", 211, 730, 65, 20, 10, ""},
    {"Label2", "Label", "GroupBox7", 201, 645, 75, 20, 11, ""},
    {"GroupBox8", "GroupBox", "", 316, 618, 280, 143, 8, "red says"},
    {"StaticText11", "Label", "GroupBox8", 330, 702, 167, 20, 0, "all my clocks read then"},
    {"StaticText12", "Label", "GroupBox8", 330, 730, 134, 20, 2, "my event position"},
    {"StaticText13", "Label", "GroupBox8", 330, 646, 175, 20, 3, "that black clock there reads"},
    {"StaticText14", "Label", "GroupBox8", 330, 673, 175, 20, 4, "black's event position"},
    {"Label6", "Label", "GroupBox8", 517, 646, 67, 20, 8, ""},
    {"Label7", "Label", "GroupBox8", 517, 673, 67, 20, 9, ""},
    {"Label8", "Label", "GroupBox8", 509, 702, 75, 20, 10, ""},
    {"Label9", "Label", "GroupBox8", 509, 730, 75, 20, 11, ""},
    {"PushButton3", "PushButton", "", 787, 735, 86, 26, 9, "Quit"},
    {"CheckBox7", "CheckBox", "", 620, 738, 126, 20, 10, "show light cone"},
};
// clang-format on

TEST(Window1Design, ControlsInCreationOrderWithTheirGeometryAndText) {
    const std::vector<ControlDesign>& designs = Window1ControlDesigns();
    ASSERT_EQ(designs.size(), std::size(kControls));
    for (std::size_t i = 0; i < designs.size(); ++i) {
        const ControlCase& c = kControls[i];
        SCOPED_TRACE(c.name);
        EXPECT_EQ(designs[i].name, c.name);
        EXPECT_EQ(designs[i].className, c.className);
        const DecodedList list(designs[i]);
        EXPECT_EQ(list["Name"], PropertyValue(std::string(c.name)));
        EXPECT_EQ(list["InitialParent"], PropertyValue(std::string(c.container)));
        EXPECT_EQ(list["Left"], PropertyValue(c.left));
        EXPECT_EQ(list["Top"], PropertyValue(c.top));
        EXPECT_EQ(list["Width"], PropertyValue(c.width));
        EXPECT_EQ(list["Height"], PropertyValue(c.height));
        EXPECT_EQ(list["TabIndex"], PropertyValue(c.tabIndex));
        if (c.text != nullptr) {
            const char* key = list.Has("Caption") ? "Caption" : "Value";
            EXPECT_EQ(list[key], PropertyValue(std::string(c.text)));
        }
    }
}

// Each class's keys between TabPanelIndex and InitialParent.
const std::map<std::string, std::string> kClassKeys = {
    {"Rectangle", "AllowAutoDeactivate BorderThickness BottomRightColor Enabled FillColor Tooltip "
                  "TopLeftColor Transparent Visible"},
    {"Canvas", "TabStop AllowAutoDeactivate Enabled Tooltip AllowFocusRing Visible AllowFocus "
               "AllowTabs Transparent DoubleBuffer Transparent"},
    {"GroupBox", "TabStop AllowAutoDeactivate Caption Enabled Tooltip Transparent Visible Bold "
                 "Italic FontName Underline FontSize FontUnit"},
    {"RadioButton", "TabStop AllowAutoDeactivate Caption Enabled Tooltip Transparent Visible "
                    "FontName FontSize FontUnit Bold Italic Underline Value"},
    {"Label", "TabStop AllowAutoDeactivate Enabled Tooltip Multiline Selectable TextAlignment "
              "TextColor Transparent Value Visible Bold Italic FontName Underline FontSize "
              "FontUnit DataSource DataField"},
    {"Slider", "TabStop AllowAutoDeactivate Enabled Tooltip Transparent Visible Value "
               "MinimumValue MaximumValue LineStep AllowLiveScrolling PageStep TickMarkStyle"},
    {"TextField", "TabStop AllowAutoDeactivate BackgroundColor HasBorder Enabled Format Tooltip "
                  "Password TextColor Transparent AllowFocusRing Visible FontName FontSize "
                  "FontUnit Bold Italic Underline Hint Value AllowTabs TextAlignment "
                  "AllowSpellChecking MaximumCharactersAllowed ValidationMask ReadOnly "
                  "DataSource DataField"},
    {"CheckBox", "TabStop AllowAutoDeactivate Caption Enabled Tooltip Transparent Visible Bold "
                 "Italic FontName FontSize FontUnit Underline VisualState Value DataField "
                 "DataSource"},
    {"PushButton", "TabStop AllowAutoDeactivate MacButtonStyle Cancel Caption Default Enabled "
                   "Tooltip Transparent Visible FontName FontSize FontUnit Bold Italic Underline"},
};

const char* kCommonKeys =
    "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabIndex TabPanelIndex";

// Values every control of the class carries (the whole design's shared values included).
const std::map<std::string, std::vector<KeyValue>> kSharedValues = {
    {"*",
     {{"Index", Int64{-2147483648LL}},
      {"LockRight", false},
      {"LockBottom", false},
      {"TabPanelIndex", Int64{0}},
      {"TabStop", true},
      {"AllowAutoDeactivate", true},
      {"Enabled", true},
      {"Visible", true},
      {"Tooltip", ""s},
      {"FontName", "System"s},
      {"FontSize", 0.0f},
      {"FontUnit", std::uint8_t{0}},
      {"Bold", false},
      {"Italic", false},
      {"Underline", false}}},
    {"Rectangle",
     {{"BorderThickness", 1.0},
      {"FillColor", kWhite},
      {"TopLeftColor", kBlack},
      {"BottomRightColor", kBlack},
      {"Transparent", true}}},
    {"Canvas",
     {{"AllowFocusRing", true},
      {"AllowFocus", false},
      {"AllowTabs", false},
      {"DoubleBuffer", false},
      {"Transparent", true}}},
    {"GroupBox", {{"Transparent", true}}},
    {"RadioButton", {{"Transparent", true}, {"Height", Int64{20}}}},
    {"Label",
     {{"Multiline", false},
      {"Selectable", false},
      {"Transparent", false},
      {"TextColor", kBlack},
      {"DataSource", ""s},
      {"DataField", ""s},
      {"Height", Int64{20}}}},
    {"Slider",
     {{"Transparent", true},
      {"LineStep", Int64{1}},
      {"AllowLiveScrolling", true},
      {"Height", Int64{16}}}},
    {"TextField",
     {{"BackgroundColor", kWhite},
      {"HasBorder", true},
      {"TextColor", kBlack},
      {"Transparent", true},
      {"AllowFocusRing", true},
      {"Password", false},
      {"AllowTabs", false},
      {"AllowSpellChecking", false},
      {"ReadOnly", false},
      {"TextAlignment", Int64{0}},
      {"MaximumCharactersAllowed", Int64{0}},
      {"Format", ""s},
      {"Hint", ""s},
      {"ValidationMask", ""s},
      {"DataSource", ""s},
      {"DataField", ""s}}},
    {"CheckBox",
     {{"Transparent", true},
      {"VisualState", Int64{0}},
      {"Value", false},
      {"DataField", ""s},
      {"DataSource", ""s},
      {"Height", Int64{20}}}},
    {"PushButton",
     {{"MacButtonStyle", Int64{0}}, {"Cancel", false}, {"Default", false}, {"Transparent", true}}},
};

TEST(Window1Design, EveryListHasItsClassKeyOrderAndSharedValues) {
    const std::regex anchored("TextField1|Label[0-9]+");
    for (const ControlDesign& design : Window1ControlDesigns()) {
        SCOPED_TRACE(design.name);
        const DecodedList list(design);
        EXPECT_EQ(list.Keys(), std::string(kCommonKeys) + " " + kClassKeys.at(design.className) +
                                   " InitialParent");
        for (const char* group : {"*", design.className.c_str()}) {
            for (const KeyValue& shared : kSharedValues.at(group)) {
                if (list.Has(shared.key)) {
                    EXPECT_EQ(list[shared.key], shared.value) << shared.key;
                }
            }
        }
        const bool locked = std::regex_match(design.name, anchored);
        EXPECT_EQ(list["LockLeft"], PropertyValue(locked));
        EXPECT_EQ(list["LockTop"], PropertyValue(locked));
    }
}

struct FurtherValue {
    const char* control;
    const char* key;
    PropertyValue value;
};

const FurtherValue kFurtherValues[] = {
    {"RadioButton1", "Value", true},
    {"RadioButton2", "Value", false},
    {"SpeedSlider", "Value", Int64{32}},
    {"SpeedSlider", "MinimumValue", Int64{1}},
    {"SpeedSlider", "MaximumValue", Int64{39}},
    {"SpeedSlider", "PageStep", Int64{1}},
    {"SpeedSlider", "TickMarkStyle", Int64{0}},
    {"UnitSlider", "Value", Int64{3}},
    {"UnitSlider", "MaximumValue", Int64{9}},
    {"UnitSlider", "TickMarkStyle", Int64{2}},
    {"BlackPosSlider", "Value", Int64{1}},
    {"BlackPosSlider", "MaximumValue", Int64{1}},
    {"RedPosSlider", "Value", Int64{0}},
    {"BlackLengthSlider", "Value", Int64{6}},
    {"RedLengthSlider", "MinimumValue", Int64{1}},
    {"TimeSlider", "Value", Int64{572}},
    {"TimeSlider", "MaximumValue", Int64{1000}},
    {"TimeSlider", "PageStep", Int64{24}},
    {"TimeSlider", "TickMarkStyle", Int64{0}},
    {"StaticText1", "TextAlignment", Int64{0}},
    {"StaticText14", "TextAlignment", Int64{0}},
    {"Label1", "TextAlignment", Int64{2}},
    {"Label2", "TextAlignment", Int64{3}},
    {"Label9", "TextAlignment", Int64{3}},
    {"CheckBox7", "Value", false},
};

TEST(Window1Design, ControlsCarryTheirOwnValues) {
    std::map<std::string, const ControlDesign*> byName;
    for (const ControlDesign& design : Window1ControlDesigns()) {
        byName[design.name] = &design;
    }
    for (const FurtherValue& c : kFurtherValues) {
        SCOPED_TRACE(std::string(c.control) + "." + c.key);
        EXPECT_EQ(DecodedList(*byName.at(c.control))[c.key], c.value);
    }
}

TEST(Window1Design, ListsAreByteForByteTheFormat) {
    const std::vector<ControlDesign>& designs = Window1ControlDesigns();
    const ControlDesign& rectangle = designs.at(0);
    const ControlDesign& textField = designs.at(8);
    ASSERT_EQ(textField.name, "TextField1");
    EXPECT_EQ(rectangle.properties.size(), 326u);
    EXPECT_EQ(textField.properties.size(), 583u);
    const std::string head = "Name \x0A\x00\x00\x00Rectangle1"
                             "Index \x00\x00\x00\x80\xFF\xFF\xFF\xFF"
                             "Left \x14\x00\x00\x00\x00\x00\x00\x00"s;
    EXPECT_EQ(HexBytes(rectangle.properties.substr(0, head.size())), HexBytes(head));
    EXPECT_NE(rectangle.properties.find("BorderThickness \x00\x00\x00\x00\x00\x00\xF0\x3F"s),
              std::string::npos);
    EXPECT_NE(designs.at(6).properties.find("FontSize \x00\x00\x00\x00"s), std::string::npos);
}

struct Box {
    Int64 left, top, right, bottom;
};

Box BoxOf(const DecodedList& list) {
    const Int64 left = std::get<Int64>(list["Left"]);
    const Int64 top = std::get<Int64>(list["Top"]);
    return {left, top, left + std::get<Int64>(list["Width"]),
            top + std::get<Int64>(list["Height"])};
}

TEST(Window1Design, ContainersComeFirstAndHoldTheirControls) {
    std::map<std::string, Box> placed;
    for (const ControlDesign& design : Window1ControlDesigns()) {
        SCOPED_TRACE(design.name);
        const DecodedList list(design);
        const Box box = BoxOf(list);
        const std::string container = std::get<std::string>(list["InitialParent"]);
        const Box outer = container.empty() ? Box{20, 19, 874, 761} : placed.at(container);
        EXPECT_GE(box.left, outer.left);
        EXPECT_GE(box.top, outer.top);
        EXPECT_LE(box.right, outer.right);
        EXPECT_LE(box.bottom, outer.bottom);
        EXPECT_TRUE(placed.emplace(design.name, box).second) << "name used twice";
    }
}

} // namespace
