// The frame, speed, unit, time and object controls beside the diagram, and the repaints each
// of them asks for.
#include "Numbers.h"
#include "Runtime.h"
#include "Window1InteractionFixture.h"

#include <QApplication>
#include <QTimer>

#include <string>

namespace {

class Window1ControlsTest : public Window1Interaction {
  protected:
    void clickWidget(RectControl& control) { QTest::mouseClick(control.Widget(), Qt::LeftButton); }
    void expectSpeed(double speed, Int64 slider, const std::string& text) {
        EXPECT_EQ(Globals::sinPhi, speed);
        EXPECT_EQ(window.SpeedSlider().Value(), slider);
        EXPECT_EQ(fieldText(), text);
        EXPECT_FALSE(Globals::speedEditFlag);
    }
};

TEST_F(Window1ControlsTest, SwitchingFramesNegatesTheSpeedAndMirrorsTheSlider) {
    struct Case {
        const char* name;
        const char* typed; // nullptr: the design state
        double speed;
        Int64 slider;
        const char* redText;
        Int64 redSlider;
        const char* blackText;
    };
    // A speed whose 15-digit text would read as -1 or 1 is written in full, so that the field
    // shows a speed it would take.
    const Case cases[] = {
        {"design", nullptr, 0.6, 32, "-0.6", 8, "0.6"},
        {"typed", "0.60", 0.6, 31, "-0.6", 9, "0.6"},
        {"fifteenNines", "0.999999999999999", 0.999999999999999, 39, "-0.999999999999999", 1,
         "0.999999999999999"},
        {"justBelowOne", "0.9999999999999999", 0.9999999999999999, 39, "-0.9999999999999999", 1,
         "0.9999999999999999"},
        {"justAboveMinusOne", "-0.9999999999999999", -0.9999999999999999, 1, "0.9999999999999999",
         39, "-0.9999999999999999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetToDesignState();
        if (c.typed != nullptr) {
            window.TextField1().SetText(c.typed);
        }
        expectSpeed(c.speed, c.slider, c.typed != nullptr ? c.typed : "0.6");

        const int canvasBefore = canvasRepaints();
        const int redBefore = window.RadioButton2().RepaintRequests();
        clickWidget(window.RadioButton2());
        EXPECT_EQ(Globals::ourSystem, 1);
        expectSpeed(-c.speed, c.redSlider, c.redText);
        EXPECT_EQ(Val(fieldText()), -c.speed);
        EXPECT_EQ(canvasRepaints() - canvasBefore, 1);
        EXPECT_EQ(window.RadioButton2().RepaintRequests() - redBefore, 1);

        clickWidget(window.RadioButton1());
        EXPECT_EQ(Globals::ourSystem, 0);
        expectSpeed(c.speed, c.slider, c.blackText);
        EXPECT_EQ(canvasRepaints() - canvasBefore, 2);
    }
}

TEST_F(Window1ControlsTest, TheFrameInUseChangesNothingNotEvenARepaint) {
    const int canvasBefore = canvasRepaints();
    const int blackBefore = window.RadioButton1().RepaintRequests();
    clickWidget(window.RadioButton1());
    window.RadioButton1_Action(window.RadioButton1());
    window.RadioButton2().SetValue(true);
    window.RadioButton2_Action(window.RadioButton2());
    EXPECT_EQ(Globals::ourSystem, 1);
    expectSpeed(-0.6, 8, "-0.6");
    EXPECT_EQ(canvasRepaints() - canvasBefore, 1);
    EXPECT_EQ(window.RadioButton1().RepaintRequests(), blackBefore);
}

TEST_F(Window1ControlsTest, TheSpeedSliderSetsTheSpeedAndWritesTheField) {
    struct Case {
        Int64 position;
        double speed;
        const char* text;
    };
    const Case cases[] = {{39, 0.95, "0.95"},
                          {1, -0.95, "-0.95"},
                          {20, 0.0, "0"},
                          {32, 0.6000000000000001, "0.6"},
                          {33, 0.6499999999999999, "0.65"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        const int canvasBefore = canvasRepaints();
        const int sliderBefore = window.SpeedSlider().RepaintRequests();
        window.SpeedSlider().SetValue(c.position);
        // The field's own handler is kept out: the slider stays where it was put.
        expectSpeed(c.speed, c.position, c.text);
        EXPECT_EQ(canvasRepaints() - canvasBefore, 1);
        EXPECT_EQ(window.SpeedSlider().RepaintRequests() - sliderBefore, 1);
    }
}

TEST_F(Window1ControlsTest, TheSpeedSliderAnswersTheKeyboard) {
    struct Case {
        Qt::Key key;
        Int64 position;
        double speed;
        const char* text;
    };
    const Case cases[] = {{Qt::Key_Right, 33, 0.6499999999999999, "0.65"},
                          {Qt::Key_Left, 32, 0.6000000000000001, "0.6"},
                          {Qt::Key_End, 39, 0.95, "0.95"},
                          {Qt::Key_Home, 1, -0.95, "-0.95"},
                          {Qt::Key_Left, 1, -0.95, "-0.95"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        QTest::keyClick(speedSlider(), c.key);
        expectSpeed(c.speed, c.position, c.text);
    }
}

TEST_F(Window1ControlsTest, AnAcceptedTextSetsTheSpeedAndPlacesTheSliderOnce) {
    struct Case {
        const char* text;
        double speed;
        Int64 slider;
    };
    const Case cases[] = {{"0.6", 0.6, 31},   {"0.99", 0.99, 39}, {"-0.99", -0.99, 1},
                          {"0.95", 0.95, 38}, {"0", 0.0, 20},     {"0.5", 0.5, 30},
                          {"-0.5", -0.5, 11}, {"0.65", 0.65, 32}};
    for (const bool typed : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.text << (typed ? " typed" : " pasted"));
            ResetToDesignState();
            window.TextField1().SetText("0.1"); // so that "0.6" too is a change
            const int fieldBefore = window.TextField1().RepaintRequests();
            const int canvasBefore = canvasRepaints();
            if (typed) {
                typeIntoField(c.text);
            } else {
                window.TextField1().SetText(c.text);
            }
            // The typed text stays as it is; the slider does not come back to round it.
            expectSpeed(c.speed, c.slider, c.text);
            if (!typed) {
                EXPECT_EQ(window.TextField1().RepaintRequests() - fieldBefore, 1);
                EXPECT_EQ(canvasRepaints() - canvasBefore, 1);
            }
        }
    }
}

TEST_F(Window1ControlsTest, EveryKeystrokeOfAnEntryIsApplied) {
    typeIntoField("");
    const int before = canvasRepaints();
    QTest::keyClicks(speedField(), "-0.5");
    // "-", "-0" and "-0." read as 0 and repaint too; "-0.5" decides (10.5 rounds away from 0).
    expectSpeed(-0.5, 11, "-0.5");
    EXPECT_EQ(canvasRepaints() - before, 4);
}

TEST_F(Window1ControlsTest, AFrameSwitchMirrorsTheSliderATypedSpeedPlaced) {
    window.TextField1().SetText("0.65");
    window.TextField1().SetText("0.6");
    clickWidget(window.RadioButton2());
    expectSpeed(-0.6, 9, "-0.6");
}

TEST_F(Window1ControlsTest, ARejectedTextPutsBackTheSpeedInEffect) {
    for (const char* text : {"1", "2", "-1", "1.0", "-7e3"}) {
        SCOPED_TRACE(text);
        ResetToDesignState();
        const int fieldBefore = window.TextField1().RepaintRequests();
        const int canvasBefore = canvasRepaints();
        window.TextField1().SetText(text);
        // The nested run on the restored text places the slider by the text's formula.
        expectSpeed(0.6, 31, "0.6");
        EXPECT_EQ(window.TextField1().RepaintRequests() - fieldBefore, 1);
        EXPECT_EQ(canvasRepaints() - canvasBefore, 2);
    }
}

TEST_F(Window1ControlsTest, TheUnitSliderRescalesTheTimeReadout) {
    struct Case {
        Int64 step;
        const char* readout;
        Int64 yVal;
    };
    const Case cases[] = {{0, "10.00 ps", 10},
                          {4, "100.00 ns", 100},
                          {9, "10.00 ms", 10},
                          {5, "1.00 us", 1},
                          {3, "10.00 ns", 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        const int canvasBefore = canvasRepaints();
        const int sliderBefore = window.UnitSlider().RepaintRequests();
        window.UnitSlider().SetValue(c.step);
        EXPECT_EQ(Globals::stUnits, c.step);
        EXPECT_EQ(Globals::y_val, c.yVal);
        EXPECT_EQ(window.Label1().Text(), c.readout);
        EXPECT_EQ(canvasRepaints() - canvasBefore, 1);
        EXPECT_EQ(window.UnitSlider().RepaintRequests() - sliderBefore, 1);
    }
}

TEST_F(Window1ControlsTest, TheTimeSliderSetsTheTimeAndItsReadout) {
    struct Case {
        Int64 position, time;
        const char* readout;
    };
    const Case cases[] = {{0, -500, "-69.44 ns"},
                          {1000, 500, "69.44 ns"},
                          {500, 0, "0.00 ns"},
                          {572, 72, "10.00 ns"},
                          {499, -1, "-0.14 ns"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        const int canvasBefore = canvasRepaints();
        const int sliderBefore = window.TimeSlider().RepaintRequests();
        window.TimeSlider().SetValue(c.position);
        EXPECT_EQ(Globals::theTime, c.time);
        EXPECT_EQ(window.Label1().Text(), c.readout);
        EXPECT_EQ(canvasRepaints() - canvasBefore, 1);
        EXPECT_EQ(window.TimeSlider().RepaintRequests() - sliderBefore, 1);
    }
}

TEST_F(Window1ControlsTest, BackAndAheadStepTheTimeSliderWithinItsRange) {
    struct Case {
        Int64 from;
        bool ahead;
        Int64 to;
        const char* readout;
    };
    const Case cases[] = {{572, true, 573, "10.14 ns"},
                          {572, false, 571, "9.86 ns"},
                          {0, false, 0, nullptr},
                          {1000, true, 1000, nullptr},
                          {999, true, 1000, "69.44 ns"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << (c.ahead ? " ahead" : " back"));
        window.TimeSlider().SetValue(c.from);
        const std::string readoutBefore = window.Label1().Text();
        PushButton& button = c.ahead ? window.PushButton2() : window.PushButton1();
        const int buttonBefore = button.RepaintRequests();
        clickWidget(button);
        EXPECT_EQ(window.TimeSlider().Value(), c.to);
        EXPECT_EQ(Globals::theTime, c.to - 500);
        EXPECT_EQ(window.Label1().Text(), c.readout ? c.readout : readoutBefore);
        EXPECT_EQ(button.RepaintRequests(), buttonBefore);
    }
}

TEST_F(Window1ControlsTest, ObjectControlsAndTheLightConeOnlyRepaint) {
    const char* const boxes[] = {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4",
                                 "CheckBox5", "CheckBox6", "CheckBox7"};
    const char* const sliders[] = {"BlackPosSlider", "BlackLengthSlider", "RedPosSlider",
                                   "RedLengthSlider"};
    const auto expectRepaintOnly = [&](RectControl& control, auto&& change) {
        SCOPED_TRACE(control.Name());
        const double speed = Globals::sinPhi;
        const Int64 time = Globals::theTime;
        const int canvasBefore = canvasRepaints();
        const int ownBefore = control.RepaintRequests();
        change();
        EXPECT_EQ(canvasRepaints() - canvasBefore, 1);
        EXPECT_EQ(control.RepaintRequests() - ownBefore, 1);
        EXPECT_EQ(Globals::sinPhi, speed);
        EXPECT_EQ(Globals::theTime, time);
    };
    for (const char* name : boxes) {
        CheckBox& box = window.Control<CheckBox>(name);
        for (int click = 0; click < 2; ++click) {
            expectRepaintOnly(box, [&] { clickWidget(box); });
        }
    }
    for (const char* name : sliders) {
        Slider& slider = window.Control<Slider>(name);
        const Int64 other =
            slider.Value() == slider.MinimumValue() ? slider.MaximumValue() : slider.MinimumValue();
        const Int64 design = slider.Value();
        expectRepaintOnly(slider, [&] { slider.SetValue(other); });
        expectRepaintOnly(slider, [&] { slider.SetValue(design); });
    }
}

TEST_F(Window1ControlsTest, QuitEndsTheRunningEventLoopWithExitCodeZero) {
    RuntimeResetForTesting();
    // Should the click not quit, the loop still ends, with a code that tells.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { Quit(7); });
    watchdog.start(5000);
    QTimer::singleShot(0, [this] { clickWidget(window.PushButton3()); });
    RuntimeRun();
    EXPECT_TRUE(watchdog.isActive());
    EXPECT_EQ(RuntimeExit(), 0);
    RuntimeResetForTesting();
}

} // namespace
