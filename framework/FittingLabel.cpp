#include "FittingLabel.h"

#include <QEvent>
#include <QFontMetricsF>

#include <cmath>
#include <optional>

namespace {

// The largest whole-pixel size, from the font's own down to three quarters of it, at which the
// text fits the width; none when it is too wide even at the smallest. The font's own size is
// the font itself.
std::optional<QFont> FontThatFits(const QFont& font, const QString& text, int width,
                                  const QPaintDevice& device) {
    if (QFontMetricsF(font, &device).horizontalAdvance(text) <= width) {
        return font;
    }
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

} // namespace

void FittingLabel::SetWholeText(const QString& text) {
    whole_ = text;
    Fit();
}

void FittingLabel::SetDesignFont(const QFont& font) {
    design_ = font;
    Fit();
}

void FittingLabel::SetWordWrap(bool on) {
    setWordWrap(on);
    Fit();
}

void FittingLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Fit();
}

void FittingLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
        // A font the label inherits; its own changes come from Show.
        if (!showing_) {
            Fit();
        }
        break;
    case QEvent::ContentsRectChange:
    case QEvent::StyleChange:
        Fit();
        break;
    default:
        break;
    }
}

void FittingLabel::Fit() {
    const QFont design = DesignFont();
    if (wordWrap() || whole_.contains(QLatin1Char('\n'))) {
        Show(design, whole_);
        return;
    }
    const int room = TextRoom();
    if (const std::optional<QFont> fitting = FontThatFits(design, whole_, room, *this)) {
        Show(*fitting, whole_);
    } else {
        Show(design, QFontMetricsF(design, this).elidedText(whole_, Qt::ElideRight, room));
    }
}

void FittingLabel::Show(const QFont& shown, const QString& text) {
    showing_ = true;
    if (shown != font()) {
        if (!design_) {
            design_ = font();
        }
        setFont(shown);
    }
    setText(text);
    showing_ = false;
}

int FittingLabel::TextRoom() const {
    int room = contentsRect().width() - 2 * margin();
    int indentation = indent();
    if (indentation < 0 && frameWidth() > 0) {
        indentation =
            QFontMetrics(DesignFont(), this).horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    }
    if (indentation > 0 && (alignment() & (Qt::AlignLeft | Qt::AlignRight))) {
        room -= indentation;
    }
    return room;
}
