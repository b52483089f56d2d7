// Where a window opens on a screen smaller than the main window: centred, and never with its
// top-left corner beyond the screen's, so its title and menu bar stay in reach. A window too
// large for the screen, frame included, is cut to fit it and its content scrolls.
// The test runs on one 640 x 480 screen, set at (100, 40) so that its corner is not the origin;
// the offscreen platform's frame is 2 pixels wide and its scroll bars 14.
#include "ProgramHarness.h"

#include "Window1.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

// Points in failure messages as (x, y).
static void PrintTo(const QPoint& point, std::ostream* out) {
    *out << "(" << point.x() << ", " << point.y() << ")";
}

namespace {

const QRect kSmallScreen(100, 40, 640, 480);

class SmallScreen : public testing::Test {
  protected:
    void SetUp() override {
        QScreen* screen = QGuiApplication::primaryScreen();
        ASSERT_NE(screen, nullptr);
        ASSERT_EQ(screen->availableGeometry(), kSmallScreen)
            << "run under the offscreen platform with tests/support/SmallScreen.json";
    }
};

struct PlacementCase {
    const char* name;
    Int64 width, height;
    bool resizeable;
    QSize shown;
    QPoint topLeft;
};

// clang-format off
const PlacementCase kPlacements[] = {
    {"fits",               300, 200, false, {300, 200}, {270, 180}},
    {"fills-exactly",      640, 480, false, {636, 476}, {100,  40}},
    {"too-wide",           894, 200, false, {636, 214}, {100, 173}},
    {"too-tall",           300, 800, false, {314, 476}, {263,  40}},
    {"main-window-size",   894, 800, false, {636, 476}, {100,  40}},
    {"resizeable-fits",    300, 200, true,  {300, 200}, {270, 180}},
    {"resizeable-too-big", 894, 800, true,  {636, 476}, {100,  40}},
};
// clang-format on

std::string Design(Int64 width, Int64 height, bool resizeable, Int64 location) {
    return DesignListWriter("Window")
        .Add("Width", width)
        .Add("Height", height)
        .Add("Resizeable", resizeable)
        .Add("DefaultLocation", location)
        .Bytes();
}

TEST_F(SmallScreen, ACentredWindowKeepsItsTopLeftOnTheScreen) {
    for (const PlacementCase& c : kPlacements) {
        SCOPED_TRACE(c.name);
        Window window;
        SetProperties(window, Design(c.width, c.height, c.resizeable, 2));
        window.Show();
        EXPECT_EQ(window.Widget()->size(), c.shown);
        if (!c.resizeable) {
            EXPECT_EQ(window.ContentWidget()->size(), QSize(int(c.width), int(c.height)));
        }
        EXPECT_EQ(window.Widget()->frameGeometry().topLeft(), c.topLeft);
    }
}

TEST_F(SmallScreen, AWindowWithoutALocationIsLeftToThePlatform) {
    Window window;
    SetProperties(window, Design(300, 200, false, 0));
    window.Show();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.Widget()->testAttribute(Qt::WA_Moved));
}

TEST_F(SmallScreen, AResizeableWindowKeepsThePersonsSizeWhenShownAgain) {
    Window window;
    SetProperties(window, Design(300, 200, true, 2));
    window.Show();
    window.Widget()->resize(400, 250);
    QCoreApplication::processEvents();
    window.Widget()->hide();
    window.Show();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.Widget()->size(), QSize(400, 250));
}

// Under Wayland the size a maximised window is given is all the program learns of the area the
// panels leave: a window larger than that area comes back from maximised within it.
TEST_F(SmallScreen, AWindowMadeNormalAgainIsNoLargerThanItWasMaximised) {
    // Until what each step posts has run: the state and the size arrive apart.
    const auto settle = [] {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    };
    Window window;
    SetProperties(window, Design(300, 200, true, 2));
    window.Show();
    window.Widget()->resize(900, 700);
    settle();
    window.Widget()->showMaximized();
    settle();
    const QSize maximised = window.Widget()->size();
    ASSERT_EQ(maximised, QSize(636, 476));
    window.Widget()->showNormal();
    settle();
    EXPECT_EQ(window.Widget()->size(), maximised);
}

TEST_F(SmallScreen, TheMainWindowOpensWithItsMenuBarOnTheScreen) {
    ASSERT_EQ(RunProgramWhile([] { Quit(0); }), 0);
    Window1& main = Window1::Instance();
    ASSERT_TRUE(main.Widget()->isVisible());
    EXPECT_EQ(main.Widget()->frameGeometry().topLeft(), kSmallScreen.topLeft());
    ASSERT_NE(main.AppMenuBar(), nullptr);
    EXPECT_TRUE(kSmallScreen.contains(main.AppMenuBar()->mapToGlobal(QPoint(0, 0))));
}

} // namespace
