#include "Window.h"

#include "Application.h"
#include "ControlFactory.h"
#include "Dispatch.h"
#include "PropertyValues.h"
#include "QtMenuBar.h"
#include "Runtime.h"
#include "ScreenFit.h"
#include "UiThread.h"
#include "WindowRegistry.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <climits>
#include <string>
#include <utility>

namespace {

// The states in which the window manager chooses the window's size.
constexpr Qt::WindowStates kSizedByManager = Qt::WindowFullScreen | Qt::WindowMaximized;

} // namespace

// The window's widget. It tells its owner when it is closed, and asks it to fit the window again
// when it is shown, goes to another screen, that screen's available area changes, or the window
// manager's frame around it changes (it is known only once the window is mapped, and changes
// with full screen and back).
class WindowWidget : public QWidget {
  public:
    WindowWidget(std::function<void()> closed, std::function<void()> fit)
        : closed_(std::move(closed)), fit_(std::move(fit)) {}

  protected:
    void closeEvent(QCloseEvent* event) override {
        QWidget::closeEvent(event);
        if (event->isAccepted()) {
            closed_();
        }
    }

    // Sent before the window is mapped: it appears at its fitted size. Once the platform has
    // made it visible, the frame may be known.
    void showEvent(QShowEvent* event) override {
        QWidget::showEvent(event);
        WatchScreen();
        Fit();
        QMetaObject::invokeMethod(
            this, [this] { FitIfFrameChanged(); }, Qt::QueuedConnection);
    }

    // A window of a fixed size refuses full screen and maximised, whoever asks for them, and
    // goes back to its place with its frame (the window manager may leave it elsewhere).
    void changeEvent(QEvent* event) override {
        QWidget::changeEvent(event);
        if (event->type() != QEvent::WindowStateChange) {
            return;
        }
        KeepWithinMaximised();
        if ((windowState() & kSizedByManager) && minimumSize() == maximumSize()) {
            const QPoint place = pos();
            QMetaObject::invokeMethod(
                this,
                [this, place] {
                    setWindowState(windowState() & ~kSizedByManager);
                    move(place);
                },
                Qt::QueuedConnection);
        }
    }

    void moveEvent(QMoveEvent* event) override {
        QWidget::moveEvent(event);
        FitIfFrameChanged();
    }

    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        FitIfFrameChanged();
        KeepWithinMaximised();
    }

    // The platform window's exposure: the window manager has mapped and framed it.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == watched_ && event->type() == QEvent::Expose) {
            FitIfFrameChanged();
        }
        return QWidget::eventFilter(watched, event);
    }

  private:
    QMargins Frame() const {
        const QWindow* handle = windowHandle();
        return handle != nullptr ? handle->frameMargins() : QMargins();
    }

    void Fit() {
        fittedFrame_ = Frame();
        fit_();
    }

    void FitIfFrameChanged() {
        if (isVisible() && Frame() != fittedFrame_) {
            Fit();
        }
    }

    // A maximised window is given the area the desktop leaves it, which is all a Wayland client
    // learns of its panels: made normal again, the window is no larger than that area. It looks
    // once Qt has applied both the new size and the new state, which come in either order.
    void KeepWithinMaximised() {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isMaximized()) {
                    maximised_ = size();
                } else if (!(windowState() & (Qt::WindowFullScreen | Qt::WindowMinimized)) &&
                           !maximised_.isEmpty() && size().boundedTo(maximised_) != size()) {
                    resize(size().boundedTo(maximised_));
                }
            },
            Qt::QueuedConnection);
    }

    // The screen's signals come while Qt is still applying the change (a new scale reaches the
    // window's geometry after them): the fit waits until it is done.
    void WatchScreen() {
        QWindow* handle = windowHandle();
        if (handle == nullptr || handle == watched_) {
            return;
        }
        watched_ = handle;
        handle->installEventFilter(this);
        connect(
            handle, &QWindow::screenChanged, this,
            [this] {
                WatchArea(watched_ != nullptr ? watched_->screen() : nullptr);
                Fit();
            },
            Qt::QueuedConnection);
        WatchArea(handle->screen());
    }

    void WatchArea(QScreen* screen) {
        disconnect(areaWatch_);
        if (screen != nullptr) {
            areaWatch_ = connect(
                screen, &QScreen::availableGeometryChanged, this, [this] { Fit(); },
                Qt::QueuedConnection);
        }
    }

    std::function<void()> closed_;
    std::function<void()> fit_;
    // The frame that the last fit allowed for.
    QMargins fittedFrame_;
    // The size the window had when it was last maximised.
    QSize maximised_;
    QPointer<QWindow> watched_;
    QMetaObject::Connection areaWatch_;
};

