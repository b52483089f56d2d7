#pragma once

#include "PrintDialogs.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

// Answers the page set-up and print dialogs as a test says. A print is aimed at the PDF file
// pdfPath, also when it is cancelled, so that a cancelled print that still drew would show.
// When marginsMm or orientation is set, a confirmed page set-up and every print leave it on the
// printer, as a user choosing it in the dialog would. whileOpen, when set, runs while a dialog
// is up, as what the user does with it.
class ScriptedPrintDialogs : public PrintDialogs {
  public:
    bool pageSetupAnswer = false;
    bool printAnswer = false;
    QString pdfPath;
    std::optional<QMarginsF> marginsMm;
    std::optional<QPageLayout::Orientation> orientation;
    int pageSetups = 0;
    int prints = 0;
    QPrinter* lastPrinter = nullptr;
    QPageLayout lastPrintLayout; // kept, as the printer may go with its job
    std::function<void()> whileOpen;

    bool RunPageSetup(QPrinter& printer, QWidget* /*parent*/) override {
        ++pageSetups;
        lastPrinter = &printer;
        RunWhileOpen();
        if (pageSetupAnswer) {
            SetLayout(printer);
        }
        return pageSetupAnswer;
    }
    bool RunPrint(QPrinter& printer, QWidget* /*parent*/) override {
        ++prints;
        lastPrinter = &printer;
        RunWhileOpen();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        SetLayout(printer);
        lastPrintLayout = printer.pageLayout();
        return printAnswer;
    }

  private:
    void RunWhileOpen() const {
        if (whileOpen) {
            whileOpen();
        }
    }
    void SetLayout(QPrinter& printer) const {
        if (orientation) {
            printer.setPageOrientation(*orientation);
        }
        if (marginsMm) {
            printer.setPageMargins(*marginsMm, QPageLayout::Millimeter);
        }
    }
};

// Scripted dialogs in use for as long as this lives; the ones in use before come back after.
class ScriptedPrintDialogsInUse {
  public:
    ScriptedPrintDialogsInUse() {
        auto dialogs = std::make_unique<ScriptedPrintDialogs>();
        script_ = dialogs.get();
        previous_ = SetPrintDialogs(std::move(dialogs));
    }
    ~ScriptedPrintDialogsInUse() { SetPrintDialogs(std::move(previous_)); }
    ScriptedPrintDialogsInUse(const ScriptedPrintDialogsInUse&) = delete;
    ScriptedPrintDialogsInUse& operator=(const ScriptedPrintDialogsInUse&) = delete;

    ScriptedPrintDialogs& Script() const { return *script_; }

  private:
    ScriptedPrintDialogs* script_ = nullptr;
    std::unique_ptr<PrintDialogs> previous_;
};
