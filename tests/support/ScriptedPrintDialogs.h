#pragma once

#include "PrintDialogs.h"

#include <QPrinter>
#include <QString>

// Answers the page set-up and print dialogs as a test says. A print is aimed at the PDF file
// pdfPath, also when it is cancelled, so that a cancelled print that still drew would show.
class ScriptedPrintDialogs : public PrintDialogs {
  public:
    bool pageSetupAnswer = false;
    bool printAnswer = false;
    QString pdfPath;
    int pageSetups = 0;
    int prints = 0;
    QPrinter* lastPrinter = nullptr;

    bool RunPageSetup(QPrinter& printer, QWidget* /*parent*/) override {
        ++pageSetups;
        lastPrinter = &printer;
        return pageSetupAnswer;
    }
    bool RunPrint(QPrinter& printer, QWidget* /*parent*/) override {
        ++prints;
        lastPrinter = &printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        return printAnswer;
    }
};
