#include "MenuBar1.h"
#include "Exceptions.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct ExpectedItem {
    std::string name;
    std::string className;
    std::string caption;
    std::optional<std::string> shortcut; // nothing: never written
    std::vector<ExpectedItem> children;
};

const ExpectedItem kExpectedBar{"",
                                "MenuBar1.MenuBar1",
                                "",
                                std::nullopt,
                                {
                                    {"aboutItem", "PrefsMenuItem", "About ...", "", {}},
                                    {"FileMenu",
                                     "MenuItem",
                                     "&File",
                                     "",
                                     {
                                         {"UntitledSeparator", "MenuItem", "-", std::nullopt, {}},
                                         {"FilePageSetup", "MenuItem", "Page Setup ...", "", {}},
                                         {"FilePrint", "MenuItem", "Print ...", "Cmd+P", {}},
                                         {"FileQuit", "QuitMenuItem", "&Quit", "Cmd+Q", {}},
                                     }},
                                    {"EditMenu",
                                     "MenuItem",
                                     "&Edit",
                                     "",
                                     {
                                         {"EditUndo", "MenuItem", "&Undo", "Cmd+Z", {}},
                                         {"UntitledMenu1", "MenuItem", "-", std::nullopt, {}},
                                         {"EditCut", "MenuItem", "Cu&t", "Cmd+X", {}},
                                         {"EditCopy", "MenuItem", "&Copy", "Cmd+C", {}},
                                         {"EditPaste", "MenuItem", "&Paste", "Cmd+V", {}},
                                         {"EditClear", "MenuItem", "&Delete", "", {}},
                                         {"UntitledMenu0", "MenuItem", "-", std::nullopt, {}},
                                         {"EditSelectAll", "MenuItem", "Select &All", "Cmd+A", {}},
                                     }},
                                }};

void ExpectItem(const MenuItem& item, const ExpectedItem& expected) {
    SCOPED_TRACE(expected.name);
    EXPECT_EQ(item.ClassName(), expected.className);
    EXPECT_EQ(item.Value(), expected.caption);
    EXPECT_EQ(item.ShortcutWritten(), expected.shortcut.has_value());
    EXPECT_EQ(item.Shortcut(), expected.shortcut.value_or(""));
    ASSERT_EQ(item.Count(), expected.children.size());
    for (std::size_t i = 0; i < expected.children.size(); ++i) {
        const auto& child = *item.Children()[i];
        EXPECT_EQ(child.Name(), expected.children[i].name);
        EXPECT_TRUE(child.AutoEnabled());
        EXPECT_TRUE(child.Visible());
        ExpectItem(child, expected.children[i]);
    }
}

class MenuBar1Test : public ::testing::Test {
  protected:
    void SetUp() override { MenuBar1::implicitInstance.reset(); }
    void TearDown() override {
        MenuBar1::buildProbe = nullptr;
        MenuBar1::implicitInstance.reset();
    }
};

TEST_F(MenuBar1Test, BuildsTheWholeTreeInOrder) {
    auto bar = MenuBar1::Instance();
    ASSERT_NE(bar, nullptr);
    ExpectItem(*bar, kExpectedBar);
    EXPECT_EQ(bar->Child("FileMenu"), bar->Children()[1]);
    EXPECT_EQ(bar->Child("EditMenu"), bar->Children()[2]);
    EXPECT_EQ(bar->Child("NoSuchMenu"), nullptr);
}

TEST_F(MenuBar1Test, SecondRequestAnswersTheSameBarAndBuildsNothing) {
    auto first = MenuBar1::Instance();
    int itemsBuilt = 0;
    MenuBar1::buildProbe = [&](const std::string&) { ++itemsBuilt; };
    auto second = MenuBar1::Instance();
    EXPECT_EQ(first, second);
    EXPECT_EQ(itemsBuilt, 0);
    EXPECT_EQ(second->Count(), 3u);
}

TEST_F(MenuBar1Test, FailurePartWayKeepsTheSlotEmptyAndTheNextRequestBuildsAWholeBar) {
    // Each item with the number of items built before it.
    const std::vector<std::pair<std::string, std::size_t>> faults{
        {"aboutItem", 0}, {"FilePrint", 4}, {"EditMenu", 6}, {"EditSelectAll", 14}};
    for (const auto& [failingItem, builtBefore] : faults) {
        SCOPED_TRACE(failingItem);
        std::vector<std::string> built;
        MenuBar1::buildProbe = [&](const std::string& name) {
            if (name == failingItem) {
                throw std::runtime_error("build fault");
            }
            built.push_back(name);
        };
        EXPECT_THROW(MenuBar1::Instance(), std::runtime_error);
        EXPECT_EQ(MenuBar1::implicitInstance, nullptr);
        EXPECT_EQ(built.size(), builtBefore);

        MenuBar1::buildProbe = nullptr;
        auto bar = MenuBar1::Instance();
        EXPECT_EQ(MenuBar1::implicitInstance, bar);
        ExpectItem(*bar, kExpectedBar);
        MenuBar1::implicitInstance.reset();
    }
}

TEST(BuildMenuRows, ARowWhoseMenuIsMissingRaisesNilObject) {
    constexpr std::array<MenuRow, 2> rows{{
        {"", MenuItemClass::Item, "FileMenu", "&File", ""},
        {"EditMenu", MenuItemClass::Item, "EditUndo", "&Undo", "Cmd+Z"},
    }};
    MenuBar bar;
    EXPECT_THROW(BuildMenuRows(bar, rows), NilObjectException);
    ASSERT_EQ(bar.Count(), 1u);
    EXPECT_EQ(bar.Children()[0]->Count(), 0u);
}

} // namespace
