#pragma once

#include <QDialog>
#include <QPoint>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

// Lets the left button go over another window, as a person does once that window took the mouse.
inline void ReleaseOver(QWidget& other) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    QTest::mouseRelease(other.windowHandle(), Qt::LeftButton, {}, QPoint(2, 2));
}

// Opens a modal dialog over parent and lets the button go over it, as happens when a shortcut
// opens a dialog while the button is held; the dialog is gone again on return.
inline void ReleaseOverModalDialog(QWidget& parent) {
    QDialog dialog(&parent);
    dialog.setModal(true);
    dialog.show();
    ReleaseOver(dialog);
}
