#pragma once

#include "PrintDialogs.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

// Answers the page set-up and print dialogs as a test says, and keeps the messages that a page
// was not printed. A print is aimed at the PDF file pdfPath, also when it is cancelled, so that
// a cancelled print that still drew would show. When pageSize, marginsMm (in marginsUnit) or
// orientation is set, a confirmed page set-up and every print leave it on the printer, as a
// user choosing it in the dialog would. whileOpen, when set, runs while a dialog is up, as what
// the user does with it.
class ScriptedPrintDialogs : public PrintDialogs {
  public:
    bool pageSetupAnswer = false;
    bool printAnswer = false;
    QString pdfPath;
    std::optional<QPageSize> pageSize;
    std::optional<QMarginsF> marginsMm;
    QPageLayout::Unit marginsUnit = QPageLayout::Millimeter;
    std::optional<QPageLayout::Orientation> orientation;
    int pageSetups = 0;
    int prints = 0;
    QPrinter* lastPrinter = nullptr;
    QPageLayout lastStartLayout; // what the last dialog started from
    QPageLayout lastPrintLayout; // kept, as the printer may go with its job
    QStringList problems;
    std::function<void()> whileOpen;

    bool RunPageSetup(QPrinter& printer, QWidget* /*parent*/) override {
        ++pageSetups;
        lastPrinter = &printer;
        lastStartLayout = printer.pageLayout();
        RunWhileOpen();
        if (pageSetupAnswer) {
            SetLayout(printer);
        }
        return pageSetupAnswer;
    }
    bool RunPrint(QPrinter& printer, QWidget* /*parent*/) override {
        ++prints;
        lastPrinter = &printer;
        lastStartLayout = printer.pageLayout();
        RunWhileOpen();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        SetLayout(printer);
        lastPrintLayout = printer.pageLayout();
        return printAnswer;
    }
    void ShowPrintProblem(const QString& message, QWidget* /*parent*/) override {
        problems << message;
    }

  private:
    void RunWhileOpen() const {
        if (whileOpen) {
            whileOpen();
        }
    }
    void SetLayout(QPrinter& printer) const {
        if (pageSize) {
            printer.setPageSize(*pageSize);
        }
        if (orientation) {
            printer.setPageOrientation(*orientation);
        }
        if (marginsMm) {
            printer.setPageMargins(*marginsMm, marginsUnit);
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
