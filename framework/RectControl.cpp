#include "RectControl.h"

#include "PressCutOff.h"
#include "PropertyValues.h"
#include "UiThread.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

int ToPixels(Int64 value) {
    return static_cast<int>(std::clamp<Int64>(value, -(1 << 24), 1 << 24));
}

Int64 PixelOf(double coordinate) {
    return static_cast<Int64>(std::floor(coordinate));
}

} // namespace

// Turns a widget's mouse events into the control's. After a MouseDown that answers True the
// press owns the mouse (Qt's implicit grab) and drags and the release follow it anywhere. Every
// such press ends with exactly one MouseUp: at the release, or, as a cancelled press, where it
// was last seen when the mouse is taken from it first or a later event shows its release was
// lost.
class ControlEventFilter : public QObject {
  public:
    ControlEventFilter(RectControl& control, QObject* parent)
        : QObject(parent), control_(control),
          cutOff_([this] { EndPress(last_, Ending::Cancelled); }) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != control_.widget_) {
            return false;
        }
        switch (event->type()) {
        case QEvent::Enter:
            control_.RaiseMouseEnter();
            return false;
        case QEvent::Leave:
            control_.RaiseMouseExit();
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return Press(static_cast<QMouseEvent&>(*event));
        case QEvent::MouseMove:
            return Move(static_cast<QMouseEvent&>(*event));
        case QEvent::MouseButtonRelease:
            return Release(static_cast<QMouseEvent&>(*event));
        default:
            return false;
        }
    }

  private:
    using Position = std::pair<Int64, Int64>;
    static Position At(const QMouseEvent& e) {
        return {PixelOf(e.position().x()), PixelOf(e.position().y())};
    }

    bool Press(QMouseEvent& e) {
        if (e.button() != Qt::LeftButton || !control_.HasMouseButtonEvents()) {
            return false;
        }
        EndPress(last_, Ending::Cancelled);
        last_ = At(e);
        // Watched from before MouseDown: its handler may itself open a window that takes the
        // mouse, and then the release never comes here.
        cutOff_.Start(control_.widget_);
        if (!control_.RaiseMouseDown(last_.first, last_.second)) {
            cutOff_.Stop();
        } else {
            pressed_ = true;
            if (!cutOff_.Watching()) {
                EndPress(last_, Ending::Cancelled); // the mouse was taken while MouseDown ran
            }
        }
        e.accept();
        return true;
    }

    bool Move(QMouseEvent& e) {
        const Position at = At(e);
        if ((e.buttons() & Qt::LeftButton) == 0) {
            // The button is up, so a press still open lost its release somewhere.
            EndPress(at, Ending::Cancelled);
            control_.RaiseMouseMove(at.first, at.second);
            return false;
        }
        if (pressed_) {
            last_ = at;
            control_.RaiseMouseDrag(at.first, at.second);
        }
        return control_.HasMouseButtonEvents();
    }

    bool Release(QMouseEvent& e) {
        if (e.button() != Qt::LeftButton || !control_.HasMouseButtonEvents()) {
            return false;
        }
        EndPress(At(e), Ending::Released);
        return true;
    }

    enum class Ending { Released, Cancelled };

    // Raises MouseUp for an accepted press that has not ended yet; nothing otherwise.
    void EndPress(Position at, Ending ending) {
        cutOff_.Stop();
        if (std::exchange(pressed_, false)) {
            struct CancelMark {
                bool& flag;
                ~CancelMark() { flag = false; }
            } mark{control_.pressCancelled_};
            control_.pressCancelled_ = ending == Ending::Cancelled;
            control_.RaiseMouseUp(at.first, at.second);
        }
    }

    RectControl& control_;
    bool pressed_ = false;
    Position last_;
    PressCutOffWatch cutOff_;
};

RectControl::RectControl(std::string_view className, QWidget* widget) : widget_(widget) {
    RequireMainThread(std::string(className) + " construction");
    widget_->setMouseTracking(true);
    filter_ = new ControlEventFilter(*this, widget_);
    widget_->installEventFilter(filter_);
}

