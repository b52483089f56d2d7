#pragma once

#include "Color.h"

#include <string>
#include <string_view>

// A drawing context: the screen, a printer page, an image or a recording surface. Coordinates
// are pixels of the surface, x to the right and y downwards. The pen state (colour, width, font
// and text size) holds for every later call on the same context until it is set again.
class Graphics {
  public:
    virtual ~Graphics() = default;

    virtual void SetForeColor(Color color) = 0;
    virtual void SetPenWidth(double width) = 0;
    virtual void SetTextFont(std::string_view font) = 0;
    virtual void SetTextSize(float size) = 0;

    virtual Color ForeColor() const = 0;
    virtual double PenWidth() const = 0;
    virtual std::string TextFont() const = 0;
    virtual float TextSize() const = 0;

    virtual void DrawLine(double x1, double y1, double x2, double y2) = 0;
    // The outline of the ellipse inside the rectangle (x, y, width, height).
    virtual void DrawOval(double x, double y, double width, double height) = 0;
    virtual void FillRect(double x, double y, double width, double height) = 0;
    // Text with its baseline's left end at (x, y). wrapWidth 0 means no wrapping; condense is
    // accepted for compatibility and has no effect.
    virtual void DrawString(std::string_view text, double x, double y, double wrapWidth,
                            bool condense) = 0;

    // The height of the surface in its own pixels.
    virtual double Height() const = 0;
};
