#include "Window1Design.h"

#include "DesignTable.h"

namespace {

using namespace std::string_literals;

const DesignValues kWindowValues = {
    {"Width", Int64{894}},       {"Height", Int64{781}},        {"Title", "Tesvan Diagram"s},
    {"HasMinimizeButton", true}, {"DefaultLocation", Int64{2}},
};

// Slider tick-mark styles and text alignments of the framework's enumerations.
constexpr Int64 kTicksNone = 0;
constexpr Int64 kTicksBelow = 2;
constexpr Int64 kAlignDefault = 0;
constexpr Int64 kAlignCenter = 2;
constexpr Int64 kAlignRight = 3;

DesignValues Range(Int64 minimum, Int64 maximum, Int64 value, Int64 pageStep, Int64 ticks) {
    return {{"MinimumValue", minimum},
            {"MaximumValue", maximum},
            {"Value", value},
            {"PageStep", pageStep},
            {"TickMarkStyle", ticks}};
}

DesignValues Aligned(Int64 alignment) {
    return {{"TextAlignment", alignment}};
}

// Read-outs whose text the handlers rewrite stay anchored to their left and top edges.
DesignValues Anchored(Int64 alignment) {
    return {{"TextAlignment", alignment}, {"LockLeft", true}, {"LockTop", true}};
}

DesignValues Selected(bool value) {
    return {{"Value", value}};
}

const std::vector<ControlRow>& ControlTable() {
    // clang-format off
    static const std::vector<ControlRow> rows = {
        // name               class          container    left top  width height tab text
        {"Rectangle1",        "Rectangle",   "",           20,  20, 663, 583,  0, "", {}},
        {"Canvas1",           "Canvas",      "Rectangle1", 33,  35, 636, 553,  0, "", {}},
        {"GroupBox1",         "GroupBox",    "",          703,  19, 171,  48,  1, "we think with", {}},
        {"RadioButton1",      "RadioButton", "GroupBox1", 717,  42,  61,  20,  0, "black", Selected(true)},
        {"RadioButton2",      "RadioButton", "GroupBox1", 796,  42,  46,  20,  1, "red", Selected(false)},
        {"GroupBox2",         "GroupBox",    "",          703,  79, 171,  84,  2, "relative speed", {}},
        {"StaticText1",       "Label",       "GroupBox2", 732, 108,  32,  20,  1, "v/c", Aligned(kAlignDefault)},
        {"SpeedSlider",       "Slider",      "GroupBox2", 723, 140, 131,  16,  2, "", Range(1, 39, 32, 1, kTicksNone)},
        {"TextField1",        "TextField",   "GroupBox2", 763, 107,  80,  22,  3, "0.6", {{"LockLeft", true}, {"LockTop", true}}},
        {"GroupBox3",         "GroupBox",    "",          703, 173, 171,  60,  3, "units", {}},
        {"UnitSlider",        "Slider",      "GroupBox3", 723, 209, 131,  16,  0, "", Range(0, 9, 3, 1, kTicksBelow)},
        {"GroupBox4",         "GroupBox",    "",          703, 257, 171, 162,  4, "black object", {}},
        {"StaticText2",       "Label",       "GroupBox4", 719, 279,  56,  20,  0, "Position", Aligned(kAlignDefault)},
        {"BlackPosSlider",    "Slider",      "GroupBox4", 800, 290,  42,  16,  1, "", Range(0, 1, 1, 1, kTicksBelow)},
        {"StaticText4",       "Label",       "GroupBox4", 719, 306,  45,  20,  2, "Length", Aligned(kAlignDefault)},
        {"BlackLengthSlider", "Slider",      "GroupBox4", 772, 317,  84,  16,  3, "", Range(1, 9, 6, 1, kTicksBelow)},
        {"CheckBox1",         "CheckBox",    "GroupBox4", 719, 338, 100,  20,  4, "is visible", {}},
        {"CheckBox2",         "CheckBox",    "GroupBox4", 719, 364, 100,  20,  5, "has Trace", {}},
        {"CheckBox3",         "CheckBox",    "GroupBox4", 719, 390, 100,  20,  6, "has Shadow", {}},
        {"GroupBox5",         "GroupBox",    "",          703, 441, 171, 162,  5, "red object", {}},
        {"StaticText3",       "Label",       "GroupBox5", 719, 463,  56,  20,  0, "Position", Aligned(kAlignDefault)},
        {"RedPosSlider",      "Slider",      "GroupBox5", 800, 474,  42,  16,  1, "", Range(0, 1, 0, 1, kTicksBelow)},
        {"StaticText5",       "Label",       "GroupBox5", 719, 487,  45,  20,  2, "Length", Aligned(kAlignDefault)},
        {"RedLengthSlider",   "Slider",      "GroupBox5", 776, 498,  84,  16,  3, "", Range(1, 9, 6, 1, kTicksBelow)},
        {"CheckBox4",         "CheckBox",    "GroupBox5", 719, 523, 100,  20,  4, "is visible", {}},
        {"CheckBox5",         "CheckBox",    "GroupBox5", 719, 575, 100,  20,  5, "has Shadow", {}},
        {"CheckBox6",         "CheckBox",    "GroupBox5", 719, 549, 100,  20,  6, "has Trace", {}},
        {"GroupBox6",         "GroupBox",    "",          620, 618, 254,  98,  6, "the time", {}},
        {"TimeSlider",        "Slider",      "GroupBox6", 636, 649, 224,  16,  0, "", Range(0, 1000, 572, 24, kTicksNone)},
        {"PushButton1",       "PushButton",  "GroupBox6", 636, 677,  59,  20,  1, "back", {}},
        {"PushButton2",       "PushButton",  "GroupBox6", 806, 677,  59,  20,  2, "ahead", {}},
        {"Label1",            "Label",       "GroupBox6", 712, 677,  80,  20,  3, "10 ns", Anchored(kAlignCenter)},
        {"GroupBox7",         "GroupBox",    "",           20, 618, 272, 143,  7, "black says", {}},
        {"StaticText7",       "Label",       "GroupBox7",  32, 645, 157,  20,  0, "all my clocks read then", Aligned(kAlignDefault)},
        {"StaticText8",       "Label",       "GroupBox7",  32, 674, 134,  20,  1, "my event position", Aligned(kAlignDefault)},
        {"StaticText9",       "Label",       "GroupBox7",  32, 702, 181,  20,  2, "that red clock there reads", Aligned(kAlignDefault)},
        {"StaticText10",      "Label",       "GroupBox7",  32, 730, 167,  20,  3, "red's event position", Aligned(kAlignDefault)},
        {"Label3",            "Label",       "GroupBox7", 211, 674,  65,  20,  8, "", Anchored(kAlignRight)},
        {"Label4",            "Label",       "GroupBox7", 211, 702,  65,  20,  9, "", Anchored(kAlignRight)},
        {"Label5",            "Label",       "GroupBox7", 211, 730,  65,  20, 10, "", Anchored(kAlignRight)},
        {"Label2",            "Label",       "GroupBox7", 201, 645,  75,  20, 11, "", Anchored(kAlignRight)},
        {"GroupBox8",         "GroupBox",    "",          316, 618, 280, 143,  8, "red says", {}},
        {"StaticText11",      "Label",       "GroupBox8", 330, 702, 167,  20,  0, "all my clocks read then", Aligned(kAlignDefault)},
        {"StaticText12",      "Label",       "GroupBox8", 330, 730, 134,  20,  2, "my event position", Aligned(kAlignDefault)},
        {"StaticText13",      "Label",       "GroupBox8", 330, 646, 175,  20,  3, "that black clock there reads", Aligned(kAlignDefault)},
        {"StaticText14",      "Label",       "GroupBox8", 330, 673, 175,  20,  4, "black's event position", Aligned(kAlignDefault)},
        {"Label6",            "Label",       "GroupBox8", 517, 646,  67,  20,  8, "", Anchored(kAlignRight)},
        {"Label7",            "Label",       "GroupBox8", 517, 673,  67,  20,  9, "", Anchored(kAlignRight)},
        {"Label8",            "Label",       "GroupBox8", 509, 702,  75,  20, 10, "", Anchored(kAlignRight)},
        {"Label9",            "Label",       "GroupBox8", 509, 730,  75,  20, 11, "", Anchored(kAlignRight)},
        {"PushButton3",       "PushButton",  "",          787, 735,  86,  26,  9, "Quit", {}},
        {"CheckBox7",         "CheckBox",    "",          620, 738, 126,  20, 10, "show light cone", {}},
    };
    // clang-format on
    return rows;
}

} // namespace

const std::string& Window1DesignList() {
    static const std::string list = BuildWindowDesignList(kWindowValues);
    return list;
}

const std::vector<ControlDesign>& Window1ControlDesigns() {
    static const std::vector<ControlDesign> designs = BuildControlDesigns(ControlTable());
    return designs;
}
