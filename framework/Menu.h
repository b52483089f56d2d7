#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One entry of a menu tree: a menu bar, a menu, a command or a separator (caption "-").
// A parent holds every item appended to it; nothing else needs to keep a reference.
class MenuItem {
  public:
    MenuItem() = default;
    virtual ~MenuItem() = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    // The argument-less constructor that a program's subclass overrides to build its items.
    virtual void Constructor() {}
    virtual std::string_view ClassName() const { return "MenuItem"; }

    // The item's own action when chosen and no handler took it; true when it did something.
    virtual bool Action() { return false; }
    // True when the item acts by itself, without a handler bound to its name.
    virtual bool HasOwnAction() const { return false; }

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    const std::string& Value() const { return value_; }
    void SetValue(std::string caption) { value_ = std::move(caption); }
    const std::string& Shortcut() const { return shortcut_; }
    void SetShortcut(std::string shortcut);
    // Whether Shortcut was ever set, even to the empty string.
    bool ShortcutWritten() const { return shortcutWritten_; }
    bool AutoEnabled() const { return autoEnabled_; }
    void SetAutoEnabled(bool value) { autoEnabled_ = value; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }

    bool IsSeparator() const { return value_ == "-"; }

    // Appends the item as the last entry; a nil item raises NilObjectException.
    void AddMenu(std::shared_ptr<MenuItem> item);
    // The direct entry of that name, or nullptr.
    std::shared_ptr<MenuItem> Child(std::string_view name) const;
    std::size_t Count() const { return children_.size(); }
    const std::vector<std::shared_ptr<MenuItem>>& Children() const { return children_; }

  private:
    std::string name_;
    std::string value_;
    std::string shortcut_;
    bool shortcutWritten_ = false;
    bool autoEnabled_ = false;
    bool visible_ = true;
    std::vector<std::shared_ptr<MenuItem>> children_;
};

// The application's about/preferences item; the platform may move it to its application menu.
class PrefsMenuItem : public MenuItem {
  public:
    std::string_view ClassName() const override { return "PrefsMenuItem"; }
};

// The platform's quit command: choosing it quits the application with exit code 0.
class QuitMenuItem : public MenuItem {
  public:
    std::string_view ClassName() const override { return "QuitMenuItem"; }
    bool Action() override;
    bool HasOwnAction() const override { return true; }
};

// The root of a menu tree: its entries are the menus (and items) shown on the bar itself.
class MenuBar : public MenuItem {
  public:
    std::string_view ClassName() const override { return "MenuBar"; }
};
