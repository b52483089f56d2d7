#include "Window1.h"

// Nothing is cached: every call is a fresh lookup and class check.
Rectangle& Window1::Rectangle1() {
    return Control<Rectangle>("Rectangle1");
}
Canvas& Window1::Canvas1() {
    return Control<Canvas>("Canvas1");
}
GroupBox& Window1::GroupBox1() {
    return Control<GroupBox>("GroupBox1");
}
RadioButton& Window1::RadioButton1() {
    return Control<RadioButton>("RadioButton1");
}
RadioButton& Window1::RadioButton2() {
    return Control<RadioButton>("RadioButton2");
}
GroupBox& Window1::GroupBox2() {
    return Control<GroupBox>("GroupBox2");
}
Label& Window1::StaticText1() {
    return Control<Label>("StaticText1");
}
Slider& Window1::SpeedSlider() {
    return Control<Slider>("SpeedSlider");
}
TextField& Window1::TextField1() {
    return Control<TextField>("TextField1");
}
GroupBox& Window1::GroupBox3() {
    return Control<GroupBox>("GroupBox3");
}
Slider& Window1::UnitSlider() {
    return Control<Slider>("UnitSlider");
}
GroupBox& Window1::GroupBox4() {
    return Control<GroupBox>("GroupBox4");
}
Label& Window1::StaticText2() {
    return Control<Label>("StaticText2");
}
Slider& Window1::BlackPosSlider() {
    return Control<Slider>("BlackPosSlider");
}
Label& Window1::StaticText4() {
    return Control<Label>("StaticText4");
}
Slider& Window1::BlackLengthSlider() {
    return Control<Slider>("BlackLengthSlider");
}
CheckBox& Window1::CheckBox1() {
    return Control<CheckBox>("CheckBox1");
}
CheckBox& Window1::CheckBox2() {
    return Control<CheckBox>("CheckBox2");
}
CheckBox& Window1::CheckBox3() {
    return Control<CheckBox>("CheckBox3");
}
GroupBox& Window1::GroupBox5() {
    return Control<GroupBox>("GroupBox5");
}
Label& Window1::StaticText3() {
    return Control<Label>("StaticText3");
}
Slider& Window1::RedPosSlider() {
    return Control<Slider>("RedPosSlider");
}
Label& Window1::StaticText5() {
    return Control<Label>("StaticText5");
}
Slider& Window1::RedLengthSlider() {
    return Control<Slider>("RedLengthSlider");
}
CheckBox& Window1::CheckBox4() {
    return Control<CheckBox>("CheckBox4");
}
CheckBox& Window1::CheckBox5() {
    return Control<CheckBox>("CheckBox5");
}
CheckBox& Window1::CheckBox6() {
    return Control<CheckBox>("CheckBox6");
}
GroupBox& Window1::GroupBox6() {
    return Control<GroupBox>("GroupBox6");
}
Slider& Window1::TimeSlider() {
    return Control<Slider>("TimeSlider");
}
PushButton& Window1::PushButton1() {
    return Control<PushButton>("PushButton1");
}
PushButton& Window1::PushButton2() {
    return Control<PushButton>("PushButton2");
}
Label& Window1::Label1() {
    return Control<Label>("Label1");
}
GroupBox& Window1::GroupBox7() {
    return Control<GroupBox>("GroupBox7");
}
Label& Window1::StaticText7() {
    return Control<Label>("StaticText7");
}
Label& Window1::StaticText8() {
    return Control<Label>("StaticText8");
}
Label& Window1::StaticText9() {
    return Control<Label>("StaticText9");
}
Label& Window1::StaticText10() {
    return Control<Label>("StaticText10");
}
Label& Window1::Label3() {
    return Control<Label>("Label3");
}
Label& Window1::Label4() {
    return Control<Label>("Label4");
}
Label& Window1::Label5() {
    return Control<Label>("Label5");
}
Label& Window1::Label2() {
    return Control<Label>("Label2");
}
GroupBox& Window1::GroupBox8() {
    return Control<GroupBox>("GroupBox8");
}
Label& Window1::StaticText11() {
    return Control<Label>("StaticText11");
}
Label& Window1::StaticText12() {
    return Control<Label>("StaticText12");
}
Label& Window1::StaticText13() {
    return Control<Label>("StaticText13");
}
Label& Window1::StaticText14() {
    return Control<Label>("StaticText14");
}
Label& Window1::Label6() {
    return Control<Label>("Label6");
}
Label& Window1::Label7() {
    return Control<Label>("Label7");
}
Label& Window1::Label8() {
    return Control<Label>("Label8");
}
Label& Window1::Label9() {
    return Control<Label>("Label9");
}
PushButton& Window1::PushButton3() {
    return Control<PushButton>("PushButton3");
}
CheckBox& Window1::CheckBox7() {
    return Control<CheckBox>("CheckBox7");
}
