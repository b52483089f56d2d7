// The main window on the screens students and classrooms have. Where the screen's available
// area is smaller than the window, the window fits it and its content scrolls, so every control
// can be reached; on a large screen nothing changes. The test runs once on each screen file
// that tests/CMakeLists.txt gives it.
#include "ProgramHarness.h"

#include "Globals.h"
#include "Window1.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

struct ScreenCase {
    const char* name;
    QSize size;
    bool scrollsDown, scrollsAcross;
};

// clang-format off
const ScreenCase kScreens[] = {
    {"large",     {1280, 1024}, false, false},
    {"laptop",    {1366,  768}, true,  false},
    {"projector", {1024,  768}, true,  false},
    {"small",     { 800,  600}, true,  true},
};
// clang-format on

const ScreenCase* ThisScreen() {
    const QSize size = QGuiApplication::primaryScreen()->availableGeometry().size();
    for (const ScreenCase& c : kScreens) {
        if (c.size == size) {
            return &c;
        }
    }
    return nullptr;
}

// Whole where a person sees it: inside the view and on the screen, or, where larger than that,
// covering it in that direction.
bool ShownWhole(const QScrollArea& view, const QWidget& widget) {
    const QRect shown(widget.mapTo(view.viewport(), QPoint(0, 0)), widget.size());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect port = view.viewport()->rect().intersected(
        screen.translated(-view.viewport()->mapToGlobal(QPoint(0, 0))));
    const auto fits = [](int lo, int hi, int portLo, int portHi) {
        return hi - lo > portHi - portLo ? lo <= portLo && hi >= portHi
                                         : lo >= portLo && hi <= portHi;
    };
    return fits(shown.left(), shown.right(), port.left(), port.right()) &&
           fits(shown.top(), shown.bottom(), port.top(), port.bottom());
}

QPoint InWindow(Window& window, const QWidget& widget, QPoint at) {
    return widget.mapTo(window.Widget(), at);
}

class OnThisScreen : public testing::Test {
  protected:
    void SetUp() override {
        screen = ThisScreen();
        ASSERT_NE(screen, nullptr) << "run with a screen file of tests/support that the table "
                                      "names";
    }
    const ScreenCase* screen = nullptr;
};

TEST_F(OnThisScreen, TheWindowFitsAndScrollsOnlyWhereItMust) {
    SCOPED_TRACE(screen->name);
    ASSERT_EQ(RunProgramWhile([] { Quit(0); }), 0);
    Window1& main = Window1::Instance();
    const QScrollArea& view = *main.ContentView();
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(available.contains(main.Widget()->frameGeometry()));
    EXPECT_EQ(main.ContentWidget()->size(), QSize(894, 781)) << "the content keeps its size";
    EXPECT_EQ(view.verticalScrollBar()->isVisible(), screen->scrollsDown);
    EXPECT_EQ(view.horizontalScrollBar()->isVisible(), screen->scrollsAcross);
    if (screen->scrollsDown || screen->scrollsAcross) {
        return;
    }
    // Nothing changes: the window's size and every control's place in it are the design's.
    const int menuHeight = main.AppMenuBar()->height();
    EXPECT_EQ(main.Widget()->size(), QSize(894, 781 + menuHeight));
    for (RectControl* control : main.Controls()) {
        EXPECT_EQ(InWindow(main, *control->Widget(), QPoint(0, 0)),
                  QPoint(int(control->Left()), int(control->Top()) + menuHeight))
            << control->Name();
    }
}

TEST_F(OnThisScreen, EveryControlComesIntoViewByScrollingAndTabbing) {
    SCOPED_TRACE(screen->name);
    ASSERT_EQ(RunProgramWhile([] { Quit(0); }), 0);
    Window1& main = Window1::Instance();
    QScrollArea& view = *main.ContentView();
    for (RectControl* control : main.Controls()) {
        view.ensureWidgetVisible(control->Widget(), 0, 0);
        EXPECT_TRUE(ShownWhole(view, *control->Widget())) << control->Name();
    }
    // Tabbing through the window shows each control it reaches.
    view.horizontalScrollBar()->setValue(0);
    view.verticalScrollBar()->setValue(0);
    main.RadioButton1().Widget()->setFocus(Qt::TabFocusReason);
    std::set<std::string> reached;
    for (int step = 0; step < 40; ++step) {
        QWidget* focused = main.Widget()->focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, Qt::Key_Tab);
        focused = main.Widget()->focusWidget();
        ASSERT_NE(focused, nullptr);
        reached.insert(focused->objectName().toStdString());
        EXPECT_TRUE(ShownWhole(view, *focused)) << focused->objectName().toStdString();
    }
    EXPECT_EQ(reached.count("PushButton3"), 1U);
    EXPECT_EQ(reached.count("CheckBox7"), 1U);
}

TEST_F(OnThisScreen, TheWheelOverTheCanvasScrollsAndAPressStillDragsTheOrigin) {
    SCOPED_TRACE(screen->name);
    ASSERT_EQ(RunProgramWhile([] { Quit(0); }), 0);
    Window1& main = Window1::Instance();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.Widget()));
    QScrollArea& view = *main.ContentView();
    QWidget* canvas = main.Canvas1().Widget();
    view.verticalScrollBar()->setValue(0);
    const QPoint over(300, 300);
    QWheelEvent down(over, canvas->mapToGlobal(over), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    // As from the platform (sendEvent would not pass it on): the canvas ignores the wheel, the
    // widgets around it get it.
    QSpontaneKeyEvent::setSpontaneous(&down);
    qApp->notify(canvas, &down);
    EXPECT_EQ(view.verticalScrollBar()->value() > 0, screen->scrollsDown);

    // The origin handle, dragged through the platform window from where the view now shows it.
    Globals::Nx = 300;
    Globals::Ny = 400;
    view.ensureWidgetVisible(canvas, 0, 0);
    QWindow* platform = main.Widget()->windowHandle();
    QTest::mousePress(platform, Qt::LeftButton, {}, InWindow(main, *canvas, {300, 400}));
    QTest::mouseMove(platform, InWindow(main, *canvas, {310, 380}));
    QTest::mouseRelease(platform, Qt::LeftButton, {}, InWindow(main, *canvas, {310, 380}));
    EXPECT_EQ(Globals::Nx, 310);
    EXPECT_EQ(Globals::Ny, 380);
    EXPECT_FALSE(Globals::inKoordDragMode);
    Globals::Nx = 300;
    Globals::Ny = 400;
}

TEST_F(OnThisScreen, AClickOnQuitBroughtIntoViewEndsTheRunWithZero) {
    SCOPED_TRACE(screen->name);
    const int status = RunProgramWhile([] {
        Window1& main = Window1::Instance();
        QWidget* quit = main.PushButton3().Widget();
        main.ContentView()->ensureWidgetVisible(quit, 0, 0);
        const QPoint middle = quit->rect().center();
        EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(
            quit->mapToGlobal(middle)));
        QTest::mouseClick(main.Widget()->windowHandle(), Qt::LeftButton, {},
                          InWindow(main, *quit, middle));
    });
    EXPECT_EQ(status, 0);
}

} // namespace
