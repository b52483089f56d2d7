#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QEvent;
class QWidget;

// Tells when the mouse is taken from a pressed widget before its button goes up: a modal window
// blocks its window, a popup opens, or the widget or its window is hidden or closed. Qt then
// sends the widget no release, so whoever waits for one must end the press itself. Another
// window taking the keyboard focus takes nothing: Qt's implicit grab keeps bringing the moves
// and the release to the pressed widget.
class PressCutOffWatch : public QObject {
  public:
    explicit PressCutOffWatch(std::function<void()> onCutOff);

    // Watches the application until Stop or the first cut-off, which calls onCutOff once.
    void Start(QWidget* pressed);
    void Stop();
    bool Watching() const { return watching_; }

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool CutsOff(QObject* watched, const QEvent& event) const;

    QPointer<QWidget> pressed_;
    bool watching_ = false;
    std::function<void()> onCutOff_;
};
