#pragma once

#include "PenGraphics.h"

#include <QFont>
#include <QPen>

class QPainter;

// A drawing context over a QPainter on any paint device: a widget, a QImage or a QPrinter page.
// The painter must outlive this object. Lines at whole-pixel coordinates are drawn crisp.
class QtGraphics : public PenGraphics {
  public:
    // height: what Height() answers, in the surface's pixels; start: the pen state the surface
    // begins with.
    QtGraphics(QPainter& painter, double height, PenState start = {});

    void SetForeColor(Color color) override;
    void SetPenWidth(double width) override;
    void SetTextFont(std::string_view font) override;
    void SetTextSize(float size) override;

    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawOval(double x, double y, double width, double height) override;
    void FillRect(double x, double y, double width, double height) override;
    void DrawString(std::string_view text, double x, double y, double wrapWidth,
                    bool condense) override;

    double Height() const override { return height_; }

    // The Qt pen and font a pen state draws with.
    static QPen QtPen(const PenState& pen);
    static QFont QtFont(const PenState& pen);

  private:
    void ApplyPen();
    void ApplyFont();

    QPainter& painter_;
    double height_;
};
