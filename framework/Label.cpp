#include "Label.h"

#include "FittingLabel.h"
#include "PropertyValues.h"
#include "TextAlignment.h"

#include <QPalette>

namespace {

// Texts separate lines with a carriage return; Qt breaks lines at line feeds.
QString DisplayText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace

std::vector<EventInfo> Label::OwnEvents() {
    using Point = void(Label&, Int64, Int64);
    return {
        MakeEventInfo<void(Label&)>(15, "DoubleClick", "( Label )"),
        MakeEventInfo<bool(Label&, Int64, Int64)>(kMouseDown, "MouseDown",
                                                  "( Label, Integer, Integer ) as Boolean"),
        MakeEventInfo<Point>(kMouseDrag, "MouseDrag", "( Label, Integer, Integer )"),
        MakeEventInfo<Point>(kMouseUp, "MouseUp", "( Label, Integer, Integer )"),
    };
}

Label::Label() : ControlOf(MakeControlWidget<FittingLabel>(kClassName)) {
    label_ = static_cast<FittingLabel*>(Widget());
    label_->setTextFormat(Qt::PlainText);
    ApplyAlignment();
}

void Label::SetText(std::string_view text) {
    RequireUiThread();
    text_ = std::string(text);
    label_->SetWholeText(DisplayText(text_));
}

void Label::ApplyAlignment() {
    const Qt::Alignment vertical = multiline_ ? Qt::AlignTop : Qt::AlignVCenter;
    label_->setAlignment(HorizontalAlignment(alignment_) | vertical);
    label_->SetWordWrap(multiline_);
}

void Label::ApplyFont(const QFont& font) {
    label_->SetDesignFont(font);
}

bool Label::ApplyClassProperty(std::string_view lowerKey, const DesignEntry& entry) {
    if (lowerKey == "value") {
        SetText(AsString(entry));
    } else if (lowerKey == "textalignment") {
        alignment_ = AsInteger(entry);
        ApplyAlignment();
    } else if (lowerKey == "multiline") {
        multiline_ = AsBool(entry);
        ApplyAlignment();
    } else if (lowerKey == "selectable") {
        label_->setTextInteractionFlags(AsBool(entry) ? Qt::TextSelectableByMouse
                                                      : Qt::NoTextInteraction);
    } else if (lowerKey == "textcolor") {
        QPalette palette = label_->palette();
        palette.setColor(QPalette::WindowText, ToQColor(AsColor(entry)));
        label_->setPalette(palette);
    } else {
        return false;
    }
    return true;
}
