#include "Slider.h"

#include "PropertyValues.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QWheelEvent>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

int ToInt(Int64 value) {
    return static_cast<int>(std::clamp<Int64>(value, INT_MIN, INT_MAX));
}

// 0 none, 1 above, 2 below, 3 both sides.
QSlider::TickPosition TickPositionOf(Int64 style) {
    switch (style) {
    case 1:
        return QSlider::TicksAbove;
    case 2:
        return QSlider::TicksBelow;
    case 3:
        return QSlider::TicksBothSides;
    default:
        return QSlider::NoTicks;
    }
}

// Whether the nearest scroll area around the widget can scroll the way the wheel turns: Qt's
// scroll area gives a mostly sideways turn to its horizontal bar, any other to its vertical one.
bool ScrollsForTheWheel(const QWidget& widget, const QWheelEvent& wheel) {
    for (const QWidget* around = widget.parentWidget(); around != nullptr;
         around = around->parentWidget()) {
        if (const auto* area = qobject_cast<const QAbstractScrollArea*>(around)) {
            const QPoint turn = wheel.angleDelta();
            const QScrollBar* bar = std::abs(turn.x()) > std::abs(turn.y())
                                        ? area->horizontalScrollBar()
                                        : area->verticalScrollBar();
            return bar->maximum() > bar->minimum();
        }
    }
    return false;
}

// Where the window's content scrolls, a person turning the wheel over a slider on the way
// through it means to scroll: a slider without the keyboard focus leaves the wheel to the view
// (ignored, Qt passes it on to the scroll area). With the focus, or where nothing scrolls, the
// wheel moves the slider.
class WheelSlider : public QSlider {
  public:
    using QSlider::QSlider;

  protected:
    void wheelEvent(QWheelEvent* event) override {
        if (!hasFocus() && ScrollsForTheWheel(*this, *event)) {
            event->ignore();
            return;
        }
        QSlider::wheelEvent(event);
    }
};

} // namespace

std::vector<EventInfo> Slider::OwnEvents() {
    return {
        MakeEventInfo<void(Slider&)>(15, "DragStarted", "( Slider )"),
        MakeEventInfo<void(Slider&)>(16, "DragFinished", "( Slider )"),
        MakeEventInfo<void(Slider&)>(17, "LineStepped", "( Slider )"),
        MakeEventInfo<void(Slider&)>(18, "PageStepped", "( Slider )"),
        MakeEventInfo<void(Slider&)>(19, "RangeChanged", "( Slider )"),
        MakeEventInfo<void(Slider&)>(ValueChanged, "ValueChanged", "( Slider )"),
    };
}

Slider::Slider() : ControlOf(MakeControlWidget<WheelSlider>(kClassName, Qt::Horizontal)) {
    slider_ = static_cast<QSlider*>(Widget());
    slider_->setTracking(true);
    QObject::connect(slider_, &QSlider::valueChanged, slider_,
                     [this](int) { Fire<void(Slider&)>(ValueChanged, *this); });
}

Int64 Slider::Value() const {
    return slider_->value();
}

void Slider::SetValue(Int64 value) {
    const int clamped = ToInt(std::clamp<Int64>(value, MinimumValue(), MaximumValue()));
    RunRaising([&] { slider_->setValue(clamped); });
}

Int64 Slider::MinimumValue() const {
    return slider_->minimum();
}
Int64 Slider::MaximumValue() const {
    return slider_->maximum();
}
Int64 Slider::LineStep() const {
    return slider_->singleStep();
}
Int64 Slider::PageStep() const {
    return slider_->pageStep();
}
bool Slider::LiveScrolling() const {
    return slider_->hasTracking();
}

bool Slider::ApplyClassProperty(std::string_view lowerKey, const DesignEntry& entry) {
    if (lowerKey == "value") {
        // The list gives the value before the range; it is placed once the range is known.
        designValue_ = AsInteger(entry);
    } else if (lowerKey == "minimumvalue") {
        slider_->setMinimum(ToInt(AsInteger(entry)));
    } else if (lowerKey == "maximumvalue") {
        slider_->setMaximum(ToInt(AsInteger(entry)));
    } else if (lowerKey == "linestep") {
        slider_->setSingleStep(ToInt(AsInteger(entry)));
    } else if (lowerKey == "pagestep") {
        slider_->setPageStep(ToInt(AsInteger(entry)));
    } else if (lowerKey == "allowlivescrolling") {
        slider_->setTracking(AsBool(entry));
    } else if (lowerKey == "tickmarkstyle") {
        tickMarkStyle_ = AsInteger(entry);
        slider_->setTickPosition(TickPositionOf(tickMarkStyle_));
        slider_->setTickInterval(1);
    } else {
        return false;
    }
    return true;
}

void Slider::FinishProperties() {
    if (designValue_) {
        SetValue(*std::exchange(designValue_, std::nullopt));
    }
}
