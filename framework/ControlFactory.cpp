#include "ControlFactory.h"

#include "Canvas.h"
#include "CheckBox.h"
#include "GroupBox.h"
#include "Label.h"
#include "PushButton.h"
#include "RadioButton.h"
#include "Rectangle.h"
#include "Slider.h"
#include "TextField.h"

namespace {

template <class T> std::unique_ptr<RectControl> Make() {
    return std::make_unique<T>();
}

struct ControlClass {
    std::string_view name;
    std::unique_ptr<RectControl> (*make)();
};

constexpr ControlClass kClasses[] = {
    {Canvas::kClassName, &Make<Canvas>},         {CheckBox::kClassName, &Make<CheckBox>},
    {GroupBox::kClassName, &Make<GroupBox>},     {Label::kClassName, &Make<Label>},
    {PushButton::kClassName, &Make<PushButton>}, {RadioButton::kClassName, &Make<RadioButton>},
    {Rectangle::kClassName, &Make<Rectangle>},   {Slider::kClassName, &Make<Slider>},
    {TextField::kClassName, &Make<TextField>},
};

} // namespace

std::unique_ptr<RectControl> NewControl(std::string_view className) {
    for (const ControlClass& cls : kClasses) {
        if (cls.name == className) {
            return cls.make();
        }
    }
    throw RuntimeException("no control class named " + std::string(className));
}
