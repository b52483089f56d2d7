#include "Menu.h"

#include "Exceptions.h"
#include "Runtime.h"

#include <algorithm>

void MenuItem::SetShortcut(std::string shortcut) {
    shortcut_ = std::move(shortcut);
    shortcutWritten_ = true;
}

void MenuItem::AddMenu(std::shared_ptr<MenuItem> item) {
    if (!item) {
        throw NilObjectException("AddMenu: the item is nil");
    }
    children_.push_back(std::move(item));
}

std::shared_ptr<MenuItem> MenuItem::Child(std::string_view name) const {
    auto found = std::find_if(children_.begin(), children_.end(),
                              [name](const auto& child) { return child->Name() == name; });
    return found == children_.end() ? nullptr : *found;
}

bool QuitMenuItem::Action() {
    Quit(0);
    return true;
}
