#pragma once

#include "PrintDialogs.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <QString>

#include <optional>

// Answers the page set-up and print dialogs as a test says. A print is aimed at the PDF file
// pdfPath, also when it is cancelled, so that a cancelled print that still drew would show.
// When marginsMm is set, a confirmed page set-up and every print leave those margins on the
// printer, as a user editing them in the dialog would.
class ScriptedPrintDialogs : public PrintDialogs {
  public:
    bool pageSetupAnswer = false;
    bool printAnswer = false;
    QString pdfPath;
    std::optional<QMarginsF> marginsMm;
    int pageSetups = 0;
    int prints = 0;
    QPrinter* lastPrinter = nullptr;

    bool RunPageSetup(QPrinter& printer, QWidget* /*parent*/) override {
        ++pageSetups;
        lastPrinter = &printer;
        if (pageSetupAnswer) {
            SetMargins(printer);
        }
        return pageSetupAnswer;
    }
    bool RunPrint(QPrinter& printer, QWidget* /*parent*/) override {
        ++prints;
        lastPrinter = &printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        SetMargins(printer);
        return printAnswer;
    }

  private:
    void SetMargins(QPrinter& printer) const {
        if (marginsMm) {
            printer.setPageMargins(*marginsMm, QPageLayout::Millimeter);
        }
    }
};
