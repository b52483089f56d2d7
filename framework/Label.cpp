#include "Label.h"

#include "PropertyValues.h"
#include "TextAlignment.h"

#include <QLabel>
#include <QPainter>
#include <QPalette>

namespace {

// Texts separate lines with a carriage return; Qt breaks lines at line feeds.
QString DisplayText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

// A one-line text wider than its label is cut at its end with an ellipsis, so that its start,
// a read-out's sign and leading digits among it, always shows. Qt alone would clip a
// right-aligned text on the left and show a wrong number.
class ElidingLabel : public QLabel {
  protected:
    void paintEvent(QPaintEvent* event) override {
        const QRect area = contentsRect();
        const QFontMetrics metrics = fontMetrics();
        if (wordWrap() || metrics.horizontalAdvance(text()) <= area.width()) {
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(area, static_cast<int>(alignment()),
                         metrics.elidedText(text(), Qt::ElideRight, area.width()));
    }
};

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

Label::Label() : ControlOf(MakeControlWidget<ElidingLabel>(kClassName)) {
    label_ = static_cast<QLabel*>(Widget());
    label_->setTextFormat(Qt::PlainText);
    ApplyAlignment();
}

void Label::SetText(std::string_view text) {
    RequireUiThread();
    text_ = std::string(text);
    label_->setText(DisplayText(text_));
}

void Label::ApplyAlignment() {
    const Qt::Alignment vertical = multiline_ ? Qt::AlignTop : Qt::AlignVCenter;
    label_->setAlignment(HorizontalAlignment(alignment_) | vertical);
    label_->setWordWrap(multiline_);
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
