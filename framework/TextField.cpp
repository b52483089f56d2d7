#include "TextField.h"

#include "PropertyValues.h"
#include "TextAlignment.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPalette>

#include <algorithm>
#include <limits>

namespace {

// A limit of 0 means none; Qt's line edit would otherwise cut every text, a paste among them, at
// 32767 characters.
constexpr int kNoLimit = std::numeric_limits<int>::max();

// A line edit drops its selection when the focus leaves it for the menu bar, which is where
// Alt puts the focus when the bar is opened from the keyboard. The Edit commands chosen there
// must find the text, selection and cursor as the user left them, as they do when the menu is
// opened with the mouse: the field then loses the focus to a popup, and keeps its selection.
class TextFieldEdit : public QLineEdit {
  protected:
    void focusOutEvent(QFocusEvent* event) override {
        if (event->reason() == Qt::MenuBarFocusReason) {
            QFocusEvent asForAPopup(QEvent::FocusOut, Qt::PopupFocusReason);
            QLineEdit::focusOutEvent(&asForAPopup);
            return;
        }
        QLineEdit::focusOutEvent(event);
    }
};

} // namespace

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

TextField::TextField() : ControlOf(MakeControlWidget<TextFieldEdit>(kClassName)) {
    edit_ = static_cast<QLineEdit*>(Widget());
    edit_->setMaxLength(kNoLimit);
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
        edit_->setMaxLength(limit > 0 ? static_cast<int>(std::min<Int64>(limit, kNoLimit))
                                      : kNoLimit);
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
