#pragma once

#include "ReleaseOver.h"

#include <QMenu>
#include <QPoint>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

// A way the mouse is taken from a held press before its button goes up, so that its release
// cannot reach the pressed control; each lets the release land where it would, then gives the
// window back.
struct PressCutOff {
    const char* name;
    std::function<void(QWidget& window, QWidget& control)> takeTheMouse;
};

inline void PrintTo(const PressCutOff& c, std::ostream* os) {
    *os << c.name;
}

inline const std::vector<PressCutOff>& PressCutOffs() {
    static const std::vector<PressCutOff> cutOffs = {
        {"modal-dialog", [](QWidget& window, QWidget&) { ReleaseOverModalDialog(window); }},
        {"popup-menu",
         [](QWidget& window, QWidget&) {
             QMenu menu;
             menu.addAction("Item");
             menu.popup(window.mapToGlobal(QPoint(300, 200)));
             ReleaseOver(menu);
             menu.close();
         }},
        {"window-hidden",
         [](QWidget& window, QWidget&) {
             window.hide();
             window.show();
             ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
         }},
        {"control-hidden",
         [](QWidget&, QWidget& control) {
             control.hide();
             control.show();
         }},
    };
    return cutOffs;
}

// Another window takes the keyboard focus, as a notification or a chat window does, while
// meanwhile runs, then gives it back; the mouse stays with whatever it was pressed on.
inline void WhileAnotherWindowHasTheFocus(QWidget& window, const std::function<void()>& meanwhile) {
    QWidget other;
    other.resize(80, 60);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    meanwhile();
    other.close();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}
