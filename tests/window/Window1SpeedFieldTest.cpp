// Whatever a person types or pastes into the v/c field, the speed ends strictly between -1 and
// 1, the slider inside its range and the diagram repainted; putting back a rejected text ends.
#include "Numbers.h"
#include "SpeedText.h"
#include "Window1InteractionFixture.h"

#include <QClipboard>
#include <QGuiApplication>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>

namespace {

struct Typed {
    std::string field;
    double speed;
    Int64 slider;
};

struct BadInputCase {
    const char* name;
    std::string text;
    // Typed key by key into the emptied field, where the speed is 0.
    Typed typed;
    // Pasted whole over the speed in effect: the speed and slider it gives, or nothing when
    // the text is rejected and the speed in effect comes back.
    std::optional<std::pair<double, Int64>> pasted;
};

const std::string kManyDigits(100'000, '9');

const BadInputCase kBadInput[] = {
    {"empty", "", {"", 0.0, 20}, {{0.0, 20}}},
    {"minus", "-", {"-", 0.0, 20}, {{0.0, 20}}},
    {"point", ".", {".", 0.0, 20}, {{0.0, 20}}},
    {"letters", "abc", {"abc", 0.0, 20}, {{0.0, 20}}},
    {"one", "1", {"0", 0.0, 20}, std::nullopt},
    {"minusOne", "-1", {"0", 0.0, 20}, std::nullopt},
    {"two", "2", {"0", 0.0, 20}, std::nullopt},
    {"huge", "1e999", {"0e999", 0.0, 20}, std::nullopt},
    {"minusHuge", "-1e999", {"0e999", 0.0, 20}, std::nullopt},
    {"nan", "nan", {"nan", 0.0, 20}, {{0.0, 20}}},
    {"inf", "inf", {"inf", 0.0, 20}, {{0.0, 20}}},
    {"hex", "0x1", {"0x1", 0.0, 20}, {{0.0, 20}}},
    {"tiny", "1e-400", {"0e-400", 0.0, 20}, {{0.0, 20}}},
    {"trailingLetters", "0.5abc", {"0.5abc", 0.5, 30}, {{0.5, 30}}},
    {"leadingBlanks", "   0.3", {"   0.3", 0.3, 26}, {{0.3, 26}}},
    {"justBelowOne",
     "0.9999999999999999",
     {"0.9999999999999999", 0.9999999999999999, 39},
     {{0.9999999999999999, 39}}},
    // Its last digit makes it read as -1: rejected, and the speed before it, whose 15-digit
    // text would read as -1 too, comes back in full.
    {"readsAsMinusOne",
     "-0.99999999999999999",
     {"-0.9999999999999999", -0.9999999999999999, 1},
     std::nullopt},
    {"manyDigits", kManyDigits, {"0", 0.0, 20}, std::nullopt},
};

// Names the row in test listings and failures instead of dumping its bytes.
void PrintTo(const BadInputCase& c, std::ostream* os) {
    *os << c.name;
}

class Window1SpeedFieldTest : public Window1Interaction,
                              public testing::WithParamInterface<BadInputCase> {
  protected:
    void expectSound() {
        EXPECT_TRUE(std::isfinite(Globals::sinPhi));
        EXPECT_GT(Globals::sinPhi, -1.0);
        EXPECT_LT(Globals::sinPhi, 1.0);
        EXPECT_GE(window.SpeedSlider().Value(), 1);
        EXPECT_LE(window.SpeedSlider().Value(), 39);
        EXPECT_FALSE(Globals::speedEditFlag);
    }

    // In the black frame the speed is 0.6; after the switch to red it is -0.6, the slider 8.
    void checkEntry(bool afterSwitch, bool typed) {
        const BadInputCase& c = GetParam();
        if (afterSwitch) {
            QTest::mouseClick(window.RadioButton2().Widget(), Qt::LeftButton);
            ASSERT_EQ(Globals::sinPhi, -0.6);
        }
        const double speedBefore = Globals::sinPhi;
        const int repaintsBefore = canvasRepaints();
        if (typed) {
            // A hundred thousand keystrokes, each repainting the whole window, would take
            // minutes; the handlers run the same while the window is hidden.
            const bool hide = c.text.size() > 1000;
            if (hide) {
                window.Widget()->hide();
            }
            typeIntoField(QString::fromStdString(c.text));
            if (hide) {
                window.Widget()->show();
                ASSERT_TRUE(QTest::qWaitForWindowExposed(window.Widget()));
            }
        } else {
            window.TextField1().SetText(c.text);
        }
        expectSound();
        EXPECT_GT(canvasRepaints(), repaintsBefore);
        if (typed) {
            EXPECT_EQ(fieldText(), c.typed.field);
            EXPECT_EQ(Globals::sinPhi, c.typed.speed);
            EXPECT_EQ(window.SpeedSlider().Value(), c.typed.slider);
        } else if (c.pasted) {
            EXPECT_EQ(fieldText(), c.text);
            EXPECT_EQ(Globals::sinPhi, c.pasted->first);
            EXPECT_EQ(window.SpeedSlider().Value(), c.pasted->second);
        } else {
            EXPECT_EQ(fieldText(), afterSwitch ? "-0.6" : "0.6");
            EXPECT_EQ(Globals::sinPhi, speedBefore);
            EXPECT_EQ(window.SpeedSlider().Value(), afterSwitch ? 9 : 31);
        }
    }
};

TEST_P(Window1SpeedFieldTest, TypedKeyByKey) {
    checkEntry(false, true);
}
TEST_P(Window1SpeedFieldTest, PastedWhole) {
    checkEntry(false, false);
}
TEST_P(Window1SpeedFieldTest, TypedAfterASwitchOfFrames) {
    checkEntry(true, true);
}
TEST_P(Window1SpeedFieldTest, PastedAfterASwitchOfFrames) {
    checkEntry(true, false);
}

INSTANTIATE_TEST_SUITE_P(BadInput, Window1SpeedFieldTest, testing::ValuesIn(kBadInput),
                         [](const auto& info) { return std::string(info.param.name); });

class Window1SpeedRestoreTest : public Window1Interaction {};

TEST_F(Window1SpeedRestoreTest, ASpeedWhoseShortTextReadsAsTheBoundComesBackInFull) {
    struct Case {
        const char* speedText;
        double speed;
        Int64 slider;
    };
    const Case cases[] = {{"0.9999999999999999", 0.9999999999999999, 39},
                          {"-0.9999999999999999", -0.9999999999999999, 1},
                          {"0.9999999999999996", 0.9999999999999996, 39}};
    for (const Case& c : cases) {
        for (const char* rejected : {"2", "1", "-1e999"}) {
            SCOPED_TRACE(testing::Message() << c.speedText << " then " << rejected);
            window.TextField1().SetText(c.speedText);
            window.TextField1().SetText(rejected);
            EXPECT_EQ(fieldText(), c.speedText);
            EXPECT_EQ(Globals::sinPhi, c.speed);
            EXPECT_EQ(window.SpeedSlider().Value(), c.slider);
        }
    }
}

class Window1SpeedPasteTest : public Window1Interaction {};

// A long text pasted from the clipboard with the keyboard arrives whole and is read whole.
TEST_F(Window1SpeedPasteTest, ALongPasteArrivesWhole) {
    struct Case {
        const char* name;
        std::string text;
        double speed;
        Int64 slider;
    };
    const Case cases[] = {
        {"thirds", "0." + std::string(99'998, '3'), 1.0 / 3.0, 26},
        // Cut anywhere before its exponent it would read as 0.5.
        {"exponentAtTheEnd", "0.5" + std::string(99'994, '0') + "e-1", 0.05, 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.text.size(), 100'000U);
        QGuiApplication::clipboard()->setText(QString::fromStdString(c.text));
        speedField()->setFocus();
        QTest::keyClick(speedField(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(speedField(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(fieldText().size(), c.text.size());
        EXPECT_TRUE(fieldText() == c.text); // no dump of a hundred thousand characters
        EXPECT_EQ(Globals::sinPhi, c.speed);
        EXPECT_EQ(window.SpeedSlider().Value(), c.slider);
    }
}

TEST(SpeedTextTest, IsStrWheneverThatReadsBackInsideElseTheExactText) {
    struct Case {
        double speed;
        const char* text;
    };
    const Case cases[] = {
        {0.6, "0.6"},
        {-0.6, "-0.6"},
        {0.6000000000000001, "0.6"},
        {0.0, "0"},
        {1e-300, "1e-300"},
        // Str's 15 digits read inside, though not exactly: kept as they are.
        {0.9999999999999994, "0.999999999999999"},
        {0.9999999999999996, "0.9999999999999996"},
        {0.9999999999999999, "0.9999999999999999"},
        {-0.9999999999999999, "-0.9999999999999999"},
        {std::nextafter(-1.0, 0.0), "-0.9999999999999999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SpeedText(c.speed), c.text);
        const double back = Val(SpeedText(c.speed));
        EXPECT_TRUE(back > -1.0 && back < 1.0);
    }
    // A speed outside the interval never comes about; its text still ends a restore.
    for (const double outside : {1.0, -1.0, 5.0, std::nan(""), HUGE_VAL}) {
        const double back = Val(SpeedText(outside));
        EXPECT_TRUE(back > -1.0 && back < 1.0) << outside;
    }
}

} // namespace
