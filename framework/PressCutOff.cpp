#include "PressCutOff.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <utility>

PressCutOffWatch::PressCutOffWatch(std::function<void()> onCutOff)
    : onCutOff_(std::move(onCutOff)) {}

void PressCutOffWatch::Start(QWidget* pressed) {
    Stop();
    pressed_ = pressed;
    watching_ = true;
    // Application-wide only while a press lasts: a popup is a window of its own.
    QCoreApplication::instance()->installEventFilter(this);
}

void PressCutOffWatch::Stop() {
    if (std::exchange(watching_, false)) {
        pressed_ = nullptr;
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

bool PressCutOffWatch::eventFilter(QObject* watched, QEvent* event) {
    if (watching_ && pressed_ != nullptr && CutsOff(watched, *event)) {
        Stop();
        onCutOff_();
    }
    return false;
}

bool PressCutOffWatch::CutsOff(QObject* watched, const QEvent& event) const {
    switch (event.type()) {
    case QEvent::Show:
        // A popup grabs the mouse from whatever held it.
        return watched->isWidgetType() && static_cast<QWidget*>(watched)->windowType() == Qt::Popup;
    case QEvent::WindowBlocked:
        return watched == pressed_->window();
    case QEvent::Hide:
        // Also when its window is hidden or closed: Qt hides every shown child with it.
        return watched == pressed_;
    default:
        return false;
    }
}
