// The main window as built from its design: its controls, their places and values, its
// accessors and its single instance.
#include "Window1.h"
#include "WindowRegistry.h"

#include <QApplication>
#include <QLabel>
#include <QSlider>
#include <QWidget>
#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

struct ExpectedControl {
    const char* name;
    const char* className;
    const char* container;
    Int64 left, top, width, height;
    const char* text; // caption, or a label's or text field's text
};

const ExpectedControl kControls[] = {
    {"Rectangle1", "Rectangle", "", 20, 20, 663, 583, ""},
    {"Canvas1", "Canvas", "Rectangle1", 33, 35, 636, 553, ""},
    {"GroupBox1", "GroupBox", "", 703, 19, 171, 48, "we think with"},
    {"RadioButton1", "RadioButton", "GroupBox1", 717, 42, 61, 20, "black"},
    {"RadioButton2", "RadioButton", "GroupBox1", 796, 42, 46, 20, "red"},
    {"GroupBox2", "GroupBox", "", 703, 79, 171, 84, "relative speed"},
    {"StaticText1", "Label", "GroupBox2", 732, 108, 32, 20, "v/c"},
    {"SpeedSlider", "Slider", "GroupBox2", 723, 140, 131, 16, ""},
    {"TextField1", "TextField", "GroupBox2", 763, 107, 80, 22, "0.6"},
    {"GroupBox3", "GroupBox", "", 703, 173, 171, 60, "units"},
    {"UnitSlider", "Slider", "GroupBox3", 723, 209, 131, 16, ""},
    {"GroupBox4", "GroupBox", "", 703, 257, 171, 162, "black object"},
    {"StaticText2", "Label", "GroupBox4", 719, 279, 56, 20, "Position"},
    {"BlackPosSlider", "Slider", "GroupBox4", 800, 290, 42, 16, ""},
    {"StaticText4", "Label", "GroupBox4", 719, 306, 45, 20, "Length"},
    {"BlackLengthSlider", "Slider", "GroupBox4", 772, 317, 84, 16, ""},
    {"CheckBox1", "CheckBox", "GroupBox4", 719, 338, 100, 20, "is visible"},
    {"CheckBox2", "CheckBox", "GroupBox4", 719, 364, 100, 20, "has Trace"},
    {"CheckBox3", "CheckBox", "GroupBox4", 719, 390, 100, 20, "has Shadow"},
    {"GroupBox5", "GroupBox", "", 703, 441, 171, 162, "red object"},
    {"StaticText3", "Label", "GroupBox5", 719, 463, 56, 20, "Position"},
    {"RedPosSlider", "Slider", "GroupBox5", 800, 474, 42, 16, ""},
    {"StaticText5", "Label", "GroupBox5", 719, 487, 45, 20, "Length"},
    {"RedLengthSlider", "Slider", "GroupBox5", 776, 498, 84, 16, ""},
    {"CheckBox4", "CheckBox", "GroupBox5", 719, 523, 100, 20, "is visible"},
    {"CheckBox5", "CheckBox", "GroupBox5", 719, 575, 100, 20, "has Shadow"},
    {"CheckBox6", "CheckBox", "GroupBox5", 719, 549, 100, 20, "has Trace"},
    {"GroupBox6", "GroupBox", "", 620, 618, 254, 98, "the time"},
    {"TimeSlider", "Slider", "GroupBox6", 636, 649, 224, 16, ""},
    {"PushButton1", "PushButton", "GroupBox6", 636, 677, 59, 20, "back"},
    {"PushButton2", "PushButton", "GroupBox6", 806, 677, 59, 20, "ahead"},
    {"Label1", "Label", "GroupBox6", 712, 677, 80, 20, "10 ns"},
    {"GroupBox7", "GroupBox", "", 20, 618, 272, 143, "black says"},
    {"StaticText7", "Label", "GroupBox7", 32, 645, 157, 20, "all my clocks read then"},
    {"StaticText8", "Label", "GroupBox7", 32, 674, 134, 20, "my event position"},
    {"StaticText9", "Label", "GroupBox7", 32, 702, 181, 20, "that red clock there reads"},
    {"StaticText10", "Label", "GroupBox7", 32, 730, 167, 20, "red's event position"},
    {"Label3", "Label", "GroupBox7", 211, 674, 65, 20, ""},
    {"Label4", "Label", "GroupBox7", 211, 702, 65, 20, ""},
    {"Label5", "Label", "GroupBox7", 211, 730, 65, 20, ""},
    {"Label2", "Label", "GroupBox7", 201, 645, 75, 20, ""},
    {"GroupBox8", "GroupBox", "", 316, 618, 280, 143, "red says"},
    {"StaticText11", "Label", "GroupBox8", 330, 702, 167, 20, "all my clocks read then"},
    {"StaticText12", "Label", "GroupBox8", 330, 730, 134, 20, "my event position"},
    {"StaticText13", "Label", "GroupBox8", 330, 646, 175, 20, "that black clock there reads"},
    {"StaticText14", "Label", "GroupBox8", 330, 673, 175, 20, "black's event position"},
    {"Label6", "Label", "GroupBox8", 517, 646, 67, 20, ""},
    {"Label7", "Label", "GroupBox8", 517, 673, 67, 20, ""},
    {"Label8", "Label", "GroupBox8", 509, 702, 75, 20, ""},
    {"Label9", "Label", "GroupBox8", 509, 730, 75, 20, ""},
    {"PushButton3", "PushButton", "", 787, 735, 86, 26, "Quit"},
    {"CheckBox7", "CheckBox", "", 620, 738, 126, 20, "show light cone"},
};

