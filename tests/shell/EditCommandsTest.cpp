// The Edit commands of the running program, sent as shortcuts and chosen from the menu: they
// act on the text field that has the focus in the active window, and on nothing else.
#include "ProgramHarness.h"

#include "Globals.h"
#include "Window1.h"
#include "Window2.h"
#include "WindowRegistry.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class EditCommands : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(RunProgramWhile([] { Quit(0); }), 0);
        CloseAboutWindow();
        main = &Window1::Instance();
        QApplication::clipboard()->setText("0.9");
        Activate(main->Widget());
        TypeIntoField("0.3");
    }
    void TearDown() override { CloseAboutWindow(); }

    static void CloseAboutWindow() {
        if (Window* about = GetImplicitWindow(Window2::kClassName)) {
            about->Close();
        }
        QApplication::processEvents();
    }
    static void Activate(QWidget* window) {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    QLineEdit* Field() { return static_cast<QLineEdit*>(main->TextField1().Widget()); }
    void TypeIntoField(const char* text) {
        Field()->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(Field(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Field(), text);
        ASSERT_EQ(main->TextField1().Text(), text);
    }

    // A shortcut typed on whatever has the keyboard focus; Qt's shortcut map decides who acts.
    static void PressShortcut(Qt::Key key) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key, Qt::ControlModifier);
    }

    // Opens a menu of the window's bar with the mouse and closes it again with Esc.
    static void OpenAndCloseMenu(Window& window, const char* menuName) {
        QMenuBar* bar = window.AppMenuBar();
        auto* menu = bar->findChild<QMenu*>(menuName);
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(menu->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
        QTest::keyClick(menu, Qt::Key_Escape);
        ASSERT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); }));
    }

    static QMenu* OpenWithTheMouse(Window& window, const char* menuName) {
        QMenuBar* bar = window.AppMenuBar();
        auto* menu = bar->findChild<QMenu*>(menuName);
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(menu->menuAction()).center());
        EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
        return menu;
    }

    // The Edit items enabled while the menu is open.
    static std::vector<std::string> EnabledWhileOpen(Window& window) {
        QMenu* menu = OpenWithTheMouse(window, "EditMenu");
        std::vector<std::string> enabled;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator() && action->isEnabled()) {
                enabled.push_back(action->objectName().toStdString());
            }
        }
        QTest::keyClick(menu, Qt::Key_Escape);
        EXPECT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); }));
        return enabled;
    }

    // Alt+E, the arrow keys down to the item, then Return.
    static void ChooseWithTheKeyboard(Window& window, const char* itemName) {
        auto* menu = window.AppMenuBar()->findChild<QMenu*>("EditMenu");
        auto* item = menu->findChild<QAction*>(itemName);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
        for (int step = 0; step < 10 && menu->activeAction() != item; ++step) {
            QTest::keyClick(menu, Qt::Key_Down);
        }
        ASSERT_EQ(menu->activeAction(), item);
        QTest::keyClick(menu, Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); }));
    }

    static std::vector<std::string> EnabledEditItems(Window& window) {
        auto* menu = window.AppMenuBar()->findChild<QMenu*>("EditMenu");
        emit menu->aboutToShow();
        std::vector<std::string> enabled;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator() && action->isEnabled()) {
                enabled.push_back(action->objectName().toStdString());
            }
        }
        return enabled;
    }

    void ExpectSpeedUntouched() {
        EXPECT_EQ(main->TextField1().Text(), "0.3");
        EXPECT_EQ(Globals::sinPhi, 0.3);
        EXPECT_EQ(main->SpeedSlider().Value(), 26);
    }

    Window1* main = nullptr;
};

// Each run would leave a trace on the field it reached: emptied, pasted over, copied from, or
// its typing undone.
const std::vector<std::vector<Qt::Key>> kShortcutRuns{
    {Qt::Key_A, Qt::Key_X}, {Qt::Key_A, Qt::Key_V}, {Qt::Key_A, Qt::Key_C}, {Qt::Key_Z}};

