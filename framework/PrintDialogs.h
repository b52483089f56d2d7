#pragma once

#include <memory>

class QPrinter;
class QString;
class QWidget;

// The page set-up and print dialogs and the message that a page was not printed, behind a seam
// so that tests can answer them.
class PrintDialogs {
  public:
    virtual ~PrintDialogs() = default;
    // Each answers true when the user confirms; the dialog starts from the printer's page layout
    // and leaves in it the layout the user chose.
    virtual bool RunPageSetup(QPrinter& printer, QWidget* parent) = 0;
    virtual bool RunPrint(QPrinter& printer, QWidget* parent) = 0;
    // Tells the user, in a message window, what became of a page.
    virtual void ShowPrintProblem(const QString& message, QWidget* parent) = 0;
};

// The dialogs in use: the system's own unless a test installed others.
PrintDialogs& CurrentPrintDialogs();

// Installs dialogs (nullptr reinstalls the system's) and answers the ones used before. The
// choices made in the dialogs before (CurrentPageChoice) are forgotten.
std::unique_ptr<PrintDialogs> SetPrintDialogs(std::unique_ptr<PrintDialogs> dialogs);
