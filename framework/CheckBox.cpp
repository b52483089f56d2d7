#include "CheckBox.h"

#include "PropertyValues.h"

#include <QCheckBox>

std::vector<EventInfo> CheckBox::OwnEvents() {
    return {MakeEventInfo<void(CheckBox&)>(Action, "Action", "( CheckBox )")};
}

CheckBox::CheckBox() : ControlOf(MakeControlWidget<QCheckBox>(kClassName)) {
    box_ = static_cast<QCheckBox*>(Widget());
    QObject::connect(box_, &QCheckBox::toggled, box_,
                     [this](bool) { Fire<void(CheckBox&)>(Action, *this); });
}

bool CheckBox::Value() const {
    return box_->isChecked();
}

void CheckBox::SetValue(bool checked) {
    RunRaising([&] { box_->setChecked(checked); });
}

std::string CheckBox::Caption() const {
    return box_->text().toStdString();
}

bool CheckBox::ApplyClassProperty(std::string_view lowerKey, const DesignEntry& entry) {
    if (lowerKey == "caption") {
        box_->setText(QString::fromStdString(AsString(entry)));
    } else if (lowerKey == "value") {
        box_->setChecked(AsBool(entry));
    } else {
        return lowerKey == "visualstate"; // the value carries the state; no third state here
    }
    return true;
}
