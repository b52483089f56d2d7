// A window taken to a smaller screen fits that one, and back on the large one it is as
// designed; where a person or the window manager puts it, it stays. Runs with a large screen and
// a projector's beside it.
#include "ProgramHarness.h"

#include "DesignList.h"
#include "Window.h"
#include "Window1.h"

#include <QCoreApplication>
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
    QCoreApplication::processEvents();
    EXPECT_TRUE(screens[1]->availableGeometry().contains(main.Widget()->frameGeometry()));
    EXPECT_TRUE(main.ContentView()->verticalScrollBar()->isVisible());
    platform->setScreen(screens[0]);
    QCoreApplication::processEvents();
    EXPECT_EQ(main.Widget()->size(), designed);
    EXPECT_FALSE(main.ContentView()->verticalScrollBar()->isVisible());
}

TEST(TwoScreens, APlacePartlyOffTheScreenStaysAndFullScreenIsRefused) {
    ASSERT_EQ(RunProgramWhile([] { Quit(0); }), 0);
    Window1& main = Window1::Instance();
    QWidget& window = *main.Widget();
    const QSize designed = window.size();
    // The platform sends no move of its own after the show: the person's first move is kept.
    window.move(-100, 100);
    QCoreApplication::processEvents();
    // (The offscreen platform itself shifts a moved window by its frame's 2 pixels.)
    EXPECT_NEAR(window.pos().x(), -100, 2);
    EXPECT_NEAR(window.pos().y(), 100, 2);
    window.move(200, 100);
    QCoreApplication::processEvents();
    for (const Qt::WindowState state : {Qt::WindowFullScreen, Qt::WindowMaximized}) {
        window.setWindowState(state);
        QCoreApplication::processEvents();
        EXPECT_EQ(window.windowState(), Qt::WindowNoState) << state;
        EXPECT_EQ(window.size(), designed) << state;
        EXPECT_EQ(window.pos(), QPoint(200, 100)) << state;
    }
}

TEST(TwoScreens, AResizeableWindowKeepsThePersonsSizeOnAnotherScreenThatHoldsIt) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2);
    Window window;
    SetProperties(window, DesignListWriter("Window")
                              .Add("Width", Int64{300})
                              .Add("Height", Int64{200})
                              .Add("Resizeable", true)
                              .Add("DefaultLocation", Int64{2})
                              .Bytes());
    window.Show();
    window.Widget()->resize(500, 400);
    QCoreApplication::processEvents();
    window.Widget()->windowHandle()->setScreen(screens[1]);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.Widget()->size(), QSize(500, 400));
}

} // namespace
