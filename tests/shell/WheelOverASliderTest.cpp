// The wheel over a slider of the main window: where the window's content scrolls, a slider
// without the keyboard focus leaves the wheel to the view; with the focus, or where the screen
// holds the whole window, the wheel moves the slider. The test runs once on each screen file
// that tests/CMakeLists.txt gives it.
#include "ProgramHarness.h"

#include "Window1.h"

#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

// Notches of the wheel turned towards the person over the widget, as the platform delivers
// them: sendEvent would not pass an ignored wheel on to the widgets around.
void TurnWheelDown(QWidget& over, int notches) {
    const QPoint at = over.rect().center();
    for (int i = 0; i < notches; ++i) {
        QWheelEvent wheel(at, over.mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        qApp->notify(&over, &wheel);
    }
}

class WheelOverASlider : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(RunProgramWhile([] { Quit(0); }), 0);
    }

    void SetUp() override {
        main.Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.Widget()));
        scrollsDown = QGuiApplication::primaryScreen()->availableGeometry().height() < 900;
        ASSERT_EQ(bar().maximum() > 0, scrollsDown);
        bar().setValue(0);
        main.SpeedSlider().SetValue(32);
    }
    void TearDown() override { main.SpeedSlider().SetValue(32); }

    QScrollBar& bar() { return *main.ContentView()->verticalScrollBar(); }
    QWidget& slider() { return *main.SpeedSlider().Widget(); }

    Window1& main = Window1::Instance();
    bool scrollsDown = false;
};

TEST_F(WheelOverASlider, WithoutTheFocusScrollsTheViewWhereItScrolls) {
    main.TextField1().Widget()->setFocus();
    ASSERT_FALSE(slider().hasFocus());
    TurnWheelDown(slider(), 3);
    if (scrollsDown) {
        EXPECT_EQ(main.SpeedSlider().Value(), 32);
        EXPECT_EQ(main.TextField1().Text(), "0.6");
        EXPECT_GT(bar().value(), 0);
    } else {
        EXPECT_EQ(main.SpeedSlider().Value(), 29);
    }
}

TEST_F(WheelOverASlider, WithTheFocusMovesTheSlider) {
    slider().setFocus();
    ASSERT_TRUE(slider().hasFocus());
    TurnWheelDown(slider(), 3);
    EXPECT_EQ(main.SpeedSlider().Value(), 29);
    EXPECT_EQ(bar().value(), 0);
}

} // namespace
