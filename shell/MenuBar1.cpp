#include "MenuBar1.h"

#include "EventQuery.h"
#include "Exceptions.h"

#include <array>

namespace {

constexpr std::optional<std::string_view> kNotSet = std::nullopt;

constexpr std::array<MenuRow, 1> kAboutRows{{
    {"", MenuItemClass::Prefs, "aboutItem", "About ...", ""},
}};

constexpr std::array<MenuRow, 5> kFileRows{{
    {"", MenuItemClass::Item, "FileMenu", "&File", ""},
    {"FileMenu", MenuItemClass::Item, "UntitledSeparator", "-", kNotSet},
    {"FileMenu", MenuItemClass::Item, "FilePageSetup", "Page Setup ...", ""},
    {"FileMenu", MenuItemClass::Item, "FilePrint", "Print ...", "Cmd+P"},
    {"FileMenu", MenuItemClass::Quit, "FileQuit", "&Quit", "Cmd+Q"},
}};

constexpr std::array<MenuRow, 9> kEditRows{{
    {"", MenuItemClass::Item, "EditMenu", "&Edit", ""},
    {"EditMenu", MenuItemClass::Item, "EditUndo", "&Undo", "Cmd+Z"},
    {"EditMenu", MenuItemClass::Item, "UntitledMenu1", "-", kNotSet},
    {"EditMenu", MenuItemClass::Item, "EditCut", "Cu&t", "Cmd+X"},
    {"EditMenu", MenuItemClass::Item, "EditCopy", "&Copy", "Cmd+C"},
    {"EditMenu", MenuItemClass::Item, "EditPaste", "&Paste", "Cmd+V"},
    {"EditMenu", MenuItemClass::Item, "EditClear", "&Delete", ""},
    {"EditMenu", MenuItemClass::Item, "UntitledMenu0", "-", kNotSet},
    {"EditMenu", MenuItemClass::Item, "EditSelectAll", "Select &All", "Cmd+A"},
}};

std::shared_ptr<MenuItem> NewItem(MenuItemClass itemClass) {
    std::shared_ptr<MenuItem> item;
    switch (itemClass) {
    case MenuItemClass::Item:
        item = std::make_shared<MenuItem>();
        break;
    case MenuItemClass::Prefs:
        item = std::make_shared<PrefsMenuItem>();
        break;
    case MenuItemClass::Quit:
        item = std::make_shared<QuitMenuItem>();
        break;
    }
    item->Constructor();
    return item;
}

void BuildRow(MenuItem& bar, const MenuRow& row) {
    if (MenuBar1::buildProbe) {
        MenuBar1::buildProbe(std::string(row.name));
    }
    auto item = NewItem(row.itemClass);
    item->SetName(std::string(row.name));
    item->SetAutoEnabled(true);
    item->SetValue(std::string(row.caption));
    item->SetVisible(true);
    if (row.shortcut) {
        item->SetShortcut(std::string(*row.shortcut));
    }
    if (row.parent.empty()) {
        bar.AddMenu(std::move(item));
        return;
    }
    auto menu = bar.Child(row.parent);
    if (!menu) {
        throw NilObjectException("No menu named " + std::string(row.parent));
    }
    menu->AddMenu(std::move(item));
}

} // namespace

std::shared_ptr<MenuBar1> MenuBar1::implicitInstance;
std::function<void(const std::string&)> MenuBar1::buildProbe;

std::shared_ptr<MenuBar1> MenuBar1::Instance() {
    if (!implicitInstance) {
        auto bar = std::make_shared<MenuBar1>();
        bar->Constructor();
        implicitInstance = std::move(bar);
    }
    return implicitInstance;
}

void MenuBar1::Constructor() {
    Untitled0();
    Untitled1();
    Untitled2();
}

void MenuBar1::Untitled0() {
    BuildMenuRows(*this, kAboutRows);
}

void MenuBar1::Untitled1() {
    BuildMenuRows(*this, kFileRows);
}

void MenuBar1::Untitled2() {
    BuildMenuRows(*this, kEditRows);
}

void BuildMenuRows(MenuItem& bar, std::span<const MenuRow> rows) {
    for (const auto& row : rows) {
        BuildRow(bar, row);
    }
}

void RegisterMenuBar1Class() {
    RegisterHandledEvents("MenuBar1.MenuBar1", {});
}
