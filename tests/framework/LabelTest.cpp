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
#include <functional>
#include <optional>

namespace {

struct Look {
    int width;
    int height = 20;
    Int64 alignment = 3; // right
    Color color = RGB(0, 0, 0);
    bool multiline = false;
    float fontSize = 0; // the application's font when 0
};

void Design(Label& label, const Look& look) {
    DesignListWriter list("Label");
    list.Add("Width", Int64{look.width})
        .Add("Height", Int64{look.height})
        .Add("TextAlignment", look.alignment)
        .Add("TextColor", look.color)
        .Add("Multiline", look.multiline);
    if (look.fontSize > 0) {
        list.Add("FontName", std::string("Arial")).Add("FontSize", look.fontSize);
    }
    for (const DesignEntry& entry : ReadDesignList("Label", list.Bytes())) {
        label.ApplyProperty(entry);
    }
}

QImage Shown(Label& label, const std::string& text) {
    label.SetText(text);
    return label.Widget()->grab().toImage();
}

// What a plain Qt label shows for the text in the font, with the label's own size, colour,
// alignment and whatever else `prepare` gives both.
QImage PlainlyShown(const QWidget& like, const QFont& font, const QString& text,
                    const std::function<void(QLabel&)>& prepare = {}) {
    QLabel plain;
    if (prepare) {
        prepare(plain);
    }
    plain.setFont(font);
    plain.setPalette(like.palette());
    plain.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    plain.resize(like.size());
    plain.setText(text);
    return plain.grab().toImage();
}

qreal Advance(const QFont& font, const QString& text) {
    return QFontMetricsF(font).horizontalAdvance(text);
}

QFont DesignFont(const Label& label) {
    return label.Font().ToQFont();
}

int PixelSize(const QFont& font) {
    return QFontInfo(font).pixelSize();
}

} // namespace

// Too wide a text even at three quarters of the label's size keeps its start (a read-out's sign
// and leading digits) and loses its end to an ellipsis, instead of losing its start to the
// label's left edge.
TEST(Label, FarTooWideATextShowsItsStart) {
    Label label;
    Design(label, {.width = 65});
    QWidget& widget = *label.Widget();
    const QFont design = DesignFont(label);
    const QString wide = "-24375000.00 km";
    ASSERT_GT(Advance(design, wide) * 3, widget.contentsRect().width() * 4);

    const QString elided = widget.fontMetrics().elidedText(wide, Qt::ElideRight, 65);
    EXPECT_TRUE(elided.startsWith("-24"));
    EXPECT_EQ(Shown(label, wide.toStdString()), PlainlyShown(widget, design, elided));
    EXPECT_EQ(label.Text(), wide.toStdString()); // the text itself stays whole

    // A text that fits is shown as it is.
    EXPECT_EQ(Shown(label, "-6.00 m"), PlainlyShown(widget, design, "-6.00 m"));
}

// A text somewhat wider than its label is drawn whole, at the largest whole-pixel size that
// fits, in the label's family, colour and alignment; the label still answers its design font.
// A text that fits again, or more room, brings the design size back, to the pixel.
TEST(Label, ASomewhatTooWideTextIsDrawnWholeAtTheLargestSizeThatFits) {
    const QString text = "-11666.67 km";
    const Color teal = RGB(0, 128, 128);
    for (const float fontSize : {0.0f, 12.0f}) {
        for (const double room : {0.97, 0.9, 0.8}) {
            SCOPED_TRACE(testing::Message() << "font size " << fontSize << ", room " << room
                                            << " of the text's width");
            Label label;
            Design(label, {.width = 1000, .color = teal, .fontSize = fontSize});
            const QFont design = DesignFont(label);
            const int width = static_cast<int>(Advance(design, text) * room);
            Design(label, {.width = width, .color = teal, .fontSize = fontSize});
            QWidget& widget = *label.Widget();
            label.SetText(text.toStdString());

            const std::vector<PaintedText> painted = PaintedTextsOf(widget);
            ASSERT_EQ(painted.size(), 1U);
            const PaintedText& drawn = painted.front();
            EXPECT_EQ(drawn.text, text);
            EXPECT_EQ(drawn.color, QColor(0, 128, 128));
            EXPECT_EQ(QFontInfo(drawn.font).family(), QFontInfo(design).family());
            const int own = PixelSize(design);
            const int size = PixelSize(drawn.font);
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
            EXPECT_EQ(label.Font().size, fontSize);
            EXPECT_EQ(PixelSize(DesignFont(label)), own);

            EXPECT_EQ(Shown(label, "-6.00 m"), PlainlyShown(widget, design, "-6.00 m"));
            label.SetText(text.toStdString());
            Design(label, {.width = width * 2, .color = teal, .fontSize = fontSize});
            EXPECT_EQ(widget.grab().toImage(), PlainlyShown(widget, design, text));
        }
    }
}