RectControl::~RectControl() {
    if (widget_ != nullptr) {
        // The derived parts are gone: nothing may reach the control while the widget dies.
        widget_->blockSignals(true);
        delete filter_;
        delete widget_.data();
    }
}

bool RectControl::Enabled() const {
    return widget_ != nullptr && widget_->isEnabled();
}

void RectControl::Refresh(bool /*eraseBackground*/) {
    RequireUiThread();
    ++repaintRequests_;
    if (widget_ != nullptr) {
        RunRaising([this] { widget_->repaint(); });
    }
}

void RectControl::Invalidate(bool /*eraseBackground*/) {
    RequireUiThread();
    ++repaintRequests_;
    if (widget_ != nullptr) {
        widget_->update();
    }
}

void RectControl::SetMouseCursor(MouseCursor cursor) {
    RequireUiThread();
    static constexpr Qt::CursorShape kShapes[] = {Qt::ArrowCursor, Qt::OpenHandCursor,
                                                  Qt::PointingHandCursor};
    widget_->setCursor(kShapes[static_cast<int>(cursor)]);
}

MouseCursor RectControl::Cursor() const {
    switch (widget_->cursor().shape()) {
    case Qt::OpenHandCursor:
        return MouseCursor::HandOpen;
    case Qt::PointingHandCursor:
        return MouseCursor::FingerPointer;
    default:
        return MouseCursor::StandardPointer;
    }
}

void RectControl::RequireUiThread() const {
    // The name is only built for the refusal: value setters run often.
    if (!OnMainThread()) {
        RequireMainThread(ClassName() + " '" + name_ + "'");
    }
}

void RectControl::ApplyProperty(const DesignEntry& entry) {
    RequireUiThread();
    const std::string key = LowerKey(entry.key);
    if (ApplyClassProperty(key, entry)) {
        return;
    }
    if (font_.Apply(key, entry)) {
        ApplyFont(font_.ToQFont());
    } else if (key == "name") {
        name_ = AsString(entry);
        widget_->setObjectName(QString::fromStdString(name_));
    } else if (key == "left") {
        left_ = AsInteger(entry);
    } else if (key == "top") {
        top_ = AsInteger(entry);
    } else if (key == "width") {
        width_ = std::max<Int64>(0, AsInteger(entry));
    } else if (key == "height") {
        height_ = std::max<Int64>(0, AsInteger(entry));
    } else if (key == "enabled") {
        widget_->setEnabled(AsBool(entry));
    } else if (key == "visible") {
        visible_ = AsBool(entry);
        widget_->setVisible(visible_);
    } else if (key == "tooltip") {
        widget_->setToolTip(QString::fromStdString(AsString(entry)));
    }
    // Every other key of the class (locks, tab order, data binding, transparency) has no
    // effect in a fixed, non-resizable window.
    ApplyGeometry();
}

void RectControl::ApplyFont(const QFont& font) {
    widget_->setFont(font);
}

void RectControl::Bind(int eventNumber, Delegate delegate) {
    handlers_[eventNumber] = std::move(delegate);
}

const Delegate* RectControl::Handler(int eventNumber) const {
    auto found = handlers_.find(eventNumber);
    return found == handlers_.end() ? nullptr : &found->second;
}

void RectControl::AttachTo(Window& window, QWidget* content) {
    window_ = &window;
    container_ = nullptr;
    widget_->setParent(content);
    ApplyGeometry();
    widget_->setVisible(visible_);
}

void RectControl::PlaceIn(RectControl* container) {
    container_ = container;
    if (container != nullptr) {
        widget_->setParent(container->ChildArea());
    }
    ApplyGeometry();
    widget_->setVisible(visible_);
}

void RectControl::ApplyGeometry() {
    // Qt places a child relative to its parent; designs give window coordinates.
    const Int64 originX = container_ != nullptr ? container_->Left() : 0;
    const Int64 originY = container_ != nullptr ? container_->Top() : 0;
    widget_->setGeometry(ToPixels(left_ - originX), ToPixels(top_ - originY), ToPixels(width_),
                         ToPixels(height_));
}
