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

const std::vector<std::string> kAllEditItems{"EditUndo",  "EditCut",   "EditCopy",
                                             "EditPaste", "EditClear", "EditSelectAll"};

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

    // A key as a keyboard sends it to whatever has the focus now: a modifier key goes down
    // first and comes up last, and a bare Alt is a press and a release of its own.
    static void PressAsAPersonDoes(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        const auto target = [] {
            QWidget* popup = QApplication::activePopupWidget();
            return popup != nullptr ? popup : QApplication::focusWidget();
        };
        ASSERT_NE(target(), nullptr);
        if (modifiers & Qt::AltModifier) {
            QTest::keyPress(target(), Qt::Key_Alt, Qt::AltModifier);
        }
        if (key == Qt::Key_Alt) {
            QTest::keyPress(target(), Qt::Key_Alt, Qt::AltModifier);
            QTest::keyRelease(target(), Qt::Key_Alt);
        } else {
            QTest::keyClick(target(), key, modifiers);
        }
        if (modifiers & Qt::AltModifier) {
            QTest::keyRelease(target(), Qt::Key_Alt);
        }
        QApplication::processEvents();
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

    // Runs every Edit item of the window's bar straight away, each still enabled from when its
    // state was last decided, as a command chosen after the focus has moved on.
    static void TriggerStillEnabledEditItems(Window& window) {
        for (const std::string& item : kAllEditItems) {
            auto* action = window.AppMenuBar()->findChild<QAction*>(QString::fromStdString(item));
            ASSERT_TRUE(action->isEnabled()) << item;
            action->trigger();
        }
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

    // Items still enabled from when the field had the focus act on what has the focus when they
    // run: with a check box focused they reach nothing, and the next menu shows them disabled.
    ASSERT_EQ(EnabledEditItems(*main), kAllEditItems);
    QTest::mouseClick(main->CheckBox1().Widget(), Qt::LeftButton);
    const QString clipboard = QApplication::clipboard()->text();
    TriggerStillEnabledEditItems(*main);
    ExpectSpeedUntouched();
    EXPECT_EQ(QApplication::clipboard()->text(), clipboard);
    EXPECT_TRUE(EnabledWhileOpen(*main).empty());
}

// Opening the bar from the keyboard moves the focus onto it; the field keeps its text, selection
// and cursor for the Edit command chosen there, or for when the bar lets go.
TEST_F(EditCommands, AMenuOpenedFromTheKeyboardKeepsTheFieldsSelection) {
    const struct {
        const char* name;
        std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
        const char* text;
        const char* selected;
        const char* clipboard;
    } cases[] = {
        {"delete", {{Qt::Key_E, Qt::AltModifier}, {Qt::Key_D, {}}}, "", "", "0.9"},
        {"cut", {{Qt::Key_E, Qt::AltModifier}, {Qt::Key_T, {}}}, "", "", "0.25"},
        {"copy", {{Qt::Key_E, Qt::AltModifier}, {Qt::Key_C, {}}}, "0.25", "0.25", "0.25"},
        {"alt-tap-then-escape", {{Qt::Key_Alt, {}}, {Qt::Key_Escape, {}}}, "0.25", "0.25", "0.9"},
        {"menu-closed-with-escape",
         {{Qt::Key_E, Qt::AltModifier}, {Qt::Key_Escape, {}}, {Qt::Key_Escape, {}}},
         "0.25",
         "0.25",
         "0.9"},
    };
    // A line edit drops its selection a moment after its window is activated without it having
    // the focus; a person is never that quick.
    QApplication::processEvents();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QApplication::clipboard()->setText("0.9");
        TypeIntoField("0.25");
        QTest::keyClick(Field(), Qt::Key_End);
        QTest::keyClick(Field(), Qt::Key_Home, Qt::ShiftModifier);
        for (const auto& [key, modifiers] : c.keys) {
            PressAsAPersonDoes(key, modifiers);
        }
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
        EXPECT_EQ(QApplication::focusWidget(), Field());
        EXPECT_EQ(main->TextField1().Text(), c.text);
        EXPECT_EQ(Field()->selectedText().toStdString(), c.selected);
        EXPECT_EQ(Field()->cursorPosition(), 0);
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), c.clipboard);
    }
}

TEST_F(EditCommands, TheAboutWindowsShortcutsNeverReachTheMainWindowsField) {
    ASSERT_EQ(QApplication::focusWidget(), Field());
    ASSERT_EQ(EnabledEditItems(*main), kAllEditItems);
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
    // Nor do the main window's own items, left enabled from when it was active.
    TriggerStillEnabledEditItems(*main);
    ExpectSpeedUntouched();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "0.9");

    // Back in the main window, the field has the focus again and the shortcuts are its own.
    Activate(main->Widget());
    ASSERT_EQ(QApplication::focusWidget(), Field());
    PressShortcut(Qt::Key_A);
    PressShortcut(Qt::Key_X);
    EXPECT_EQ(main->TextField1().Text(), "");
    EXPECT_EQ(Globals::sinPhi, 0.0);
}

} // namespace