namespace {

int ToInt(Int64 value) {
    return static_cast<int>(std::clamp<Int64>(value, 0, 1 << 24));
}

} // namespace

Window::Window() {
    RequireMainThread("Window construction");
    widget_ = new WindowWidget([this] { HandleClosed(); }, [this] { FitToScreen(); });
    content_ = new QWidget(widget_);
    view_ = new QScrollArea(widget_);
    view_->setFrameShape(QFrame::NoFrame);
    // No stop of its own in the tab order: tabbing goes from control to control as before.
    view_->setFocusPolicy(Qt::NoFocus);
    view_->setWidget(content_);
    // The content paints as it would straight on the window.
    content_->setAutoFillBackground(false);
    layout_ = new QVBoxLayout(widget_);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addWidget(view_);
    ApplyFrame();
}

Window::~Window() {
    UnregisterOpenWindow(*this);
    // Contents before their containers: the reverse of creation order.
    while (!controls_.empty()) {
        controls_.pop_back();
    }
    delete widget_;
}

void Window::Constructor() {
    RequireMainThread("Window.Constructor");
    RegisterOpenWindow(*this);
    open_ = true;
    try {
        Layout();
        CreateControls();
        AddMenuHandlers(*this);
        // The bar was built before the handlers were bound; items on the bar itself and the
        // shortcuts of unopened menus take their state from this update.
        UpdateQtMenuBarEnabling(menuBar_);
        // The registered name is "Class.Class"; the widget carries the class's own name.
        const std::string registered = ClassName();
        widget_->setObjectName(QString::fromStdString(registered.substr(0, registered.find('.'))));
        Open();
    } catch (...) {
        open_ = false;
        UnregisterOpenWindow(*this);
        throw;
    }
    if (visible_) {
        Show();
    }
}

void Window::Show() {
    RequireMainThread("Window.Show");
    // A window the user minimised comes back too; the focus moves to it, wherever it was.
    widget_->setWindowState(widget_->windowState() & ~Qt::WindowMinimized);
    widget_->show();
    widget_->raise();
    widget_->activateWindow();
}

void Window::Close() {
    RequireMainThread("Window.Close");
    if (widget_->isVisible()) {
        widget_->close();
    } else {
        HandleClosed();
    }
}

void Window::HandleClosed() {
    if (!open_) {
        return;
    }
    open_ = false;
    UnregisterOpenWindow(*this);
    ReleaseClosedWindow(*this);
}

std::unique_ptr<RectControl> Window::New(std::string_view className) {
    return NewControl(className);
}

RectControl& Window::AddControl(std::string name, std::unique_ptr<RectControl> control) {
    RequireMainThread("Window.AddControl");
    if (control == nullptr) {
        throw NilObjectException("NilObjectException: AddControl of " + name + " with nil");
    }
    if (ControlByName(name) != nullptr) {
        throw RuntimeException("a control named " + name + " is already in the window");
    }
    control->ApplyProperty(DesignEntry{"Name", name, 0});
    control->AttachTo(*this, content_);
    RectControl& added = *control;
    order_.push_back(&added);
    controls_.push_back(std::move(control));
    return added;
}

RectControl* Window::ControlByName(std::string_view name) const {
    for (RectControl* control : order_) {
        if (control->Name() == name) {
            return control;
        }
    }
    return nullptr;
}

