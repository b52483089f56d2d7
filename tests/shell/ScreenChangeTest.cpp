// A window taken to a smaller screen fits that one, and back on the large one it is as
// designed. Runs with a large screen and a projector's beside it.
#include "ProgramHarness.h"

#include "Window1.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

TEST(TwoScreens, TakenToTheSmallerScreenTheWindowFitsItAndBackItIsAsDesigned) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2) << "run with tests/support/TwoScreens.json";
    ASSERT_EQ(RunProgramWhile([] { Quit(0); }), 0);
    Window1& main = Window1::Instance();
    QWindow* platform = main.Widget()->windowHandle();
    const QSize designed = main.Widget()->size();
    EXPECT_FALSE(main.ContentView()->verticalScrollBar()->isVisible());
    platform->setScreen(screens[1]);
    EXPECT_TRUE(screens[1]->availableGeometry().contains(main.Widget()->frameGeometry()));
    EXPECT_TRUE(main.ContentView()->verticalScrollBar()->isVisible());
    platform->setScreen(screens[0]);
    EXPECT_EQ(main.Widget()->size(), designed);
    EXPECT_FALSE(main.ContentView()->verticalScrollBar()->isVisible());
}

} // namespace
