#pragma once

#include "ClassVerify.h"
#include "DesignList.h"
#include "RectControl.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QMenuBar;
class QScrollArea;
class QVBoxLayout;
class QWidget;
class WindowWidget;

// A top-level window: a fixed content area holding named controls, with room for a menu bar
// above it. A program window derives from it and handles the construction events. Where its
// screen's available area is too small for it, the window fits that area and its content
// scrolls, keeping its size.
class Window {
  public:
    static constexpr const char* kClassName = "Window";

    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    virtual std::string ClassName() const { return kClassName; }

    // Builds the window: Layout, CreateControls, AddMenuHandlers, then Open, and shows it when
    // its design says Visible. It is in the registry of open windows from the start; when a
    // step raises, it leaves the registry, stays hidden and the exception passes on.
    void Constructor();
    void Show();
    // Closes it; a window the framework owns is destroyed once the close event is over.
    void Close();
    bool IsOpen() const { return open_; }

    // A new control of that class for this window, and its registration under a name.
    std::unique_ptr<RectControl> New(std::string_view className);
    RectControl& AddControl(std::string name, std::unique_ptr<RectControl> control);
    // The control of that name, or nullptr.
    RectControl* ControlByName(std::string_view name) const;
    const std::vector<RectControl*>& Controls() const { return order_; }
    // The control of that name as a T, class-verified.
    template <class T> T& Control(std::string_view name) const {
        return ClassVerify<T>(ControlByName(name), name);
    }

    // Menu commands of this window, by menu item name.
    void AddMenuHandler(std::string itemName, std::function<bool()> handler);
    const std::function<bool()>* MenuHandler(std::string_view itemName) const;
    // Runs the handler at the dispatch boundary; false when there is none or it raised.
    bool HandleMenuItem(std::string_view itemName);

    // Design values.
    Int64 Width() const { return width_; }
    Int64 Height() const { return height_; }
    std::string Title() const;
    bool Resizeable() const { return resizeable_; }

    // Qt side, for the framework and tests.
    QWidget* Widget() const;
    QWidget* ContentWidget() const { return content_; }
    // The view onto the content; it scrolls only where the screen leaves too little room.
    QScrollArea* ContentView() const { return view_; }
    // Puts a menu bar above the content area; the content keeps its size.
    void SetMenuBar(QWidget* menuBar);
    // The application's menu bar as this window shows it; nullptr when its design hides it or
    // there was no application menu bar when its design was applied.
    QMenuBar* AppMenuBar() const { return menuBar_; }

    // Framework side: design values (SetProperties) and the close notification.
    void ApplyProperty(const DesignEntry& entry);
    void FinishProperties();
    void HandleClosed();

  protected:
    // The window's construction events; the defaults do nothing.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers(Window& /*window*/) {}
    virtual void Open() {}

  private:
    void ApplyFrame();
    // Sizes the window to its content or, where its screen's available area is too small, to
    // that area, with the content scrolling; then moves its frame inside that area.
    void FitToScreen();
    // Where the platform does not know the area the desktop leaves the window and the window
    // does not fit its screen, lets the compositor size it.
    void LeaveSizeToCompositor(QSize normal);
    void InstallAppMenuBar();

    WindowWidget* widget_;
    QWidget* content_;
    QScrollArea* view_;
    QVBoxLayout* layout_;
    QMenuBar* menuBar_ = nullptr;
    std::vector<std::unique_ptr<RectControl>> controls_;
    std::vector<RectControl*> order_;
    std::vector<std::pair<std::string, std::function<bool()>>> menuHandlers_;
    Int64 width_ = 100, height_ = 100;
    Int64 minWidth_ = 64, minHeight_ = 64, maxWidth_ = 32000, maxHeight_ = 32000;
    Int64 defaultLocation_ = 0;
    bool hasClose_ = true, hasMinimize_ = true, hasMaximize_ = true;
    bool resizeable_ = true;
    bool visible_ = true;
    bool menuBarVisible_ = false;
    bool open_ = false;
    // The window has had its first size.
    bool sized_ = false;
    bool compositorSized_ = false;
};

// Applies a design property list, decoded for the object's class, entry by entry. A control's
// InitialParent places it in the named container of its window, which must exist.
void SetProperties(Window& window, std::string_view list);
void SetProperties(RectControl& control, std::string_view list);
