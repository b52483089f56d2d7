// The whole reachable state, driven through the real main window: every drawing stays finite
// and the speed stays strictly inside (-1, 1), with an event projected in every state.
#include "../window/Window1InteractionFixture.h"
#include "RecordingGraphics.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace {

// Events to project, cycled through the states: the canvas's corners, its middle, and a point
// outside it (a press that strays is still projected while held).
constexpr std::array<std::array<Int64, 2>, 6> kEvents{
    {{0, 0}, {635, 552}, {0, 552}, {318, 276}, {400, 300}, {-40, 900}}};

// The origin's drag limits: the corners and edge midpoints of the area it may be dragged in.
constexpr std::array<std::array<int, 2>, 8> kOriginLimits{
    {{21, 21}, {318, 21}, {615, 21}, {615, 276}, {615, 532}, {318, 532}, {21, 532}, {21, 276}}};

const std::vector<std::string>& TypedSpeeds() {
    static const std::vector<std::string> texts = {"",
                                                   "-",
                                                   ".",
                                                   "abc",
                                                   "1",
                                                   "-1",
                                                   "2",
                                                   "1e999",
                                                   "-1e999",
                                                   "nan",
                                                   "inf",
                                                   "0x1",
                                                   "1e-400",
                                                   "0.5abc",
                                                   "   0.3",
                                                   "0.9999999999999999",
                                                   "-0.99999999999999999",
                                                   std::string(100'000, '7')};
    return texts;
}

using Box = CheckBox& (Window1::*)();
constexpr std::array<Box, 7> kSwitches{
    &Window1::CheckBox1, &Window1::CheckBox2, &Window1::CheckBox3, &Window1::CheckBox4,
    &Window1::CheckBox5, &Window1::CheckBox6, &Window1::CheckBox7};

class ReachableWindowSweep : public Window1Interaction {
  protected:
    void TearDown() override {
        for (Box box : kSwitches) {
            (window.*box)().SetValue(false);
        }
        ResetToDesignState();
    }

    void SelectFrame(int frame) {
        (frame == 0 ? window.RadioButton1() : window.RadioButton2()).SetValue(true);
        ASSERT_EQ(Globals::ourSystem, frame);
    }

    // Paints the canvas with an event projected and checks everything it drew and wrote.
    void ExpectSoundPaint(const std::string& where) {
        SCOPED_TRACE(where);
        ASSERT_TRUE(std::isfinite(Globals::sinPhi));
        ASSERT_GT(Globals::sinPhi, -1.0);
        ASSERT_LT(Globals::sinPhi, 1.0);
        const auto& event = kEvents[paints_++ % kEvents.size()];
        Globals::inProjectingMode = true;
        Globals::Mx = event[0];
        Globals::My = event[1];
        RecordingGraphics g(static_cast<double>(Globals::gh));
        window.Canvas1_Paint(window.Canvas1(), g, {});
        Globals::inProjectingMode = false;
        ASSERT_FALSE(g.Calls().empty());
        for (const RecordingGraphics::Call& call : g.Calls()) {
            ASSERT_TRUE(std::isfinite(call.a) && std::isfinite(call.b) && std::isfinite(call.c) &&
                        std::isfinite(call.d))
                << "call " << static_cast<int>(call.op) << " at " << call.a << ", " << call.b
                << ", " << call.c << ", " << call.d;
            ASSERT_TRUE(std::isfinite(call.pen.width));
        }
        for (Label& (Window1::*readOut)() : {&Window1::Label2, &Window1::Label3, &Window1::Label4,
                                             &Window1::Label5, &Window1::Label9}) {
            const std::string text = (window.*readOut)().Text();
            ASSERT_EQ(text.find("nan"), std::string::npos) << text;
            ASSERT_EQ(text.find("inf"), std::string::npos) << text;
        }
    }

    int paints_ = 0;
};

TEST_F(ReachableWindowSweep, EverySpeedSliderPositionInBothFrames) {
    for (int frame : {0, 1}) {
        SelectFrame(frame);
        for (Int64 p = window.SpeedSlider().MinimumValue();
             p <= window.SpeedSlider().MaximumValue(); ++p) {
            window.SpeedSlider().SetValue(p);
            ExpectSoundPaint("frame " + std::to_string(frame) + ", slider " + std::to_string(p));
        }
    }
}

TEST_F(ReachableWindowSweep, TypedSpeedsPastedWholeAndTypedInBothFrames) {
    for (int frame : {0, 1}) {
        SelectFrame(frame);
        for (const std::string& text : TypedSpeeds()) {
            const std::string shown = text.substr(0, 24);
            window.TextField1().SetText(text);
            ExpectSoundPaint("frame " + std::to_string(frame) + ", pasted '" + shown + "'");
            if (text.size() > 64) {
                continue; // typing it key by key says nothing more than pasting it
            }
            window.TextField1().SetText("");
            for (std::size_t typed = 1; typed <= text.size(); ++typed) {
                window.TextField1().SetText(text.substr(0, typed));
            }
            ExpectSoundPaint("frame " + std::to_string(frame) + ", typed '" + shown + "'");
        }
    }
}

TEST_F(ReachableWindowSweep, EveryUnitStepAcrossTheTimeRange) {
    for (Int64 unit = 0; unit <= 9; ++unit) {
        window.UnitSlider().SetValue(unit);
        ASSERT_EQ(Globals::stUnits, unit);
        for (Int64 time = 0; time <= 1000; time += 50) {
            window.TimeSlider().SetValue(time);
            ExpectSoundPaint("unit " + std::to_string(unit) + ", time " + std::to_string(time));
        }
    }
}

TEST_F(ReachableWindowSweep, OriginsDraggedAlongTheLimits) {
    for (const auto& target : kOriginLimits) {
        // Grab the handle, drag it to the limit and a step beyond it, which it must not follow.
        press(static_cast<int>(Globals::Nx), static_cast<int>(Globals::Ny));
        moveTo(target[0], target[1]);
        moveTo(target[0] < 318 ? target[0] - 5 : target[0] + 5,
               target[1] < 276 ? target[1] - 5 : target[1] + 5);
        release(target[0], target[1]);
        ASSERT_EQ(Globals::Nx, target[0]);
        ASSERT_EQ(Globals::Ny, target[1]);
        for (int frame : {0, 1}) {
            SelectFrame(frame);
            for (Int64 p : {1, 20, 39}) {
                window.SpeedSlider().SetValue(p);
                ExpectSoundPaint("origin " + std::to_string(target[0]) + ", " +
                                 std::to_string(target[1]) + ", frame " + std::to_string(frame) +
                                 ", slider " + std::to_string(p));
            }
        }
    }
}

TEST_F(ReachableWindowSweep, EveryCombinationOfObjectSwitches) {
    for (unsigned combination = 0; combination < (1u << kSwitches.size()); ++combination) {
        for (std::size_t i = 0; i < kSwitches.size(); ++i) {
            (window.*kSwitches[i])().SetValue(((combination >> i) & 1u) != 0);
        }
        // A coarse grid of frames, speeds and times keeps the sweep short.
        const int frame = static_cast<int>(combination % 2);
        SelectFrame(frame);
        for (Int64 p : {1, 39}) {
            window.SpeedSlider().SetValue(p);
            for (Int64 time : {0, 1000}) {
                window.TimeSlider().SetValue(time);
                ExpectSoundPaint("switches " + std::to_string(combination) + ", frame " +
                                 std::to_string(frame) + ", slider " + std::to_string(p) +
                                 ", time " + std::to_string(time));
            }
        }
        // The length and position sliders at their ends.
        window.BlackLengthSlider().SetValue(combination % 4 < 2 ? 1 : 9);
        window.RedLengthSlider().SetValue(combination % 4 < 2 ? 9 : 1);
        window.BlackPosSlider().SetValue(combination % 3 == 0 ? 0 : 1);
        window.RedPosSlider().SetValue(combination % 3 == 0 ? 1 : 0);
    }
}

} // namespace
