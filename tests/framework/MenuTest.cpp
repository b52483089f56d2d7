#include "Menu.h"
#include "Exceptions.h"
#include "QtMenuBar.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

TEST(MenuItemTest, AppendsInOrderAndFindsDirectChildrenByName) {
    MenuBar bar;
    auto file = std::make_shared<MenuItem>();
    file->SetName("FileMenu");
    auto print = std::make_shared<MenuItem>();
    print->SetName("FilePrint");
    auto edit = std::make_shared<MenuItem>();
    edit->SetName("EditMenu");
    bar.AddMenu(file);
    file->AddMenu(print);
    bar.AddMenu(edit);

    ASSERT_EQ(bar.Count(), 2u);
    EXPECT_EQ(bar.Children()[0], file);
    EXPECT_EQ(bar.Children()[1], edit);
    EXPECT_EQ(bar.Child("EditMenu"), edit);
    EXPECT_EQ(bar.Child("FilePrint"), nullptr) << "only the bar's own entries are children";
    EXPECT_EQ(file->Child("FilePrint"), print);
    EXPECT_THROW(bar.AddMenu(nullptr), NilObjectException);
    EXPECT_EQ(bar.Count(), 2u);
}

TEST(MenuItemTest, RemembersWhetherTheShortcutWasWritten) {
    MenuItem item;
    EXPECT_FALSE(item.ShortcutWritten());
    item.SetShortcut("");
    EXPECT_TRUE(item.ShortcutWritten());
    EXPECT_EQ(item.Shortcut(), "");
    item.SetShortcut("Cmd+P");
    EXPECT_EQ(item.Shortcut(), "Cmd+P");
}

TEST(MenuItemTest, SeparatorsAndOwnActions) {
    MenuItem separator;
    separator.SetValue("-");
    MenuItem dash;
    dash.SetValue("--");
    QuitMenuItem quit;
    EXPECT_TRUE(separator.IsSeparator());
    EXPECT_FALSE(dash.IsSeparator());
    EXPECT_FALSE(separator.HasOwnAction());
    EXPECT_FALSE(separator.Action());
    EXPECT_TRUE(quit.HasOwnAction());
}

TEST(ShortcutToKeySequenceTest, CommandBecomesQtsControl) {
    const std::vector<std::pair<std::string, QKeySequence>> cases{
        {"Cmd+P", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"Cmd+Q", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"cmd+a", QKeySequence(Qt::CTRL | Qt::Key_A)},
        {"Cmd+Shift+Z", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        {"Option+X", QKeySequence(Qt::ALT | Qt::Key_X)},
        {"", QKeySequence()},
    };
    for (const auto& [text, keys] : cases) {
        EXPECT_EQ(ShortcutToKeySequence(text), keys) << text;
    }
}

} // namespace
