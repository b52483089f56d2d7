#include "Label.h"

#include "PropertyValues.h"
#include "TextAlignment.h"

#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QStyle>

#include <cmath>
#include <optional>

namespace {

// Texts separate lines with a carriage return; Qt breaks lines at line feeds.
QString DisplayText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

// The largest whole-pixel size, below the font's own and down to three quarters of it, at which
// the text fits the width; none when it is too wide even at the smallest.
std::optional<QFont> SmallerFontThatFits(const QFont& font, const QString& text, int width,
                                         const QPaintDevice& device) {
    const double own =
        font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * device.logicalDpiY() / 72.0;
    const int smallest = static_cast<int>(std::ceil(own * 0.75));
    for (int size = static_cast<int>(std::ceil(own)) - 1; size >= smallest; --size) {
        QFont smaller = font;
        smaller.setPixelSize(size);
        if (QFontMetricsF(smaller, &device).horizontalAdvance(text) <= width) {
            return smaller;
        }
    }
    return std::nullopt;
}

// A one-line text wider than its label is drawn smaller, so that every character of it shows: a
// read-out's sign, digits and unit. Only what is too wide even then is cut at its end with an
// ellipsis, keeping its start; Qt alone would clip a right-aligned text on the left and show a
// wrong number. A text that fits is Qt's own label's.
class FittingLabel : public QLabel {
  protected:
    void paintEvent(QPaintEvent* event) override {
        const QRect area = contentsRect();
        const QString whole = text();
        if (wordWrap() || fontMetrics().horizontalAdvance(whole) <= area.width()) {
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        QString shown = whole;
        if (const std::optional<QFont> smaller =
                SmallerFontThatFits(font(), whole, area.width(), *this)) {
            painter.setFont(*smaller);
        } else {
            shown = fontMetrics().elidedText(whole, Qt::ElideRight, area.width());
        }
        style()->drawItemText(&painter, area,
                              QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                              isEnabled(), shown, foregroundRole());
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

Label::Label() : ControlOf(MakeControlWidget<FittingLabel>(kClassName)) {
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
