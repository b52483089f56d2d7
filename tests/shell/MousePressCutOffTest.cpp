// A press on the diagram that something takes the mouse from before the button goes up: the
// drag or projection it started ends there, so the next press only does what it should.
#include "PressCutOffs.h"
#include "ProgramHarness.h"
#include "ReleaseOver.h"
#include "RowName.h"
#include "ScriptedPrintDialogs.h"

#include "Globals.h"
#include "Window1.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <utility>

namespace {

// What the user does with the button still held on the canvas; the release lands wherever the
// mouse then is.
struct Interruption {
    const char* name;
    std::function<void(Window1& main, ScriptedPrintDialogs& dialogs)> happen;
};

void PrintTo(const Interruption& i, std::ostream* os) {
    *os << i.name;
}

const Interruption kInterruptions[] = {
    {"print-dialog-by-shortcut",
     [](Window1& main, ScriptedPrintDialogs& dialogs) {
         dialogs.whileOpen = [&main] { ReleaseOverModalDialog(*main.Widget()); };
         QTest::keyClick(main.Widget(), Qt::Key_P, Qt::ControlModifier);
         ASSERT_EQ(dialogs.prints, 1);
     }},
    {"file-menu-from-the-keyboard",
     [](Window1& main, ScriptedPrintDialogs&) {
         auto* menu = main.AppMenuBar()->findChild<QMenu*>("FileMenu");
         ASSERT_NE(menu, nullptr);
         QTest::keyClick(main.Widget(), Qt::Key_F, Qt::AltModifier);
         ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
         ReleaseOver(*menu);
         QTest::keyClick(menu, Qt::Key_Escape);
         ASSERT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); }));
     }},
    {"window-hidden",
     [](Window1& main, ScriptedPrintDialogs&) {
         main.Widget()->hide();
         main.Widget()->show();
     }},
};

// The running program with its main window active and the origin at its start.
class ProgramMouseTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(RunProgramWhile([] { Quit(0); }), 0);
        main = &Window1::Instance();
        main->Widget()->show();
        main->Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main->Widget()));
        Globals::Nx = 300;
        Globals::Ny = 400;
    }

    QWindow* platformWindow() { return main->Widget()->windowHandle(); }
    QPoint onCanvas(int x, int y) {
        return main->Canvas1().Widget()->mapTo(main->Widget(), QPoint(x, y));
    }
    static std::pair<Int64, Int64> Origin() { return {Globals::Nx, Globals::Ny}; }
    static std::pair<Int64, Int64> Event() { return {Globals::Mx, Globals::My}; }

    Window1* main = nullptr;
    ScriptedPrintDialogsInUse dialogs;
    ScriptedPrintDialogs* script = &dialogs.Script();
};

class MousePressCutOff : public ProgramMouseTest,
                         public testing::WithParamInterface<Interruption> {};

TEST_P(MousePressCutOff, EndsTheOriginDragSoTheNextPressOnlyProjects) {
    QTest::mousePress(platformWindow(), Qt::LeftButton, {}, onCanvas(302, 398));
    ASSERT_TRUE(Globals::inKoordDragMode);

    GetParam().happen(*main, *script);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main->Widget()));
    EXPECT_FALSE(Globals::inKoordDragMode);
    EXPECT_FALSE(Globals::inProjectingMode);

    QTest::mousePress(platformWindow(), Qt::LeftButton, {}, onCanvas(100, 100));
    QTest::mouseMove(platformWindow(), onCanvas(150, 140));
    EXPECT_FALSE(Globals::inKoordDragMode);
    EXPECT_TRUE(Globals::inProjectingMode);
    EXPECT_EQ(Origin(), (std::pair<Int64, Int64>{300, 400}));
    EXPECT_EQ(Event(), (std::pair<Int64, Int64>{100, 100}));

    QTest::mouseRelease(platformWindow(), Qt::LeftButton, {}, onCanvas(150, 140));
    EXPECT_FALSE(Globals::inKoordDragMode || Globals::inProjectingMode);
}

TEST_P(MousePressCutOff, EndsAProjectionAndRemovesItsLines) {
    QTest::mousePress(platformWindow(), Qt::LeftButton, {}, onCanvas(372, 400));
    ASSERT_TRUE(Globals::inProjectingMode);
    const int repaints = main->Canvas1().RepaintRequests();

    GetParam().happen(*main, *script);
    EXPECT_FALSE(Globals::inKoordDragMode);
    EXPECT_FALSE(Globals::inProjectingMode);
    EXPECT_GE(main->Canvas1().RepaintRequests(), repaints + 1);

    // A press on the origin now drags it, and only it.
    QTest::mousePress(platformWindow(), Qt::LeftButton, {}, onCanvas(300, 400));
    QTest::mouseMove(platformWindow(), onCanvas(250, 350));
    EXPECT_TRUE(Globals::inKoordDragMode);
    EXPECT_FALSE(Globals::inProjectingMode);
    EXPECT_EQ(Origin(), (std::pair<Int64, Int64>{250, 350}));
    QTest::mouseRelease(platformWindow(), Qt::LeftButton, {}, onCanvas(250, 350));
    Globals::Nx = 300;
    Globals::Ny = 400;
}

INSTANTIATE_TEST_SUITE_P(Ways, MousePressCutOff, testing::ValuesIn(kInterruptions), RowName{});

// Another program's window taking the focus takes nothing: the origin follows the mouse to the
// release.
TEST_F(ProgramMouseTest, TheOriginFollowsTheDragWhileAnotherWindowHasTheFocus) {
    QTest::mousePress(platformWindow(), Qt::LeftButton, {}, onCanvas(300, 400));
    QTest::mouseMove(platformWindow(), onCanvas(330, 400));
    ASSERT_EQ(Origin(), (std::pair<Int64, Int64>{330, 400}));
    WhileAnotherWindowHasTheFocus(*main->Widget(), [this] {
        QTest::mouseMove(platformWindow(), onCanvas(360, 400));
        EXPECT_TRUE(Globals::inKoordDragMode);
        QTest::mouseRelease(platformWindow(), Qt::LeftButton, {}, onCanvas(360, 400));
    });
    EXPECT_EQ(Origin(), (std::pair<Int64, Int64>{360, 400}));
    EXPECT_FALSE(Globals::inKoordDragMode || Globals::inProjectingMode);
    Globals::Nx = 300;
    Globals::Ny = 400;
}

} // namespace
