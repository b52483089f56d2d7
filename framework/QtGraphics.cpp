#include "QtGraphics.h"

#include <QGuiApplication>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>

namespace {

QColor ToQColor(Color color) {
    // The alpha byte carries no transparency: every colour is drawn opaque.
    return QColor(color.red, color.green, color.blue);
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text size of one point is one pixel of the drawing, as in the diagram's own 72-per-inch
// coordinates: the captions' fixed margins (30 pixels for "Space" at the right edge) are measured
// for that, and a screen, an image and a scaled printer page all show the same proportions.
int PixelSize(float points) {
    if (!(points > 0.0f)) {
        const double appPoints = QGuiApplication::font().pointSizeF();
        points = static_cast<float>(appPoints > 0 ? appPoints : 12.0);
    }
    return std::max(1, static_cast<int>(std::lround(points)));
}

} // namespace

QtGraphics::QtGraphics(QPainter& painter, double height, PenState start)
    : PenGraphics(std::move(start)), painter_(painter), height_(height) {
    painter_.setBrush(Qt::NoBrush);
    ApplyPen();
    ApplyFont();
}

void QtGraphics::SetForeColor(Color color) {
    pen_.color = color;
    ApplyPen();
}

void QtGraphics::SetPenWidth(double width) {
    pen_.width = width;
    ApplyPen();
}

void QtGraphics::SetTextFont(std::string_view font) {
    pen_.font = std::string(font);
    ApplyFont();
}

void QtGraphics::SetTextSize(float size) {
    pen_.size = size;
    ApplyFont();
}

QPen QtGraphics::QtPen(const PenState& pen) {
    const double width = std::isfinite(pen.width) && pen.width > 0 ? pen.width : 1.0;
    return QPen(ToQColor(pen.color), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

QFont QtGraphics::QtFont(const PenState& pen) {
    QFont font = QGuiApplication::font();
    if (pen.font != "System" && !pen.font.empty()) {
        font.setFamily(ToQString(pen.font));
    }
    font.setPixelSize(PixelSize(pen.size));
    return font;
}

void QtGraphics::ApplyPen() {
    painter_.setPen(QtPen(pen_));
}

void QtGraphics::ApplyFont() {
    painter_.setFont(QtFont(pen_));
}

void QtGraphics::DrawLine(double x1, double y1, double x2, double y2) {
    // Aliased, so that lines at whole-pixel coordinates cover whole pixels and stay crisp.
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void QtGraphics::DrawOval(double x, double y, double width, double height) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(QRectF(x, y, width, height));
}

void QtGraphics::FillRect(double x, double y, double width, double height) {
    painter_.fillRect(QRectF(x, y, width, height), ToQColor(pen_.color));
}

void QtGraphics::DrawString(std::string_view text, double x, double y, double wrapWidth,
                            bool /*condense*/) {
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    const QString qtext = ToQString(text);
    if (wrapWidth > 0) {
        // The first line's baseline stays at y, as without wrapping.
        const double top = y - painter_.fontMetrics().ascent();
        painter_.drawText(QRectF(x, top, wrapWidth, 1e6), Qt::TextWordWrap, qtext);
        return;
    }
    painter_.drawText(QPointF(x, y), qtext);
}