std::string TextOf(RectControl& control) {
    if (auto* c = dynamic_cast<GroupBox*>(&control))
        return c->Caption();
    if (auto* c = dynamic_cast<RadioButton*>(&control))
        return c->Caption();
    if (auto* c = dynamic_cast<CheckBox*>(&control))
        return c->Caption();
    if (auto* c = dynamic_cast<PushButton*>(&control))
        return c->Caption();
    if (auto* c = dynamic_cast<Label*>(&control))
        return c->Text();
    if (auto* c = dynamic_cast<TextField*>(&control))
        return c->Text();
    return "";
}

class Window1Test : public ::testing::Test {
  protected:
    Window1& window = Window1::Instance();
};

TEST_F(Window1Test, HoldsExactlyTheDesignedControlsInCreationOrder) {
    const auto& controls = window.Controls();
    ASSERT_EQ(controls.size(), std::size(kControls));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ExpectedControl& want = kControls[i];
        RectControl& got = *controls[i];
        SCOPED_TRACE(want.name);
        EXPECT_EQ(got.Name(), want.name);
        EXPECT_EQ(window.ControlByName(want.name), &got);
        EXPECT_EQ(got.ClassName(), want.className);
        EXPECT_EQ(got.Widget()->objectName().toStdString(), want.name);
        EXPECT_EQ(got.Container() ? got.Container()->Name() : "", want.container);
        EXPECT_EQ((std::array{got.Left(), got.Top(), got.Width(), got.Height()}),
                  (std::array{want.left, want.top, want.width, want.height}));
        // What Qt shows agrees: the widget sits at the design's window coordinates.
        const QPoint atWindow = got.Widget()->mapTo(window.ContentWidget(), QPoint(0, 0));
        EXPECT_EQ(atWindow, QPoint(static_cast<int>(want.left), static_cast<int>(want.top)));
        EXPECT_EQ(got.Widget()->size(),
                  QSize(static_cast<int>(want.width), static_cast<int>(want.height)));
        EXPECT_EQ(TextOf(got), want.text);
    }
}

TEST_F(Window1Test, SlidersHaveTheirDesignedRangesValuesAndTicks) {
    struct ExpectedSlider {
        const char* name;
        Int64 minimum, maximum, value, pageStep, tickMarkStyle;
    };
    const ExpectedSlider sliders[] = {
        {"SpeedSlider", 1, 39, 32, 1, 0},    {"UnitSlider", 0, 9, 3, 1, 2},
        {"BlackPosSlider", 0, 1, 1, 1, 2},   {"BlackLengthSlider", 1, 9, 6, 1, 2},
        {"RedPosSlider", 0, 1, 0, 1, 2},     {"RedLengthSlider", 1, 9, 6, 1, 2},
        {"TimeSlider", 0, 1000, 572, 24, 0},
    };
    for (const ExpectedSlider& want : sliders) {
        SCOPED_TRACE(want.name);
        Slider& slider = window.Control<Slider>(want.name);
        EXPECT_EQ(slider.MinimumValue(), want.minimum);
        EXPECT_EQ(slider.MaximumValue(), want.maximum);
        EXPECT_EQ(slider.Value(), want.value);
        EXPECT_EQ(slider.PageStep(), want.pageStep);
        EXPECT_EQ(slider.LineStep(), 1);
        EXPECT_TRUE(slider.LiveScrolling());
        EXPECT_EQ(slider.TickMarkStyle(), want.tickMarkStyle);
    }
    // The two tick-mark styles look different.
    EXPECT_NE(static_cast<QSlider*>(window.SpeedSlider().Widget())->tickPosition(),
              static_cast<QSlider*>(window.UnitSlider().Widget())->tickPosition());
}

