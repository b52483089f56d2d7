#pragma once

#include <QImage>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>

#include <algorithm>

// The page count of a PDF file as pdfinfo reports it, or -1 when it reports none.
inline int PdfPages(const QString& path) {
    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {path});
    pdfinfo.waitForFinished();
    const auto match =
        QRegularExpression(R"(Pages:\s+(\d+))").match(pdfinfo.readAllStandardOutput());
    return match.hasMatch() ? match.captured(1).toInt() : -1;
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

// The inked pixels of a page rendered at 72 pixels to the inch, outside and inside the printable
// area (in points). Pixels within one pixel of the area's edge, which the renderer's smoothing
// may touch from either side, count for neither.
struct PageInk {
    int margins = 0;
    int printable = 0;
};

inline PageInk InkAround(const QImage& page, const QRectF& printable) {
    PageInk ink;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (std::min({c.red(), c.green(), c.blue()}) >= 240) {
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