void Window::AddMenuHandler(std::string itemName, std::function<bool()> handler) {
    for (auto& [name, existing] : menuHandlers_) {
        if (name == itemName) {
            existing = std::move(handler);
            return;
        }
    }
    menuHandlers_.emplace_back(std::move(itemName), std::move(handler));
}

const std::function<bool()>* Window::MenuHandler(std::string_view itemName) const {
    for (const auto& [name, handler] : menuHandlers_) {
        if (name == itemName) {
            return &handler;
        }
    }
    return nullptr;
}

bool Window::HandleMenuItem(std::string_view itemName) {
    const std::function<bool()>* handler = MenuHandler(itemName);
    if (handler == nullptr) {
        return false;
    }
    std::function<bool()> call = *handler;
    return CallProgram(call).value_or(false);
}

std::string Window::Title() const {
    return widget_->windowTitle().toStdString();
}

QWidget* Window::Widget() const {
    return widget_;
}

void Window::SetMenuBar(QWidget* menuBar) {
    layout_->setMenuBar(menuBar);
}

void Window::ApplyProperty(const DesignEntry& entry) {
    RequireMainThread("Window design value " + entry.key);
    const std::string key = LowerKey(entry.key);
    struct IntegerKey {
        const char* key;
        Int64 Window::*field;
    };
    static constexpr IntegerKey kIntegers[] = {
        {"width", &Window::width_},
        {"height", &Window::height_},
        {"minimumwidth", &Window::minWidth_},
        {"minimumheight", &Window::minHeight_},
        {"maximumwidth", &Window::maxWidth_},
        {"maximumheight", &Window::maxHeight_},
        {"defaultlocation", &Window::defaultLocation_},
    };
    struct BooleanKey {
        const char* key;
        bool Window::*field;
    };
    static constexpr BooleanKey kBooleans[] = {
        {"hasclosebutton", &Window::hasClose_},
        {"hasminimizebutton", &Window::hasMinimize_},
        {"hasmaximizebutton", &Window::hasMaximize_},
        {"resizeable", &Window::resizeable_},
        {"visible", &Window::visible_},
        {"menubarvisible", &Window::menuBarVisible_},
    };
    for (const IntegerKey& k : kIntegers) {
        if (key == k.key) {
            this->*k.field = AsInteger(entry);
        }
    }
    for (const BooleanKey& k : kBooleans) {
        if (key == k.key) {
            this->*k.field = AsBool(entry);
        }
    }
    if (key == "title") {
        widget_->setWindowTitle(QString::fromStdString(AsString(entry)));
    }
    // The stored background colour counts only with HasBackgroundColor, which no design sets;
    // full screen and the window type have no counterpart here.
}

void Window::FinishProperties() {
    ApplyFrame();
    InstallAppMenuBar();
    FitToScreen();
    if (defaultLocation_ == 0) {
        return;
    }
    // Any other location centres the window on the main screen. One larger than the screen
    // keeps its top-left corner on it, so its title and menu bar stay within reach.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        QRect frame = widget_->frameGeometry();
        frame.moveCenter(available.center());
        widget_->move(KeepInside(frame, available));
    }
}

void Window::InstallAppMenuBar() {
    if (!menuBarVisible_ || menuBar_ != nullptr) {
        return;
    }
    std::shared_ptr<Application> app = RuntimeAppObject();
    if (app == nullptr || app->MenuBar() == nullptr) {
        return;
    }
    // Qt gives every window a bar of its own: each one runs the commands its window binds.
    menuBar_ = BuildQtMenuBar(*app->MenuBar(), widget_,
                              [this](const std::string& itemName) -> std::function<bool()> {
                                  if (MenuHandler(itemName) == nullptr) {
                                      return {};
                                  }
                                  return [this, itemName] { return HandleMenuItem(itemName); };
                              });
    SetMenuBar(menuBar_);
}

