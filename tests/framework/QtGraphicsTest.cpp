#include "QtGraphics.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Pixel = std::pair<int, int>;

QImage Draw(const std::function<void(QtGraphics&)>& paint, PenState start = {}) {
    QImage image(60, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtGraphics g(painter, image.height(), std::move(start));
    paint(g);
    return image;
}

bool IsDark(const QImage& image, Pixel p) {
    return qGray(image.pixel(p.first, p.second)) < 100;
}

struct LineCase {
    const char* name;
    double width;
    double x1, y1, x2, y2;
    std::vector<Pixel> dark;
    std::vector<Pixel> white;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

class QtGraphicsLine : public testing::TestWithParam<LineCase> {};

TEST_P(QtGraphicsLine, CoversWholePixelsOnly) {
    const LineCase& c = GetParam();
    const QImage image = Draw([&](QtGraphics& g) {
        g.SetPenWidth(c.width);
        g.DrawLine(c.x1, c.y1, c.x2, c.y2);
    });
    for (const Pixel& p : c.dark) {
        EXPECT_EQ(image.pixel(p.first, p.second), qRgb(0, 0, 0)) << p.first << "," << p.second;
    }
    for (const Pixel& p : c.white) {
        EXPECT_EQ(image.pixel(p.first, p.second), qRgb(255, 255, 255))
            << p.first << "," << p.second;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Widths, QtGraphicsLine,
    testing::Values(
        LineCase{"horizontal_1px",
                 1,
                 10,
                 20,
                 40,
                 20,
                 {{10, 20}, {25, 20}, {40, 20}},
                 {{25, 19}, {25, 21}, {8, 20}, {42, 20}}},
        LineCase{"vertical_1px",
                 1,
                 30,
                 10,
                 30,
                 40,
                 {{30, 10}, {30, 25}, {30, 40}},
                 {{29, 25}, {31, 25}}},
        LineCase{"horizontal_2px", 2, 10, 20, 40, 20, {{25, 19}, {25, 20}}, {{25, 18}, {25, 21}}},
        LineCase{"vertical_2px", 2, 30, 10, 30, 40, {{29, 25}, {30, 25}}, {{28, 25}, {31, 25}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QtGraphics, OvalIsAnOutline) {
    const QImage image = Draw([](QtGraphics& g) { g.DrawOval(10, 10, 40, 40); });
    EXPECT_TRUE(IsDark(image, {30, 10}));
    EXPECT_TRUE(IsDark(image, {10, 30}));
    EXPECT_FALSE(IsDark(image, {30, 30}));
    EXPECT_FALSE(IsDark(image, {12, 12}));
}

TEST(QtGraphics, FillUsesTheForeColourOpaque) {
    const QImage image = Draw([](QtGraphics& g) {
        g.SetForeColor(RGB(200, 0, 0, 255)); // the alpha byte never makes a colour transparent
        g.FillRect(10, 10, 20, 20);
    });
    EXPECT_EQ(image.pixel(10, 10), qRgb(200, 0, 0));
    EXPECT_EQ(image.pixel(29, 29), qRgb(200, 0, 0));
    EXPECT_EQ(image.pixel(30, 30), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(9, 10), qRgb(255, 255, 255));
}

TEST(QtGraphics, TextStandsOnItsBaseline) {
    const int baseline = 30;
    const QImage image = Draw([&](QtGraphics& g) {
        g.SetTextFont("Arial");
        g.SetTextSize(10);
        g.DrawString("Time", 5, baseline, 0.0, false);
    });
    int inkAbove = 0;
    int inkBelow = 0;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (IsDark(image, {x, y})) {
                (y < baseline ? inkAbove : inkBelow) += 1;
                EXPECT_GE(x, 5);
                EXPECT_GE(y, baseline - 12);
            }
        }
    }
    EXPECT_GT(inkAbove, 20);
    EXPECT_EQ(inkBelow, 0); // "Time" has no descenders
}

TEST(QtGraphics, PenStateStartsAsGivenAndHolds) {
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    QtGraphics g(painter, 553, PenState{RGB(1, 2, 3), 3.0, "Arial", 12.0f});
    EXPECT_EQ(g.ForeColor(), RGB(1, 2, 3));
    EXPECT_EQ(g.PenWidth(), 3.0);
    EXPECT_EQ(g.Height(), 553.0);
    EXPECT_EQ(painter.pen().widthF(), 3.0);
    EXPECT_EQ(painter.font().pixelSize(), 12);

    g.SetTextSize(10);
    g.SetPenWidth(2);
    EXPECT_EQ(painter.font().pixelSize(), 10); // one point is one pixel of the drawing
    EXPECT_EQ(QFontInfo(painter.font()).family(), "Liberation Sans");
    EXPECT_EQ(g.TextFont(), "Arial");
    EXPECT_EQ(g.PenWidth(), 2.0);

    g.SetTextFont("System");
    EXPECT_EQ(painter.font().family(), QGuiApplication::font().family());
}

} // namespace
