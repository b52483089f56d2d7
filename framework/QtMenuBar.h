#pragma once

#include <QKeySequence>

#include <functional>
#include <string>
#include <string_view>

class MenuBar;
class QMenuBar;
class QWidget;

// The handler bound to a menu item's name (an empty function when none is); it answers true
// when it handled the command.
using MenuHandlerLookup = std::function<std::function<bool()>(const std::string& itemName)>;

// Turns a shortcut text such as "Cmd+P" into a key sequence; Cmd is Qt's Ctrl, which is the
// Command key on macOS. An empty text gives an empty sequence.
QKeySequence ShortcutToKeySequence(std::string_view shortcut);

// Builds the Qt menu bar for a menu tree. Entries with children become menus, childless entries
// of the bar become actions on the bar itself, captions of "-" become separators; every action
// and menu carries its item's name as objectName. An AutoEnabled item is enabled while
// handlerFor finds a handler for it (asked again each time its menu opens); choosing it runs
// that handler, then the item's own action unless the handler answered true. The standard edit
// items work on the line edit that has the focus in the bar's window while that window is
// active, and on nothing otherwise; they are enabled when a menu opens with such a line edit.
QMenuBar* BuildQtMenuBar(const MenuBar& bar, QWidget* parent, MenuHandlerLookup handlerFor);

// Asks again which actions of a bar built by BuildQtMenuBar are enabled.
void UpdateQtMenuBarEnabling(QMenuBar* bar);