// The fit measures in fractions of a pixel: a text a fraction wider than its label, which
// whole-pixel metrics call fitting, is drawn smaller and shows whole.
TEST(Label, ATextAFractionTooWideIsDrawnSmaller) {
    Label label;
    Design(label, {.width = 1000, .fontSize = 12});
    const QFont design = DesignFont(label);
    const QFontMetrics whole(design, label.Widget());
    const QFontMetricsF exact(design, label.Widget());
    std::optional<QString> text;
    for (int digits = 1; digits <= 8 && !text; ++digits) {
        for (const char* unit : {" m", " km", " mm", " ns", " ms", " ps", " s"}) {
            const QString candidate = "-" + QString(digits, '4') + ".25" + unit;
            const qreal advance = exact.horizontalAdvance(candidate);
            if (!text && advance > std::floor(advance) &&
                whole.horizontalAdvance(candidate) <= static_cast<int>(std::floor(advance))) {
                text = candidate;
            }
        }
    }
    ASSERT_TRUE(text) << "no text of a fractional width in this font";
    const int width = static_cast<int>(std::floor(exact.horizontalAdvance(*text)));
    Design(label, {.width = width, .fontSize = 12});
    label.SetText(text->toStdString());

    const std::vector<PaintedText> painted = PaintedTextsOf(*label.Widget());
    ASSERT_EQ(painted.size(), 1U);
    EXPECT_EQ(painted.front().text, *text);
    EXPECT_LT(PixelSize(painted.front().font), PixelSize(design));
}

// A fitted text is painted by Qt's label itself, with the smaller font: its frame, margin and
// indent, and a right-to-left text on the side Qt's label puts it, as on either side of the
// fit's boundary.
TEST(Label, AFittedTextIsPaintedByQtsLabel) {
    struct Row {
        const char* name;
        QString text;
        std::function<void(QLabel&)> prepare;
        int frameMarginIndent; // the width they take from the text
    };
    const Row rows[] = {
        {"plain", "-11666.67 km", {}, 0},
        {"frame, margin and indent", "-11666.67 km",
         [](QLabel& l) {
             l.setFrameStyle(QFrame::Box | QFrame::Plain);
             l.setLineWidth(2);
             l.setMargin(3);
             l.setIndent(4);
         },
         2 * 2 + 2 * 3 + 4},
        {"right to left",
         QString::fromUtf8("\u05e9\u05dc\u05d5\u05dd \u05e2\u05d5\u05dc\u05dd "
                           "\u05de\u05dc\u05d0"),
         {},
         0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Label label;
        if (row.prepare) {
            row.prepare(*static_cast<QLabel*>(label.Widget()));
        }
        Design(label, {.width = 1000});
        const QFont design = DesignFont(label);
        const int width = static_cast<int>(Advance(design, row.text) * 0.9) + row.frameMarginIndent;
        Design(label, {.width = width});
        QWidget& widget = *label.Widget();
        label.SetText(row.text.toStdString());

        const QFont shown = widget.font();
        EXPECT_LT(PixelSize(shown), PixelSize(design));
        EXPECT_EQ(widget.grab().toImage(), PlainlyShown(widget, shown, row.text, row.prepare));
    }
}

// Texts of more lines than one are Qt's label's alone: every line at the design size.
TEST(Label, AMultiLineTextIsNeverFitted) {
    struct Row {
        const char* name;
        std::string text;
        bool multiline;
    };
    const Row rows[] = {
        {"lines broken by the text", "first line\rsecond line, far wider than its label", false},
        {"lines wrapped by the label", "a sentence far wider than its label, on lines", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Label label;
        Design(label, {.width = 120, .height = 80, .alignment = 0, .multiline = row.multiline});
        const QFont design = DesignFont(label);
        ASSERT_GT(Advance(design, QString::fromStdString(row.text)), 4 * 120 / 3);
        label.SetText(row.text);

        const std::vector<PaintedText> painted = PaintedTextsOf(*label.Widget());
        ASSERT_GE(painted.size(), 2U);
        QString all;
        for (const PaintedText& run : painted) {
            EXPECT_EQ(PixelSize(run.font), PixelSize(design)) << run.text.toStdString();
            all += run.text;
        }
        QString want = QString::fromStdString(row.text);
        want.remove(QLatin1Char('\r'));
        EXPECT_EQ(all.remove(QLatin1Char(' ')).toStdString(),
                  want.remove(QLatin1Char(' ')).toStdString());
    }
}
