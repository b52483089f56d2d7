#include "Rectangle.h"

#include "PropertyValues.h"
#include "TextAlignment.h"

#include <QPainter>
#include <QWidget>

#include <cmath>

namespace {

class RectangleWidget : public QWidget {
  public:
    explicit RectangleWidget(const Rectangle::Look& look) : look_(look) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), ToQColor(look_.fill));
        const int border = static_cast<int>(std::lround(look_.borderThickness));
        if (border <= 0) {
            return;
        }
        const int w = width();
        const int h = height();
        painter.fillRect(0, 0, w, border, ToQColor(look_.topLeft));
        painter.fillRect(0, 0, border, h, ToQColor(look_.topLeft));
        painter.fillRect(0, h - border, w, border, ToQColor(look_.bottomRight));
        painter.fillRect(w - border, 0, border, h, ToQColor(look_.bottomRight));
    }

  private:
    const Rectangle::Look& look_;
};

} // namespace

Rectangle::Rectangle() : ControlOf(MakeControlWidget<RectangleWidget>(kClassName, look_)) {}

bool Rectangle::ApplyClassProperty(std::string_view lowerKey, const DesignEntry& entry) {
    if (lowerKey == "fillcolor") {
        look_.fill = AsColor(entry);
    } else if (lowerKey == "topleftcolor") {
        look_.topLeft = AsColor(entry);
    } else if (lowerKey == "bottomrightcolor") {
        look_.bottomRight = AsColor(entry);
    } else if (lowerKey == "borderthickness") {
        look_.borderThickness = AsReal(entry);
    } else {
        return false;
    }
    Widget()->update();
    return true;
}
