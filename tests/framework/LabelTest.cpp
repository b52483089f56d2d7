// A label's text as a person sees it.
#include "Label.h"
#include "DesignList.h"

#include <QImage>
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A right-aligned, one-line label of the read-outs' size showing the text.
QImage Shown(Label& label, const std::string& text) {
    label.SetText(text);
    return label.Widget()->grab().toImage();
}

// What a plain Qt label of the same size, font and alignment shows for the text.
QImage PlainlyShown(QWidget& like, const QString& text) {
    QLabel plain;
    plain.setFont(like.font());
    plain.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    plain.resize(like.size());
    plain.setText(text);
    return plain.grab().toImage();
}

} // namespace

// Too wide a text keeps its start (a read-out's sign and leading digits) and loses its end to an
// ellipsis, instead of losing its start to the label's left edge.
TEST(Label, TooWideATextShowsItsStart) {
    Label label;
    const std::string list = DesignListWriter("Label")
                                 .Add("Width", Int64{65})
                                 .Add("Height", Int64{20})
                                 .Add("TextAlignment", Int64{3})
                                 .Bytes();
    for (const DesignEntry& entry : ReadDesignList("Label", list)) {
        label.ApplyProperty(entry);
    }
    QWidget& widget = *label.Widget();
    const QString wide = "-24375.00 km";
    ASSERT_GT(widget.fontMetrics().horizontalAdvance(wide), widget.contentsRect().width());

    const QString elided = widget.fontMetrics().elidedText(wide, Qt::ElideRight, 65);
    EXPECT_TRUE(elided.startsWith("-24"));
    EXPECT_EQ(Shown(label, wide.toStdString()), PlainlyShown(widget, elided));
    EXPECT_EQ(label.Text(), wide.toStdString()); // the text itself stays whole

    // A text that fits is shown as it is.
    EXPECT_EQ(Shown(label, "-6.00 m"), PlainlyShown(widget, "-6.00 m"));
}
