#pragma once

#include "ControlEvents.h"
#include "ControlFont.h"
#include "Delegate.h"
#include "DesignList.h"
#include "Dispatch.h"
#include "MouseCursor.h"
#include "Types.h"
#include "UiThread.h"

#include <QPointer>
#include <QWidget>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QFont;
class QWidget;
class Window;

// A control of a window: a rectangle at a place given in window coordinates, over one Qt
// widget that it owns. Its events are raised through the delegates bound to them.
class RectControl {
  public:
    virtual ~RectControl();
    RectControl(const RectControl&) = delete;
    RectControl& operator=(const RectControl&) = delete;

    virtual std::string ClassName() const = 0;
    // The class's event list; an event's number is its place in it.
    virtual const std::vector<EventInfo>& Events() const = 0;
    virtual bool IsContainer() const { return false; }

    const std::string& Name() const { return name_; }
    // Window coordinates: pixels from the top-left corner of the window's content area.
    Int64 Left() const { return left_; }
    Int64 Top() const { return top_; }
    Int64 Width() const { return width_; }
    Int64 Height() const { return height_; }
    bool Enabled() const;
    bool Visible() const { return visible_; }
    // The text font as the design gives it, whatever size a label shows to fit its text.
    const ControlFont& Font() const { return font_; }

    // Repaints at once (a canvas through its Paint event), before returning.
    void Refresh(bool eraseBackground = true);
    // Asks for a repaint when the event loop next gets to it.
    void Invalidate(bool eraseBackground = true);
    // Refresh and Invalidate calls so far.
    int RepaintRequests() const { return repaintRequests_; }

    // True only while the MouseUp of a cancelled press runs: a press the framework ended itself
    // because its release will not come here (a dialog, a popup or hiding took the mouse, or
    // the release went elsewhere). What acts on a release, as a click does, must not act then.
    bool PressCancelled() const { return pressCancelled_; }

    void SetMouseCursor(MouseCursor cursor);
    MouseCursor Cursor() const;

    QWidget* Widget() const { return widget_; }
    Window* OwnerWindow() const { return window_; }
    // The container the control stands in; nullptr for the window itself.
    RectControl* Container() const { return container_; }

    // Framework side: design values, bindings and placement.
    void ApplyProperty(const DesignEntry& entry);
    // After a whole design list: values that depend on others (a slider's value on its range).
    virtual void FinishProperties() {}
    void Bind(int eventNumber, Delegate delegate);
    const Delegate* Handler(int eventNumber) const;
    void AttachTo(Window& window, QWidget* content);
    void PlaceIn(RectControl* container);

  protected:
    RectControl(std::string_view className, QWidget* widget);

    virtual bool ApplyClassProperty(std::string_view /*lowerKey*/, const DesignEntry& /*entry*/) {
        return false;
    }
    virtual void ApplyFont(const QFont& font);
    // The widget that holds a container's contents.
    virtual QWidget* ChildArea() const { return widget_; }

    // Raises the event with the bound delegate, if any, at the dispatch boundary. Answers the
    // handler's result (std::monostate for none), or nothing when unbound or when it raised.
    template <class Sig, class... A> auto Fire(int number, A&&... args) {
        using R = typename std::function<Sig>::result_type;
        const Delegate* delegate = Handler(number);
        if (delegate == nullptr) {
            return std::optional<ProgramResult<R>>{};
        }
        // A copy: the handler may rebind its own event.
        auto call = std::any_cast<std::function<Sig>>(delegate->callable);
        return CallProgram([&]() -> R { return call(std::forward<A>(args)...); });
    }

    // Refuses a call from any thread but the main one, naming the control.
    void RequireUiThread() const;

    // Runs a Qt call that raises program events, rethrowing what they raised to the caller.
    template <class F> void RunRaising(F&& qtCall) {
        RequireUiThread();
        ScopedExceptionCapture capture;
        std::forward<F>(qtCall)();
        capture.RethrowIfAny();
    }

    // Mouse events, raised by the widget's event filter.
    virtual void RaiseMouseEnter() = 0;
    virtual void RaiseMouseExit() = 0;
    virtual void RaiseMouseMove(Int64 x, Int64 y) = 0;
    virtual bool HasMouseButtonEvents() const { return false; }
    virtual bool RaiseMouseDown(Int64 /*x*/, Int64 /*y*/) { return false; }
    virtual void RaiseMouseDrag(Int64 /*x*/, Int64 /*y*/) {}
    virtual void RaiseMouseUp(Int64 /*x*/, Int64 /*y*/) {}

  private:
    friend class ControlEventFilter;
    void ApplyGeometry();

    std::string name_;
    QPointer<QWidget> widget_;
    QObject* filter_ = nullptr; // owned by the widget
    Window* window_ = nullptr;
    RectControl* container_ = nullptr;
    Int64 left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool pressCancelled_ = false;
    ControlFont font_;
    int repaintRequests_ = 0;
    std::map<int, Delegate> handlers_;
};

// A control's widget, made only after the main-thread check (making a widget off the main
// thread is already fatal in Qt).
template <class W, class... A> W* MakeControlWidget(std::string_view className, A&&... args) {
    RequireMainThread(std::string(className) + " construction");
    return new W(std::forward<A>(args)...);
}

// The typed part of every control class: its class name, its event list and its mouse events.
// Derived names kClassName and OwnEvents(); Canvas and Label add kMouseDown, kMouseDrag
// and kMouseUp.
template <class Derived> class ControlOf : public RectControl {
  public:
    std::string ClassName() const override { return Derived::kClassName; }
    const std::vector<EventInfo>& Events() const override {
        static const std::vector<EventInfo> events = [] {
            std::vector<EventInfo> list = CommonEvents<Derived>(Derived::kClassName);
            for (EventInfo& own : Derived::OwnEvents()) {
                list.push_back(std::move(own));
            }
            return list;
        }();
        return events;
    }

  protected:
    explicit ControlOf(QWidget* widget) : RectControl(Derived::kClassName, widget) {}
    Derived& Self() { return static_cast<Derived&>(*this); }

    using Point = void(Derived&, Int64, Int64);
    // Evaluated in member bodies only, once Derived is complete.
    static constexpr bool HasButtons() {
        return requires {
            Derived::kMouseDown;
        };
    }

    void RaiseMouseEnter() override { Fire<void(Derived&)>(CommonEvent::MouseEnter, Self()); }
    void RaiseMouseExit() override { Fire<void(Derived&)>(CommonEvent::MouseExit, Self()); }
    void RaiseMouseMove(Int64 x, Int64 y) override {
        Fire<Point>(CommonEvent::MouseMove, Self(), x, y);
    }
    bool HasMouseButtonEvents() const override { return HasButtons(); }
    bool RaiseMouseDown(Int64 x, Int64 y) override {
        if constexpr (HasButtons()) {
            return Fire<bool(Derived&, Int64, Int64)>(Derived::kMouseDown, Self(), x, y)
                .value_or(false);
        }
        return false;
    }
    void RaiseMouseDrag(Int64 x, Int64 y) override {
        if constexpr (HasButtons()) {
            Fire<Point>(Derived::kMouseDrag, Self(), x, y);
        }
    }
    void RaiseMouseUp(Int64 x, Int64 y) override {
        if constexpr (HasButtons()) {
            Fire<Point>(Derived::kMouseUp, Self(), x, y);
        }
    }
};
