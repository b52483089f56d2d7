#pragma once

#include <memory>

class QPrinter;
class QWidget;

// The page set-up and print dialogs, behind a seam so that tests can answer them.
class PrintDialogs {
  public:
    virtual ~PrintDialogs() = default;
    // Each answers true when the user confirms; the dialog leaves its choices in the printer.
    virtual bool RunPageSetup(QPrinter& printer, QWidget* parent) = 0;
    virtual bool RunPrint(QPrinter& printer, QWidget* parent) = 0;
};

// The dialogs in use: the system's own unless a test installed others.
PrintDialogs& CurrentPrintDialogs();

// Installs dialogs (nullptr reinstalls the system's) and answers the ones used before.
std::unique_ptr<PrintDialogs> SetPrintDialogs(std::unique_ptr<PrintDialogs> dialogs);