void Window::ApplyFrame() {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (hasClose_) {
        flags |= Qt::WindowCloseButtonHint;
    }
    if (hasMinimize_) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (hasMaximize_ && resizeable_) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    widget_->setWindowFlags(flags);
    if (resizeable_) {
        content_->setMinimumSize(ToInt(minWidth_), ToInt(minHeight_));
        content_->setMaximumSize(ToInt(maxWidth_), ToInt(maxHeight_));
        content_->resize(ToInt(width_), ToInt(height_));
        view_->setWidgetResizable(true);
        layout_->setSizeConstraint(QLayout::SetDefaultConstraint);
    } else {
        content_->setFixedSize(ToInt(width_), ToInt(height_));
        view_->setWidgetResizable(false);
        layout_->setSizeConstraint(QLayout::SetFixedSize);
    }
}

namespace {

// Where the platform reports a screen's whole area as available: under Wayland, where panels
// are the compositor's and clients cannot place their windows.
bool AreaUnknown() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

void Window::LeaveSizeToCompositor(QSize normal) {
    // Maximised, the window gets exactly the area the desktop leaves, and the view scrolls
    // inside it; made normal again, it is resizeable.
    compositorSized_ = true;
    view_->setMinimumSize(0, 0);
    view_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout_->setSizeConstraint(QLayout::SetDefaultConstraint);
    widget_->setMinimumSize(0, 0);
    widget_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    widget_->resize(normal);
    widget_->setWindowState(widget_->windowState() | Qt::WindowMaximized);
}

void Window::FitToScreen() {
    QScreen* screen = widget_->screen();
    if (screen == nullptr) {
        return;
    }
    const QWindow* handle = widget_->windowHandle();
    const QMargins frameMargins = handle != nullptr ? handle->frameMargins() : QMargins();
    const QRect available = screen->availableGeometry();
    const QSize content(ToInt(width_), ToInt(height_));
    QSize room = available.size().shrunkBy(frameMargins);
    // The menu bar stands above the view, across its width.
    int menuHeight = 0;
    if (const QWidget* bar = layout_->menuBar()) {
        menuHeight = bar->heightForWidth(std::min(content.width(), room.width()));
        menuHeight = menuHeight >= 0 ? menuHeight : bar->sizeHint().height();
    }
    room.rheight() -= menuHeight;
    const QSize bars(view_->verticalScrollBar()->sizeHint().width(),
                     view_->horizontalScrollBar()->sizeHint().height());
    const ScreenFit fit = FitContent(content, room, bars);
    const QSize before = widget_->size();
    if (compositorSized_) {
        return;
    }
    if (!resizeable_ && (fit.horizontal || fit.vertical) && AreaUnknown()) {
        LeaveSizeToCompositor(fit.outer + QSize(0, menuHeight));
        return;
    }
    if (resizeable_) {
        // The person sizes the window: it opens at its design's size, and later fits only
        // shrink it to the room. The bars come and go with the room they leave.
        view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        view_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        const QSize roomWithMenu = room.expandedTo(QSize(1, 1)) + QSize(0, menuHeight);
        widget_->resize(sized_ ? before.boundedTo(roomWithMenu) : fit.outer + QSize(0, menuHeight));
    } else {
        view_->setHorizontalScrollBarPolicy(fit.horizontal ? Qt::ScrollBarAlwaysOn
                                                           : Qt::ScrollBarAlwaysOff);
        view_->setVerticalScrollBarPolicy(fit.vertical ? Qt::ScrollBarAlwaysOn
                                                       : Qt::ScrollBarAlwaysOff);
        view_->setFixedSize(fit.outer);
        // Now, not at the next layout pass: the window may be about to be mapped.
        layout_->invalidate();
        layout_->activate();
    }
    sized_ = true;
    // Where the person or the window manager put the window stays; only a window whose size
    // the fit changed is kept inside the area. One never placed is left to the window manager.
    const bool placed = widget_->isVisible() || widget_->testAttribute(Qt::WA_Moved);
    if (widget_->size() == before || !placed) {
        return;
    }
    // The frame as this fit counted it: Qt's own may still hold the margins from before.
    const QRect frame = widget_->geometry().marginsAdded(frameMargins);
    const QPoint inside = KeepInside(frame, available);
    if (inside != frame.topLeft()) {
        widget_->move(widget_->pos() + (inside - frame.topLeft()));
    }
}