TEST_F(Window1Test, SelectionsAndAlignmentsFollowTheDesign) {
    EXPECT_TRUE(window.RadioButton1().Value());
    EXPECT_FALSE(window.RadioButton2().Value());
    for (const char* box : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5",
                            "CheckBox6", "CheckBox7"}) {
        EXPECT_FALSE(window.Control<CheckBox>(box).Value()) << box;
    }
    const auto alignmentOf = [](Label& label) {
        return static_cast<QLabel*>(label.Widget())->alignment() & Qt::AlignHorizontal_Mask;
    };
    EXPECT_EQ(alignmentOf(window.StaticText7()), Qt::AlignLeft);
    EXPECT_EQ(alignmentOf(window.Label1()), Qt::AlignHCenter);
    EXPECT_EQ(alignmentOf(window.Label2()), Qt::AlignRight);
    EXPECT_EQ(window.TextField1().TextAlignment(), 0);
}

TEST_F(Window1Test, ContentAreaIsFixedAtTheDesignSize) {
    QWidget* top = window.Widget();
    EXPECT_EQ(window.Title(), "Tesvan Diagram");
    EXPECT_EQ(top->objectName().toStdString(), "Window1");
    EXPECT_EQ(window.ContentWidget()->size(), QSize(894, 781));
    EXPECT_EQ(top->minimumSize(), top->maximumSize());
    EXPECT_FALSE(top->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(top->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(top->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(top->isVisible());
    EXPECT_EQ(window.Canvas1().Width(), 636);
    EXPECT_EQ(window.Canvas1().Height(), 553);
}

TEST_F(Window1Test, AccessorsLookUpTheirOwnControlEveryCall) {
    EXPECT_EQ(&Window1::Instance(), &window);
    EXPECT_EQ(&window.Canvas1(), &window.Canvas1());
    EXPECT_NE(&window.Label2(), &window.Label3());
    EXPECT_EQ(window.Label2().Name(), "Label2");
    EXPECT_EQ(window.GroupBox7().Caption(), "black says");
    EXPECT_THROW(window.Control<Slider>("Canvas1"), IllegalCastException);
    EXPECT_THROW(window.Control<Slider>("NoSuchControl"), NilObjectException);
}

TEST_F(Window1Test, AnswersItsHandledEventsAndMenuHandlers) {
    for (const char* event : {"AddMenuHandlers", "CreateControls", "Layout", "Open"}) {
        EXPECT_TRUE(window.IsEventImplemented(event)) << event;
    }
    for (const char* event : {"Close", "Paint", "Resized", "open"}) {
        EXPECT_FALSE(window.IsEventImplemented(event)) << event;
    }
    for (const char* item : {"aboutItem", "FilePageSetup", "FilePrint"}) {
        EXPECT_NE(window.MenuHandler(item), nullptr) << item;
    }
    EXPECT_EQ(window.MenuHandler("FileQuit"), nullptr);
}

TEST(Window1Instance, IsForgottenOnCloseAndBuiltAfresh) {
    Window1& first = Window1::Instance();
    EXPECT_EQ(GetImplicitWindow("Window1.Window1"), &first);
    first.Close();
    EXPECT_EQ(GetImplicitWindow("Window1.Window1"), nullptr);
    QApplication::processEvents(); // the closed window is destroyed here
    Window1& second = Window1::Instance();
    EXPECT_TRUE(second.IsOpen());
    EXPECT_EQ(GetImplicitWindow("Window1.Window1"), &second);
    EXPECT_EQ(second.Controls().size(), std::size(kControls));
}

} // namespace
