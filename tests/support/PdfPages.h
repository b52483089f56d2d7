#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>

// The page count of a PDF file as pdfinfo reports it, or -1 when it reports none.
inline int PdfPages(const QString& path) {
    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {path});
    pdfinfo.waitForFinished();
    const auto match =
        QRegularExpression(R"(Pages:\s+(\d+))").match(pdfinfo.readAllStandardOutput());
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}
