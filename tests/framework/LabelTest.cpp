// A label's text as a person sees it.
#include "Label.h"
#include "DesignList.h"
#include "PaintedTexts.h"

#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// A right-aligned, one-line label of the read-outs' height, the given width and colour.
void Design(Label& label, int width, Color color = RGB(0, 0, 0)) {
    const std::string list = DesignListWriter("Label")
                                 .Add("Width", Int64{width})
                                 .Add("Height", Int64{20})
                                 .Add("TextAlignment", Int64{3})
                                 .Add("TextColor", color)
                                 .Bytes();
    for (const DesignEntry& entry : ReadDesignList("Label", list)) {
        label.ApplyProperty(entry);
    }
}

QImage Shown(Label& label, const std::string& text) {
    label.SetText(text);
    return label.Widget()->grab().toImage();
}

// What a plain Qt label of the same size, font, colour and alignment shows for the text.
QImage PlainlyShown(QWidget& like, const QString& text) {
    QLabel plain;
    plain.setFont(like.font());
    plain.setPalette(like.palette());
    plain.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    plain.resize(like.size());
    plain.setText(text);
    return plain.grab().toImage();
}

qreal Advance(const QFont& font, const QString& text) {
    return QFontMetricsF(font).horizontalAdvance(text);
}

} // namespace

// Too wide a text even at three quarters of the label's size keeps its start (a read-out's sign
// and leading digits) and loses its end to an ellipsis, instead of losing its start to the
// label's left edge.
TEST(Label, FarTooWideATextShowsItsStart) {
    Label label;
    Design(label, 65);
    QWidget& widget = *label.Widget();
    const QString wide = "-24375000.00 km";
    ASSERT_GT(Advance(widget.font(), wide) * 3, widget.contentsRect().width() * 4);

    const QString elided = widget.fontMetrics().elidedText(wide, Qt::ElideRight, 65);
    EXPECT_TRUE(elided.startsWith("-24"));
    EXPECT_EQ(Shown(label, wide.toStdString()), PlainlyShown(widget, elided));
    EXPECT_EQ(label.Text(), wide.toStdString()); // the text itself stays whole

    // A text that fits is shown as it is.
    EXPECT_EQ(Shown(label, "-6.00 m"), PlainlyShown(widget, "-6.00 m"));
}

// A text somewhat wider than its label is drawn whole, at the largest whole-pixel size that
// fits, in the label's family, colour and alignment.
TEST(Label, ASomewhatTooWideTextIsDrawnWholeAtTheLargestSizeThatFits) {
    const QString text = "-11666.67 km";
    const Color teal = RGB(0, 128, 128);
    for (const double room : {0.97, 0.9, 0.8}) {
        SCOPED_TRACE(testing::Message() << "room " << room << " of the text's width");
        Label label;
        QWidget& widget = *label.Widget();
        const int width = static_cast<int>(Advance(widget.font(), text) * room);
        Design(label, width, teal);
        label.SetText(text.toStdString());

        const std::vector<PaintedText> painted = PaintedTextsOf(widget);
        ASSERT_EQ(painted.size(), 1U);
        const PaintedText& drawn = painted.front();
        EXPECT_EQ(drawn.text, text);
        EXPECT_EQ(drawn.color, QColor(0, 128, 128));
        EXPECT_EQ(QFontInfo(drawn.font).family(), QFontInfo(widget.font()).family());
        const int own = QFontInfo(widget.font()).pixelSize();
        const int size = QFontInfo(drawn.font).pixelSize();
        EXPECT_LT(size, own);
        EXPECT_GE(size, std::ceil(own * 0.75));
        EXPECT_LE(Advance(drawn.font, text), width);
        QFont larger = drawn.font;
        larger.setPixelSize(size + 1);
        EXPECT_TRUE(size + 1 == own || Advance(larger, text) > width);
        // Right-aligned, vertically centred, inside the label.
        EXPECT_GE(drawn.box.left(), 0);
        EXPECT_NEAR(drawn.box.right(), width, 1.0);
        EXPECT_GE(drawn.box.top(), 0);
        EXPECT_LE(drawn.box.bottom(), widget.height());
    }
}
