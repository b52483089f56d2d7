#include "RadioButton.h"

#include "PropertyValues.h"

#include <QRadioButton>

std::vector<EventInfo> RadioButton::OwnEvents() {
    return {MakeEventInfo<void(RadioButton&)>(Action, "Action", "( RadioButton )")};
}

RadioButton::RadioButton() : ControlOf(MakeControlWidget<QRadioButton>(kClassName)) {
    button_ = static_cast<QRadioButton*>(Widget());
    QObject::connect(button_, &QRadioButton::toggled, button_, [this](bool selected) {
        if (selected) {
            Fire<void(RadioButton&)>(Action, *this);
        }
    });
}

bool RadioButton::Value() const {
    return button_->isChecked();
}

void RadioButton::SetValue(bool selected) {
    RunRaising([&] { button_->setChecked(selected); });
}

std::string RadioButton::Caption() const {
    return button_->text().toStdString();
}

bool RadioButton::ApplyClassProperty(std::string_view lowerKey, const DesignEntry& entry) {
    if (lowerKey == "caption") {
        button_->setText(QString::fromStdString(AsString(entry)));
    } else if (lowerKey == "value") {
        button_->setChecked(AsBool(entry));
    } else {
        return false;
    }
    return true;
}
