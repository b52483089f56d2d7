#include "Window1.h"

#include "DesignedControls.h"
#include "Window1Design.h"

#include <string>

namespace {

// Controls 1 to 30 are made by CreateControls0, the rest by CreateControls1.
constexpr std::size_t kFirstControlOfPart1 = 30;

constexpr const char* kPoint = "( Canvas, Integer, Integer )";
constexpr const char* kPress = "( Canvas, Integer, Integer ) as Boolean";
constexpr const char* kSlider = "( Slider )";
constexpr const char* kCheckBox = "( CheckBox )";
constexpr const char* kButton = "( PushButton )";

const EventBinding<Window1> kBindings[] = {
    {"Canvas1", Canvas::kMouseUp, kPoint, &HandlerOf<&Window1::Canvas1_MouseUp>},
    {"Canvas1", Canvas::kMouseDown, kPress, &HandlerOf<&Window1::Canvas1_MouseDown>},
    {"Canvas1", Canvas::kMouseDrag, kPoint, &HandlerOf<&Window1::Canvas1_MouseDrag>},
    {"Canvas1", CommonEvent::MouseMove, kPoint, &HandlerOf<&Window1::Canvas1_MouseMove>},
    {"Canvas1", Canvas::kPaint, "( Canvas, Graphics, Rect() )",
     &HandlerOf<&Window1::Canvas1_Paint>},
    {"RadioButton1", RadioButton::Action, "( RadioButton )",
     &HandlerOf<&Window1::RadioButton1_Action>},
    {"RadioButton2", RadioButton::Action, "( RadioButton )",
     &HandlerOf<&Window1::RadioButton2_Action>},
    {"SpeedSlider", Slider::ValueChanged, kSlider, &HandlerOf<&Window1::SpeedSlider_ValueChanged>},
    {"TextField1", TextField::TextChange, "( TextField )",
     &HandlerOf<&Window1::TextField1_TextChange>},
    {"UnitSlider", Slider::ValueChanged, kSlider, &HandlerOf<&Window1::UnitSlider_ValueChanged>},
    {"BlackPosSlider", Slider::ValueChanged, kSlider,
     &HandlerOf<&Window1::BlackPosSlider_ValueChanged>},
    {"BlackLengthSlider", Slider::ValueChanged, kSlider,
     &HandlerOf<&Window1::BlackLengthSlider_ValueChanged>},
    {"CheckBox1", CheckBox::Action, kCheckBox, &HandlerOf<&Window1::CheckBox1_Action>},
    {"CheckBox2", CheckBox::Action, kCheckBox, &HandlerOf<&Window1::CheckBox2_Action>},
    {"CheckBox3", CheckBox::Action, kCheckBox, &HandlerOf<&Window1::CheckBox3_Action>},
    {"RedPosSlider", Slider::ValueChanged, kSlider,
     &HandlerOf<&Window1::RedPosSlider_ValueChanged>},
    {"RedLengthSlider", Slider::ValueChanged, kSlider,
     &HandlerOf<&Window1::RedLengthSlider_ValueChanged>},
    {"CheckBox4", CheckBox::Action, kCheckBox, &HandlerOf<&Window1::CheckBox4_Action>},
    {"CheckBox5", CheckBox::Action, kCheckBox, &HandlerOf<&Window1::CheckBox5_Action>},
    {"CheckBox6", CheckBox::Action, kCheckBox, &HandlerOf<&Window1::CheckBox6_Action>},
    {"TimeSlider", Slider::ValueChanged, kSlider, &HandlerOf<&Window1::TimeSlider_ValueChanged>},
    {"PushButton1", PushButton::Action, kButton, &HandlerOf<&Window1::PushButton1_Action>},
    {"PushButton2", PushButton::Action, kButton, &HandlerOf<&Window1::PushButton2_Action>},
    {"PushButton3", PushButton::Action, kButton, &HandlerOf<&Window1::PushButton3_Action>},
    {"CheckBox7", CheckBox::Action, kCheckBox, &HandlerOf<&Window1::CheckBox7_Action>},
};

} // namespace

void Window1::CreateControls0() {
    CreateDesignedControls(0, kFirstControlOfPart1);
}

void Window1::CreateControls1() {
    CreateDesignedControls(kFirstControlOfPart1, Window1ControlDesigns().size());
}

void Window1::CreateDesignedControls(std::size_t first, std::size_t end) {
    const std::vector<ControlDesign>& designs = Window1ControlDesigns();
    for (std::size_t i = first; i < end && i < designs.size(); ++i) {
        const ControlDesign& design = designs[i];
        SetProperties(NewDesignedControl(*this, design), design.properties);
        // The design values are in place before any handler is bound, so none runs for them.
        BindDesignedHandlers(*this, design, kBindings);
    }
}
