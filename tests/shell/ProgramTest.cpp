// The whole program in this process: start-up with the main window and its menu bar, the two
// ways to quit, and the About command.
#include "ProgramHarness.h"

#include "Picture.h"
#include "RowName.h"
#include "Window1.h"
#include "Window2.h"
#include "WindowRegistry.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

QAction* ActionOf(Window& window, const char* itemName) {
    return window.AppMenuBar() ? window.AppMenuBar()->findChild<QAction*>(itemName) : nullptr;
}

void ChooseAbout(Window& window) {
    QAction* about = ActionOf(window, "aboutItem");
    ASSERT_NE(about, nullptr);
    about->trigger();
}

int OpenAboutWindows() {
    int count = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        count += top->objectName() == "Window2" && top->isVisible() ? 1 : 0;
    }
    return count;
}

TEST(Program, TheQuitItemEndsTheRunWithExitStatusZero) {
    const int status =
        RunProgramWhile([] { ActionOf(Window1::Instance(), "FileQuit")->trigger(); });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(RuntimeExit(), 0);
}

TEST(Program, TheQuitButtonEndsTheRunWithExitStatusZero) {
    const int status = RunProgramWhile(
        [] { QTest::mouseClick(Window1::Instance().PushButton3().Widget(), Qt::LeftButton); });
    EXPECT_EQ(status, 0);
}

// The main window's close button ends the application, as closing the last window does.
TEST(Program, ClosingTheMainWindowEndsTheRunWithExitStatusZero) {
    const int status = RunProgramWhile([] { Window1::Instance().Widget()->close(); });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(GetImplicitWindow(Window1::kClassName), nullptr);
}

class StartedProgram : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(RunProgramWhile([] { Quit(0); }), 0);
        main = &Window1::Instance();
    }
    void TearDown() override {
        if (Window* about = GetImplicitWindow(Window2::kClassName)) {
            about->Close();
        }
        QApplication::processEvents();
    }
    Window1* main = nullptr;
};

TEST_F(StartedProgram, OpensOneMainWindowWithTheMenuBarAboveItsContent) {
    EXPECT_EQ(GetImplicitWindow(Window1::kClassName), main);
    EXPECT_TRUE(main->Widget()->isVisible());
    QMenuBar* bar = main->AppMenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->parentWidget(), main->Widget());
    std::vector<std::string> entries;
    for (QAction* entry : bar->actions()) {
        entries.push_back(entry->text().toStdString());
    }
    EXPECT_EQ(entries, (std::vector<std::string>{"About ...", "&File", "&Edit"}));

    // The bar stands above the content, which keeps its designed size.
    EXPECT_EQ(main->ContentWidget()->size(), QSize(894, 781));
    EXPECT_GT(bar->height(), 0);
    const int contentTop = main->ContentWidget()->mapTo(main->Widget(), QPoint(0, 0)).y();
    EXPECT_GE(contentTop, bar->geometry().bottom());
    EXPECT_EQ(main->Widget()->height(), 781 + contentTop);

    // The commands the main window binds are enabled on its bar, so are Quit and the shortcut.
    for (const char* item : {"aboutItem", "FilePageSetup", "FilePrint", "FileQuit"}) {
        QAction* action = ActionOf(*main, item);
        ASSERT_NE(action, nullptr) << item;
        EXPECT_TRUE(action->isEnabled()) << item;
    }
    EXPECT_EQ(ActionOf(*main, "FilePrint")->shortcut(), QKeySequence("Ctrl+P"));
}

TEST_F(StartedProgram, AboutShowsOneAboutWindowAndANewOneAfterItWasClosed) {
    ChooseAbout(*main);
    Window* first = GetImplicitWindow(Window2::kClassName);
    ASSERT_NE(first, nullptr);
    const int loadsAfterFirst = Picture::LoadCount();
    ChooseAbout(*main);
    EXPECT_EQ(GetImplicitWindow(Window2::kClassName), first);
    EXPECT_EQ(OpenAboutWindows(), 1);

    first->Close();
    QApplication::processEvents();
    EXPECT_EQ(OpenAboutWindows(), 0);
    EXPECT_EQ(GetImplicitWindow(Window2::kClassName), nullptr);

    ChooseAbout(*main);
    auto* second = dynamic_cast<Window2*>(GetImplicitWindow(Window2::kClassName));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(OpenAboutWindows(), 1);
    EXPECT_NE(second->Canvas1().Backdrop(), nullptr);
    EXPECT_EQ(Picture::LoadCount(), loadsAfterFirst);
    EXPECT_FALSE(main->aboutItem_Action());
    EXPECT_EQ(OpenAboutWindows(), 1);
}

TEST_F(StartedProgram, TheAboutWindowShowsTheMenuBarWithOnlyItsOwnCommandsEnabled) {
    ChooseAbout(*main);
    Window* about = GetImplicitWindow(Window2::kClassName);
    ASSERT_NE(about, nullptr);
    ASSERT_NE(about->AppMenuBar(), nullptr);
    EXPECT_EQ(about->ContentWidget()->size(), QSize(545, 328));
    struct Expected {
        const char* item;
        bool enabled;
    };
    // The about window binds no command; Quit acts by itself.
    for (const Expected& e : {Expected{"aboutItem", false}, Expected{"FilePageSetup", false},
                              Expected{"FilePrint", false}, Expected{"FileQuit", true}}) {
        EXPECT_EQ(ActionOf(*about, e.item)->isEnabled(), e.enabled) << e.item;
    }
}

// Where the about window is when About is chosen again, with the main window active; About
// brings it back in front with the keyboard focus.
struct AboutAgainCase {
    const char* name;
    void (*putAway)(Window& main, Window& about);
};

constexpr AboutAgainCase kAboutAgainCases[] = {
    {"Minimised", [](Window&, Window& about) { about.Widget()->showMinimized(); }},
    {"BehindTheMainWindow", [](Window& main, Window&) { main.Widget()->raise(); }},
};

void PrintTo(const AboutAgainCase& c, std::ostream* os) {
    *os << c.name;
}

class AboutAgain : public StartedProgram, public testing::WithParamInterface<AboutAgainCase> {};

TEST_P(AboutAgain, BringsTheAboutWindowBackInFrontWithTheFocus) {
    ChooseAbout(*main);
    Window* about = GetImplicitWindow(Window2::kClassName);
    ASSERT_NE(about, nullptr);
    GetParam().putAway(*main, *about);
    main->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main->Widget(), 1000));

    ChooseAbout(*main);
    EXPECT_EQ(GetImplicitWindow(Window2::kClassName), about);
    EXPECT_TRUE(QTest::qWaitForWindowActive(about->Widget(), 1000));
    EXPECT_EQ(QApplication::activeWindow(), about->Widget());
    EXPECT_FALSE(about->Widget()->isMinimized());
    EXPECT_TRUE(about->Widget()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Places, AboutAgain, testing::ValuesIn(kAboutAgainCases), RowName());
} // namespace
