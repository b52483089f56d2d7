// The start-state diagram as a person sees it: painted into an image through the canvas's paint.
#include "MainWindowFixture.h"
#include "QtGraphics.h"

#include <QColor>
#include <QImage>
#include <QPainter>

namespace {

class DiagramImage : public MainWindowFixture {
  protected:
    QImage Paint() {
        QImage image(636, 553, QImage::Format_RGB32);
        image.fill(Qt::darkGreen); // anything the paint leaves out shows
        QPainter painter(&image);
        QtGraphics g(painter, 553.0);
        window->Canvas1_Paint(window->Canvas1(), g, {});
        painter.end();
        return image;
    }
};

bool IsDark(QColor c) {
    return c.red() < 80 && c.green() < 80 && c.blue() < 80;
}
bool IsRed(QColor c) {
    return c.red() > 180 && c.green() < 90 && c.blue() < 90;
}
bool IsLightGrey(QColor c) {
    return c.red() == c.green() && c.green() == c.blue() && c.red() >= 200 && c.red() < 250;
}

TEST_F(DiagramImage, StartStateShowsAxesTicksAndCircles) {
    const QImage image = Paint();
    struct Probe {
        const char* what;
        int x, y;
        bool (*looks)(QColor);
    };
    const Probe probes[] = {
        {"black space axis, first row of its pen", 100, 400, IsDark},
        {"black space axis, second row of its pen", 100, 399, IsDark},
        {"tick at one tick right, above the axis", 372, 397, IsDark},
        {"tick at one tick right, below the axis", 372, 402, IsDark},
        {"red time axis above the origin", 300, 200, IsRed},
        {"red time axis below the origin", 300, 500, IsRed},
        {"circle of five ticks", 588, 184, IsLightGrey},
    };
    for (const Probe& p : probes) {
        EXPECT_TRUE(p.looks(image.pixelColor(p.x, p.y)))
            << p.what << " at " << p.x << "," << p.y << ": "
            << image.pixelColor(p.x, p.y).name().toStdString();
    }
    for (const QPoint& away : {QPoint(100, 500), QPoint(380, 395), QPoint(20, 540)}) {
        EXPECT_EQ(image.pixelColor(away), QColor(Qt::white)) << away.x() << "," << away.y();
    }
}

} // namespace
