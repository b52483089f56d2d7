#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QRectF>
#include <QRegularExpression>
#include <QSizeF>
#include <QStandardPaths>
#include <QString>
#include <gtest/gtest.h>

#include <algorithm>

// A field of a PDF file as pdfinfo reports it ("Title", "Pages"), or a null string when it
// reports none.
inline QString PdfInfo(const QString& path, const QString& field) {
    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {path});
    pdfinfo.waitForFinished();
    const auto match =
        QRegularExpression("^" + QRegularExpression::escape(field) + R"(:[ \t]*(.*?)\s*$)",
                           QRegularExpression::MultilineOption)
            .match(QString::fromUtf8(pdfinfo.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1) : QString();
}

// The page count of a PDF file as pdfinfo reports it, or -1 when it reports none.
inline int PdfPages(const QString& path) {
    bool number = false;
    const int pages = PdfInfo(path, "Pages").toInt(&number);
    return number ? pages : -1;
}

// The size of a PDF file's first page in points, as pdfinfo reports it; empty when it reports
// none.
inline QSizeF PdfPageSize(const QString& path) {
    const auto match =
        QRegularExpression(R"(^([\d.]+) x ([\d.]+) pts)").match(PdfInfo(path, "Page size"));
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble())
                            : QSizeF();
}

inline bool CanRenderPdf() {
    return !QStandardPaths::findExecutable("pdftoppm").isEmpty();
}

// The first page of a PDF file rendered at 72 pixels to the inch, so one point is one pixel; a
// null image when it cannot be rendered. pngPrefix is the path of the picture without ".png".
inline QImage RenderedPdfPage(const QString& path, const QString& pngPrefix) {
    QProcess::execute("pdftoppm", {"-r", "72", "-png", "-singlefile", path, pngPrefix});
    return QImage(pngPrefix + ".png");
}

// Anything darker than the near-white that a renderer's smoothing leaves on blank paper.
inline bool Inked(const QColor& c) {
    return std::min({c.red(), c.green(), c.blue()}) < 240;
}

// The inked pixels of a page rendered at 72 pixels to the inch, outside and inside an area of
// it (in points), such as the printable area. Pixels within one pixel of the area's edge, which
// the renderer's smoothing may touch from either side, count for neither.
struct PageInk {
    int margins = 0;
    int printable = 0;
};

inline PageInk InkAround(const QImage& page, const QRectF& printable) {
    PageInk ink;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (!Inked(page.pixelColor(x, y))) {
                continue;
            }
            const QRectF pixel(x, y, 1, 1);
            if (printable.contains(pixel)) {
                ++ink.printable;
            } else if (!printable.adjusted(-1, -1, 1, 1).intersects(pixel)) {
                ++ink.margins;
            }
        }
    }
    return ink;
}

// The smallest rectangle that holds every inked pixel of a rendered page; empty when none is.
inline QRect InkBounds(const QImage& page) {
    QRect bounds;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (Inked(page.pixelColor(x, y))) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

// Whether the ink of a rendered page keeps to an area (in points) and fills it, reaching within
// two pixels of each of its edges.
inline testing::AssertionResult InkFillsExactly(const QImage& page, const QRectF& area) {
    if (const int outside = InkAround(page, area).margins; outside != 0) {
        return testing::AssertionFailure() << outside << " inked pixels outside the area";
    }
    const QRect inked = InkBounds(page);
    if (!inked.contains(area.adjusted(2, 2, -2, -2).toRect())) {
        return testing::AssertionFailure() << "inked " << inked.x() << "," << inked.y() << " "
                                           << inked.width() << "x" << inked.height();
    }
    return testing::AssertionSuccess();
}
