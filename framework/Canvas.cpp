#include "Canvas.h"

#include "Picture.h"
#include "QtGraphics.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace {

class CanvasWidget : public QWidget {
  public:
    void SetOwner(Canvas* owner) { owner_ = owner; }

  protected:
    void paintEvent(QPaintEvent* event) override {
        if (owner_ != nullptr) {
            QPainter painter(this);
            owner_->PaintOn(painter, event->region());
        }
    }

  private:
    Canvas* owner_ = nullptr;
};

} // namespace

std::vector<EventInfo> Canvas::OwnEvents() {
    using Point = void(Canvas&, Int64, Int64);
    using Paint = void(Canvas&, Graphics&, const std::vector<Rect>&);
    return {
        MakeEventInfo<void(Canvas&)>(15, "DoubleClick", "( Canvas )"),
        MakeEventInfo<bool(Canvas&, Int64)>(16, "KeyDown", "( Canvas, Integer ) as Boolean"),
        MakeEventInfo<void(Canvas&, Int64)>(17, "KeyUp", "( Canvas, Integer )"),
        MakeEventInfo<void(Canvas&)>(18, "Activated", "( Canvas )"),
        MakeEventInfo<void(Canvas&)>(19, "Deactivated", "( Canvas )"),
        MakeEventInfo<void(Canvas&)>(20, "ScaleFactorChanged", "( Canvas )"),
        MakeEventInfo<bool(Canvas&, Int64, Int64)>(kMouseDown, "MouseDown",
                                                   "( Canvas, Integer, Integer ) as Boolean"),
        MakeEventInfo<Point>(kMouseDrag, "MouseDrag", "( Canvas, Integer, Integer )"),
        MakeEventInfo<Point>(kMouseUp, "MouseUp", "( Canvas, Integer, Integer )"),
        MakeEventInfo<Paint>(kPaint, "Paint", "( Canvas, Graphics, Rect() )"),
    };
}

Canvas::Canvas() : ControlOf(MakeControlWidget<CanvasWidget>(kClassName)) {
    static_cast<CanvasWidget*>(Widget())->SetOwner(this);
}

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture) {
    backdrop_ = std::move(picture);
    Widget()->update();
}

void Canvas::PaintOn(QPainter& painter, const QRegion& dirty) {
    // The backdrop stands at the top left at its own size, so a picture made for the canvas
    // shows pixel for pixel; a larger one is cut at the canvas's edges.
    if (backdrop_ != nullptr) {
        painter.drawPixmap(0, 0, backdrop_->Pixmap());
    }
    std::vector<Rect> rects;
    for (const QRect& r : dirty) {
        rects.push_back(Rect{r.x(), r.y(), r.width(), r.height()});
    }
    QtGraphics graphics(painter, static_cast<double>(Height()));
    Fire<void(Canvas&, Graphics&, const std::vector<Rect>&)>(kPaint, *this, graphics, rects);
}
