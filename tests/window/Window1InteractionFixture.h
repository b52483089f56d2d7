#pragma once

// The main window put back into its design state before each test, with helpers that drive it
// as a user would: through the platform window for the mouse, the widgets for keys.
#include "Globals.h"
#include "Window1.h"

#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <string>

class Window1Interaction : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetToDesignState();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.Widget()));
    }

    void ResetToDesignState() {
        // The black button's own handler switches back when red is in use.
        window.RadioButton1().SetValue(true);
        Globals::speedEditFlag = true;
        window.SpeedSlider().SetValue(32);
        window.TextField1().SetText("0.6");
        Globals::speedEditFlag = false;
        window.UnitSlider().SetValue(3);
        window.TimeSlider().SetValue(572);
        window.Label1().SetText("10 ns");
        Globals::ourSystem = 0;
        Globals::sinPhi = 0.6;
        Globals::theTime = 72;
        Globals::Nx = 300;
        Globals::Ny = 400;
        Globals::Mx = 0;
        Globals::My = 0;
        Globals::gw = 636;
        Globals::gh = 553;
        Globals::stUnits = 3;
        Globals::calcUnits();
        Globals::inKoordDragMode = false;
        Globals::inProjectingMode = false;
        Globals::speedEditFlag = false;
    }

    QWidget* canvasWidget() { return window.Canvas1().Widget(); }
    QWindow* platformWindow() { return window.Widget()->windowHandle(); }
    // A point in canvas coordinates, as the platform window sees it.
    QPoint onCanvas(int x, int y) { return canvasWidget()->mapTo(window.Widget(), QPoint(x, y)); }

    void press(int x, int y) {
        QTest::mousePress(platformWindow(), Qt::LeftButton, {}, onCanvas(x, y));
    }
    void moveTo(int x, int y) { QTest::mouseMove(platformWindow(), onCanvas(x, y)); }
    void release(int x, int y) {
        QTest::mouseRelease(platformWindow(), Qt::LeftButton, {}, onCanvas(x, y));
    }

    int canvasRepaints() { return window.Canvas1().RepaintRequests(); }
    Qt::CursorShape canvasCursor() { return canvasWidget()->cursor().shape(); }

    QLineEdit* speedField() { return static_cast<QLineEdit*>(window.TextField1().Widget()); }
    QSlider* speedSlider() { return static_cast<QSlider*>(window.SpeedSlider().Widget()); }
    std::string fieldText() { return window.TextField1().Text(); }

    // Replaces the field's text key by key, as a person selecting all and typing.
    void typeIntoField(const QString& text) {
        speedField()->setFocus();
        QTest::keyClick(speedField(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(speedField(), Qt::Key_Delete);
        QTest::keyClicks(speedField(), text);
    }

    Window1& window = Window1::Instance();
};
