// At the largest unit steps every read-out paints its whole text (sign, every digit, the unit)
// inside its label, for presses at the canvas's corners with the origin at its start and at its
// drag limits, at the slider's end speeds and at rest, in both frames. Run with only the fonts
// the set-up installs (tests/support/SetUpFonts.conf).
#include "../shell/ProgramHarness.h"
#include "../window/Window1InteractionFixture.h"
#include "PaintedTexts.h"

#include <QFontInfo>

#include <cmath>
#include <string>
#include <vector>

namespace {

struct Case {
    std::string name;
    Int64 unitStep;
    bool redFrame;
    Int64 speed; // the speed slider's value
    QPoint origin;
    QPoint press;
};

std::string PointName(QPoint p) {
    return std::to_string(p.x()) + "x" + std::to_string(p.y());
}

std::vector<Case> Cases() {
    // The drawing area is 636 x 553; the origin stays within x 21..615 and y 21..532.
    const QPoint origins[] = {{300, 400}, {21, 21}, {615, 21}, {21, 532}, {615, 532}};
    const QPoint corners[] = {{0, 0}, {635, 0}, {0, 552}, {635, 552}};
    std::vector<Case> cases;
    for (const Int64 step : {8, 9}) {
        for (const bool red : {false, true}) {
            for (const Int64 speed : {1, 20, 39}) {
                for (const QPoint origin : origins) {
                    for (const QPoint corner : corners) {
                        const std::string name = "step" + std::to_string(step) +
                                                 (red ? "_red" : "_black") + "_speed" +
                                                 std::to_string(speed) + "_origin" +
                                                 PointName(origin) + "_press" + PointName(corner);
                        cases.push_back({name, step, red, speed, origin, corner});
                    }
                }
            }
        }
    }
    return cases;
}

// One test over the whole table, in one process; a failure names its row.
class ReadOutsShowTheirWholeText : public Window1Interaction {
  protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(RunProgramWhile([] { Quit(0); }), 0);
    }

    void dragOriginTo(QPoint to) {
        press(static_cast<int>(Globals::Nx), static_cast<int>(Globals::Ny));
        moveTo(to.x(), to.y());
        release(to.x(), to.y());
    }

    // Sets the row's unit step, frame, speed and origin, and presses at its point.
    void project(const Case& c) {
        window.UnitSlider().SetValue(c.unitStep);
        if (c.redFrame) {
            window.RadioButton2().SetValue(true);
        }
        window.SpeedSlider().SetValue(c.speed);
        dragOriginTo(c.origin);
        ASSERT_EQ(QPoint(static_cast<int>(Globals::Nx), static_cast<int>(Globals::Ny)), c.origin);
        press(c.press.x(), c.press.y());
        ASSERT_TRUE(Globals::inProjectingMode);
    }

    void expectWholeTexts() {
        for (const char* name :
             {"Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9"}) {
            const Label& label = window.Control<Label>(name);
            QWidget& widget = *label.Widget();
            const QString text = QString::fromStdString(label.Text());
            SCOPED_TRACE(testing::Message() << name << " \"" << label.Text() << "\"");
            ASSERT_FALSE(text.isEmpty());

            const std::vector<PaintedText> painted = PaintedTextsOf(widget);
            QString whole;
            for (const PaintedText& run : painted) {
                whole += run.text;
            }
            EXPECT_EQ(whole.toStdString(), text.toStdString());
            const QRectF room = widget.contentsRect();
            const QFontInfo own(label.Font().ToQFont());
            for (const PaintedText& run : painted) {
                EXPECT_GE(run.box.left(), room.left());
                EXPECT_LE(run.box.right(), room.right() + 1);
                EXPECT_NEAR(run.box.right(), room.right() + 1, 1.0); // right-aligned
                EXPECT_EQ(QFontInfo(run.font).family(), own.family());
                EXPECT_GE(QFontInfo(run.font).pixelSize(), std::ceil(own.pixelSize() * 0.75));
                EXPECT_EQ(run.color, widget.palette().color(widget.foregroundRole()));
            }
        }
    }
};

TEST_F(ReadOutsShowTheirWholeText, InsideTheirLabelsAtTheLargestUnitSteps) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        ResetToDesignState();
        project(c);
        if (Globals::inProjectingMode) { // else project() said why
            expectWholeTexts();
        }
        release(c.press.x(), c.press.y());
    }
}

} // namespace