const std::vector<std::string> kAllEditItems{"EditUndo",  "EditCut",   "EditCopy",
                                             "EditPaste", "EditClear", "EditSelectAll"};

TEST_F(EditCommands, ShortcutsWithTheFocusAwayFromTheFieldLeaveItAlone) {
    const struct {
        const char* name;
        bool click; // the focus moves by a click, or by the keyboard
        QWidget* (*widget)(Window1&);
    } focusTargets[] = {
        {"check box", true, [](Window1& w) { return w.CheckBox1().Widget(); }},
        {"slider", false, [](Window1& w) { return w.BlackPosSlider().Widget(); }},
    };
    for (const auto& target : focusTargets) {
        SCOPED_TRACE(target.name);
        TypeIntoField("0.3");
        OpenAndCloseMenu(*main, "EditMenu");
        QWidget* widget = target.widget(*main);
        if (target.click) {
            QTest::mouseClick(widget, Qt::LeftButton);
        } else {
            widget->setFocus(Qt::TabFocusReason);
        }
        ASSERT_EQ(QApplication::focusWidget(), widget);
        for (const auto& keys : kShortcutRuns) {
            for (Qt::Key key : keys) {
                PressShortcut(key);
            }
            ExpectSpeedUntouched();
            EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "0.9");
        }
        EXPECT_TRUE(EnabledEditItems(*main).empty());
    }
}

TEST_F(EditCommands, MenuItemsActOnTheFocusedField) {
    EXPECT_EQ(EnabledWhileOpen(*main), kAllEditItems);
    // Chosen from the menu opened with the keyboard, as the field keeps the focus.
    const std::vector<std::pair<const char*, const char*>> chosen{
        {"EditSelectAll", "0.3"}, {"EditPaste", "0.9"}, {"EditUndo", "0.3"},
        {"EditSelectAll", "0.3"}, {"EditCut", ""},      {"EditPaste", "0.3"},
        {"EditSelectAll", "0.3"}, {"EditClear", ""},    {"EditUndo", "0.3"}};
    for (const auto& [item, textAfter] : chosen) {
        ChooseWithTheKeyboard(*main, item);
        EXPECT_EQ(main->TextField1().Text(), textAfter) << item;
    }
    ExpectSpeedUntouched();

    // With the focus on a check box the items are disabled, and running them does nothing.
    QTest::mouseClick(main->CheckBox1().Widget(), Qt::LeftButton);
    EXPECT_TRUE(EnabledWhileOpen(*main).empty());
    for (const std::string& item : kAllEditItems) {
        main->AppMenuBar()->findChild<QAction*>(QString::fromStdString(item))->trigger();
    }
    ExpectSpeedUntouched();
}

TEST_F(EditCommands, TheAboutWindowsShortcutsNeverReachTheMainWindowsField) {
    ASSERT_EQ(QApplication::focusWidget(), Field());
    main->aboutItem_Action();
    Window* about = GetImplicitWindow(Window2::kClassName);
    ASSERT_NE(about, nullptr);
    Activate(about->Widget());
    for (const auto& keys : kShortcutRuns) {
        for (Qt::Key key : keys) {
            QTest::keyClick(about->Widget(), key, Qt::ControlModifier);
        }
        ExpectSpeedUntouched();
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "0.9");
    }
    EXPECT_TRUE(EnabledEditItems(*about).empty());

    // Back in the main window, the field has the focus again and the shortcuts are its own.
    Activate(main->Widget());
    ASSERT_EQ(QApplication::focusWidget(), Field());
    PressShortcut(Qt::Key_A);
    PressShortcut(Qt::Key_X);
    EXPECT_EQ(main->TextField1().Text(), "");
    EXPECT_EQ(Globals::sinPhi, 0.0);
}

} // namespace
