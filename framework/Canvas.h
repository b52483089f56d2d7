#pragma once

#include "Graphics.h"
#include "Rect.h"
#include "RectControl.h"

#include <memory>

class Picture;
class QPainter;
class QRegion;

// A surface the program draws on in its Paint event, through a Graphics over the widget.
class Canvas : public ControlOf<Canvas> {
  public:
    static constexpr const char* kClassName = "Canvas";
    static constexpr int kMouseDown = 21;
    static constexpr int kMouseDrag = 22;
    static constexpr int kMouseUp = 23;
    static constexpr int kPaint = 24;
    static std::vector<EventInfo> OwnEvents();

    Canvas();

    // A picture shown under whatever Paint draws; nullptr for none.
    void SetBackdrop(std::shared_ptr<Picture> picture);
    const std::shared_ptr<Picture>& Backdrop() const { return backdrop_; }

    // Paints the canvas onto the painter: the backdrop, then the Paint event.
    void PaintOn(QPainter& painter, const QRegion& dirty);

  private:
    std::shared_ptr<Picture> backdrop_;
};
