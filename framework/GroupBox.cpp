#include "GroupBox.h"

#include "PropertyValues.h"

#include <QGroupBox>

GroupBox::GroupBox() : ControlOf(MakeControlWidget<QGroupBox>(kClassName)) {
    box_ = static_cast<QGroupBox*>(Widget());
}

std::string GroupBox::Caption() const {
    return box_->title().toStdString();
}

bool GroupBox::ApplyClassProperty(std::string_view lowerKey, const DesignEntry& entry) {
    if (lowerKey != "caption") {
        return false;
    }
    box_->setTitle(QString::fromStdString(AsString(entry)));
    return true;
}
