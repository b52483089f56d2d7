#include "PushButton.h"

#include "PropertyValues.h"

#include <QPushButton>

std::vector<EventInfo> PushButton::OwnEvents() {
    return {MakeEventInfo<void(PushButton&)>(Action, "Action", "( PushButton )")};
}

PushButton::PushButton() : ControlOf(MakeControlWidget<QPushButton>(kClassName)) {
    button_ = static_cast<QPushButton*>(Widget());
    QObject::connect(button_, &QPushButton::clicked, button_,
                     [this] { Fire<void(PushButton&)>(Action, *this); });
}

std::string PushButton::Caption() const {
    return button_->text().toStdString();
}

void PushButton::Push() {
    RunRaising([this] { button_->click(); });
}

bool PushButton::ApplyClassProperty(std::string_view lowerKey, const DesignEntry& entry) {
    if (lowerKey == "caption") {
        button_->setText(QString::fromStdString(AsString(entry)));
    } else if (lowerKey == "default") {
        button_->setDefault(AsBool(entry));
    } else {
        return false;
    }
    return true;
}
