#include "TextField.h"

#include "PropertyValues.h"
#include "TextAlignment.h"

#include <QLineEdit>
#include <QPalette>

std::vector<EventInfo> TextField::OwnEvents() {
    using Key = bool(TextField&, Int64);
    return {
        MakeEventInfo<Key>(15, "KeyDown", "( TextField, Integer ) as Boolean"),
        MakeEventInfo<void(TextField&, Int64)>(16, "KeyUp", "( TextField, Integer )"),
        MakeEventInfo<void(TextField&)>(17, "SelectionChanged", "( TextField )"),
        MakeEventInfo<void(TextField&)>(18, "Copied", "( TextField )"),
        MakeEventInfo<void(TextField&)>(19, "Pasted", "( TextField )"),
        MakeEventInfo<void(TextField&)>(20, "ValidationFailed", "( TextField )"),
        MakeEventInfo<void(TextField&)>(TextChange, "TextChange", "( TextField )"),
    };
}

TextField::TextField() : ControlOf(MakeControlWidget<QLineEdit>(kClassName)) {
    edit_ = static_cast<QLineEdit*>(Widget());
    QObject::connect(edit_, &QLineEdit::textChanged, edit_,
                     [this](const QString&) { Fire<void(TextField&)>(TextChange, *this); });
}

std::string TextField::Text() const {
    return edit_->text().toStdString();
}

void TextField::SetText(std::string_view text) {
    const QString value = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    RunRaising([&] { edit_->setText(value); });
}

bool TextField::ApplyClassProperty(std::string_view lowerKey, const DesignEntry& entry) {
    QPalette palette = edit_->palette();
    if (lowerKey == "value") {
        edit_->setText(QString::fromStdString(AsString(entry)));
    } else if (lowerKey == "textalignment") {
        alignment_ = AsInteger(entry);
        edit_->setAlignment(HorizontalAlignment(alignment_) | Qt::AlignVCenter);
    } else if (lowerKey == "hasborder") {
        edit_->setFrame(AsBool(entry));
    } else if (lowerKey == "password") {
        edit_->setEchoMode(AsBool(entry) ? QLineEdit::Password : QLineEdit::Normal);
    } else if (lowerKey == "readonly") {
        edit_->setReadOnly(AsBool(entry));
    } else if (lowerKey == "hint") {
        edit_->setPlaceholderText(QString::fromStdString(AsString(entry)));
    } else if (lowerKey == "maximumcharactersallowed") {
        const Int64 limit = AsInteger(entry);
        edit_->setMaxLength(limit > 0 && limit < 32767 ? static_cast<int>(limit) : 32767);
    } else if (lowerKey == "textcolor") {
        palette.setColor(QPalette::Text, ToQColor(AsColor(entry)));
        edit_->setPalette(palette);
    } else if (lowerKey == "backgroundcolor") {
        palette.setColor(QPalette::Base, ToQColor(AsColor(entry)));
        edit_->setPalette(palette);
    } else {
        return false;
    }
    return true;
}
