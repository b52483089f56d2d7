#include "MenuBar1.h"
#include "QtMenuBar.h"
#include "Runtime.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct ExpectedAction {
    const char* name;
    const char* text; // empty for separators
    const char* keys;
};

const std::vector<ExpectedAction> kFileActions{
    {"UntitledSeparator", "", ""},
    {"FilePageSetup", "Page Setup ...", ""},
    {"FilePrint", "Print ...", "Ctrl+P"},
    {"FileQuit", "&Quit", "Ctrl+Q"},
};

const std::vector<ExpectedAction> kEditActions{
    {"EditUndo", "&Undo", "Ctrl+Z"},   {"UntitledMenu1", "", ""},
    {"EditCut", "Cu&t", "Ctrl+X"},     {"EditCopy", "&Copy", "Ctrl+C"},
    {"EditPaste", "&Paste", "Ctrl+V"}, {"EditClear", "&Delete", ""},
    {"UntitledMenu0", "", ""},         {"EditSelectAll", "Select &All", "Ctrl+A"},
};

void ExpectActions(const QList<QAction*>& actions, const std::vector<ExpectedAction>& expected) {
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QAction* action = actions[static_cast<qsizetype>(i)];
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(action->objectName(), expected[i].name);
        EXPECT_EQ(action->isSeparator(), QString(expected[i].text).isEmpty());
        EXPECT_EQ(action->text(), expected[i].text);
        EXPECT_EQ(action->shortcut(), QKeySequence(expected[i].keys));
    }
}

class QtMenuBar1Test : public ::testing::Test {
  protected:
    void SetUp() override {
        RuntimeResetForTesting();
        window = std::make_unique<QWidget>();
        bar = BuildQtMenuBar(*MenuBar1::Instance(), window.get(), [this](const std::string& name) {
            auto found = handlers.find(name);
            return found == handlers.end() ? std::function<bool()>() : found->second;
        });
    }
    void TearDown() override { RuntimeResetForTesting(); }

    QAction* Action(const char* name) { return bar->findChild<QAction*>(name); }
    QMenu* Menu(const char* name) { return bar->findChild<QMenu*>(name); }

    int aboutChosen = 0;
    std::map<std::string, std::function<bool()>> handlers{
        {"aboutItem", [this] { return ++aboutChosen, false; }},
        {"FilePrint", [] { return false; }},
    };
    std::unique_ptr<QWidget> window;
    QMenuBar* bar = nullptr;
};

TEST_F(QtMenuBar1Test, ShowsTheTreeWithCaptionsShortcutsAndSeparators) {
    const auto top = bar->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->objectName(), "aboutItem");
    EXPECT_EQ(top[0]->text(), "About ...");
    EXPECT_EQ(top[0]->menu(), nullptr);
    EXPECT_EQ(top[1]->text(), "&File");
    EXPECT_EQ(top[2]->text(), "&Edit");
    ASSERT_NE(Menu("FileMenu"), nullptr);
    ASSERT_NE(Menu("EditMenu"), nullptr);
    ExpectActions(Menu("FileMenu")->actions(), kFileActions);
    ExpectActions(Menu("EditMenu")->actions(), kEditActions);
}

TEST_F(QtMenuBar1Test, EnablesBoundItemsAndTheFrameworksOwn) {
    const std::vector<std::pair<const char*, bool>> enabled{
        {"aboutItem", true},      {"FilePrint", true}, {"FileQuit", true},
        {"FilePageSetup", false}, {"EditCopy", false}, {"EditSelectAll", false},
    };
    for (const auto& [name, isEnabled] : enabled) {
        EXPECT_EQ(Action(name)->isEnabled(), isEnabled) << name;
    }
    handlers["FilePageSetup"] = [] { return false; };
    emit Menu("FileMenu")->aboutToShow();
    EXPECT_TRUE(Action("FilePageSetup")->isEnabled());
}

TEST_F(QtMenuBar1Test, ChoosingABoundItemRunsItsHandler) {
    Action("aboutItem")->trigger();
    Action("aboutItem")->trigger();
    EXPECT_EQ(aboutChosen, 2);
}

TEST_F(QtMenuBar1Test, QuitItemEndsTheEventLoopWithCodeZero) {
    UnhandledException(std::runtime_error("earlier failure"));
    ASSERT_EQ(RuntimeExit(), 1);
    QTimer::singleShot(0, [this] { Action("FileQuit")->trigger(); });
    // Fails the test instead of hanging it when the item does not quit.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { Quit(99); });
    guard.start(5000);
    RuntimeRun();
    EXPECT_EQ(RuntimeExit(), 0);
}

TEST_F(QtMenuBar1Test, EditItemsActOnTheFocusedLineEdit) {
    auto* edit = new QLineEdit(window.get());
    window->show();
    window->activateWindow();
    edit->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), edit);
    emit Menu("EditMenu")->aboutToShow();
    EXPECT_TRUE(Action("EditCopy")->isEnabled());

    edit->setText("light cone");
    const std::vector<std::pair<const char*, const char*>> steps{
        {"EditSelectAll", "light cone"}, {"EditCut", ""},   {"EditPaste", "light cone"},
        {"EditSelectAll", "light cone"}, {"EditClear", ""}, {"EditUndo", "light cone"},
    };
    for (const auto& [item, textAfter] : steps) {
        Action(item)->trigger();
        EXPECT_EQ(edit->text(), textAfter) << item;
    }
    Action("EditSelectAll")->trigger();
    Action("EditCopy")->trigger();
    edit->clear();
    Action("EditPaste")->trigger();
    EXPECT_EQ(edit->text(), "light cone");
}

} // namespace
