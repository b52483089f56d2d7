#pragma once

#include "Menu.h"

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The application's menu bar: the About item, the File menu and the Edit menu. It only declares
// the items; windows bind handlers to them by name.
class MenuBar1 : public MenuBar {
  public:
    // The single instance, built on the first request.
    static std::shared_ptr<MenuBar1> Instance();
    // Holds the single instance; set only once a bar was built whole.
    static std::shared_ptr<MenuBar1> implicitInstance;

    std::string_view ClassName() const override { return "MenuBar1.MenuBar1"; }

    void Constructor() override;
    virtual void Untitled0();
    virtual void Untitled1();
    virtual void Untitled2();

    // Called with each item's name before the item is built; a test may throw from it to make a
    // build fail part way. Empty in the program.
    static std::function<void(const std::string& itemName)> buildProbe;
};

// The framework class of an item: MenuItem, PrefsMenuItem or QuitMenuItem.
enum class MenuItemClass { Item, Prefs, Quit };

// One item to build. parent is empty for an entry of the bar itself, else the name of the bar's
// menu that holds it; shortcut is nothing for items whose Shortcut is never written.
struct MenuRow {
    std::string_view parent;
    MenuItemClass itemClass;
    std::string_view name;
    std::string_view caption;
    std::optional<std::string_view> shortcut;
};

// Builds the rows one after another, each whole before the next, on the bar or on the bar's menu
// of the row's parent name (looked up for every row; NilObjectException when there is none).
void BuildMenuRows(MenuItem& bar, std::span<const MenuRow> rows);

// Registers MenuBar1's (empty) table of handled events with the framework.
void RegisterMenuBar1Class();
