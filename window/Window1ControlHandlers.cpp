#include "Window1.h"

void Window1::RadioButton1_Action(RadioButton& /*sender*/) {}

void Window1::RadioButton2_Action(RadioButton& /*sender*/) {}

void Window1::SpeedSlider_ValueChanged(Slider& /*sender*/) {}

void Window1::TextField1_TextChange(TextField& /*sender*/) {}

void Window1::UnitSlider_ValueChanged(Slider& /*sender*/) {}

void Window1::BlackPosSlider_ValueChanged(Slider& /*sender*/) {}

void Window1::BlackLengthSlider_ValueChanged(Slider& /*sender*/) {}

void Window1::CheckBox1_Action(CheckBox& /*sender*/) {}

void Window1::CheckBox2_Action(CheckBox& /*sender*/) {}

void Window1::CheckBox3_Action(CheckBox& /*sender*/) {}

void Window1::RedPosSlider_ValueChanged(Slider& /*sender*/) {}

void Window1::RedLengthSlider_ValueChanged(Slider& /*sender*/) {}

void Window1::CheckBox4_Action(CheckBox& /*sender*/) {}

void Window1::CheckBox5_Action(CheckBox& /*sender*/) {}

void Window1::CheckBox6_Action(CheckBox& /*sender*/) {}

void Window1::TimeSlider_ValueChanged(Slider& /*sender*/) {}

void Window1::PushButton1_Action(PushButton& /*sender*/) {}

void Window1::PushButton2_Action(PushButton& /*sender*/) {}

void Window1::PushButton3_Action(PushButton& /*sender*/) {}

void Window1::CheckBox7_Action(CheckBox& /*sender*/) {}
