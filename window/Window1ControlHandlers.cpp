#include "Globals.h"
#include "Numbers.h"
#include "Runtime.h"
#include "SpeedText.h"
#include "Window1.h"

#include <string>

namespace {

// The time read-out: theTime in the time unit of one tick.
std::string TimeReadout() {
    const double t =
        static_cast<double>(Globals::theTime) / 72.0 * static_cast<double>(Globals::y_val);
    return Format(t, "-###.00") + Globals::y_units;
}

// Negates the speed and mirrors both speed controls without letting either recompute it.
void SwitchFrame(Window1& window, RadioButton& sender, Int64 from, Int64 to) {
    if (Globals::ourSystem != from) {
        return;
    }
    Globals::ourSystem = to;
    Globals::sinPhi = -Globals::sinPhi;
    Globals::speedEditFlag = true;
    window.TextField1().SetText(SpeedText(Globals::sinPhi));
    window.SpeedSlider().SetValue(40 - window.SpeedSlider().Value());
    Globals::speedEditFlag = false;
    sender.Invalidate(false);
    window.Canvas1().Refresh(true);
}

// The object controls and the light-cone box are read by the drawing itself.
void RepaintAfter(Window1& window, RectControl& sender) {
    sender.Refresh(false);
    window.Canvas1().Refresh(true);
}

} // namespace

void Window1::RadioButton1_Action(RadioButton& sender) {
    SwitchFrame(*this, sender, 1, 0);
}

void Window1::RadioButton2_Action(RadioButton& sender) {
    SwitchFrame(*this, sender, 0, 1);
}

void Window1::SpeedSlider_ValueChanged(Slider& sender) {
    if (Globals::speedEditFlag) {
        return;
    }
    Globals::sinPhi = static_cast<double>(SpeedSlider().Value()) / 20.0 - 1.0;
    Globals::speedEditFlag = true;
    TextField1().SetText(SpeedText(Globals::sinPhi));
    Globals::speedEditFlag = false;
    sender.Refresh(false);
    Canvas1().Refresh(true);
}

void Window1::TextField1_TextChange(TextField& sender) {
    if (Globals::speedEditFlag) {
        return;
    }
    const double v = Val(TextField1().Text());
    if (v <= -1.0 || v >= 1.0) {
        // Left unguarded so that the nested run takes the restored text and places the slider.
        TextField1().SetText(SpeedText(Globals::sinPhi));
        Canvas1().Refresh(true);
        return;
    }
    Globals::sinPhi = v;
    Globals::speedEditFlag = true;
    // Inside the interval the sum lies strictly between 1 and 39; the slider clamps regardless.
    SpeedSlider().SetValue(ToInt64(Round(20.0 + 19.0 * v)));
    Globals::speedEditFlag = false;
    sender.Invalidate(false);
    Canvas1().Refresh(true);
}

void Window1::UnitSlider_ValueChanged(Slider& sender) {
    Globals::stUnits = UnitSlider().Value();
    Globals::calcUnits();
    Window1::Instance().Label1().SetText(TimeReadout());
    sender.Refresh(false);
    Canvas1().Refresh(true);
}

void Window1::TimeSlider_ValueChanged(Slider& sender) {
    Globals::theTime = Window1::Instance().TimeSlider().Value() - 500;
    Window1::Instance().Label1().SetText(TimeReadout());
    sender.Refresh(false);
    Canvas1().Refresh(true);
}

void Window1::PushButton1_Action(PushButton& /*sender*/) {
    TimeSlider().SetValue(TimeSlider().Value() - 1);
}

void Window1::PushButton2_Action(PushButton& /*sender*/) {
    TimeSlider().SetValue(TimeSlider().Value() + 1);
}

void Window1::PushButton3_Action(PushButton& /*sender*/) {
    Quit(0);
}

void Window1::BlackPosSlider_ValueChanged(Slider& sender) {
    RepaintAfter(*this, sender);
}

void Window1::BlackLengthSlider_ValueChanged(Slider& sender) {
    RepaintAfter(*this, sender);
}

void Window1::CheckBox1_Action(CheckBox& sender) {
    RepaintAfter(*this, sender);
}

void Window1::CheckBox2_Action(CheckBox& sender) {
    RepaintAfter(*this, sender);
}

void Window1::CheckBox3_Action(CheckBox& sender) {
    RepaintAfter(*this, sender);
}

void Window1::RedPosSlider_ValueChanged(Slider& sender) {
    RepaintAfter(*this, sender);
}

void Window1::RedLengthSlider_ValueChanged(Slider& sender) {
    RepaintAfter(*this, sender);
}

void Window1::CheckBox4_Action(CheckBox& sender) {
    RepaintAfter(*this, sender);
}

void Window1::CheckBox5_Action(CheckBox& sender) {
    RepaintAfter(*this, sender);
}

void Window1::CheckBox6_Action(CheckBox& sender) {
    RepaintAfter(*this, sender);
}

void Window1::CheckBox7_Action(CheckBox& sender) {
    RepaintAfter(*this, sender);
}
