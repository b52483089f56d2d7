#pragma once

#include <QPageLayout>
#include <QString>

#include <optional>

class QPrinter;

// What the person last chose in the page set-up and print dialogs, for the dialogs after to
// start from: the page layout (paper, orientation, margins) and where the last print went.
class PageChoice {
  public:
    // Sets up a printer for the page set-up dialog: the chosen layout, on the native printer
    // last printed to, or the default one, also after a print to file.
    void StartPageSetup(QPrinter& printer) const;
    // Sets up a printer for the print dialog: the chosen layout, on the printer or the file
    // last printed to.
    void StartPrint(QPrinter& printer) const;
    // Keeps what a confirmed dialog left in the printer.
    void KeepPageSetup(const QPrinter& printer);
    void KeepPrint(const QPrinter& printer);

  private:
    void UseNativePrinter(QPrinter& printer) const;
    void ApplyLayout(QPrinter& printer) const;

    std::optional<QPageLayout> layout_;
    QString printerName_; // the native printer last printed to
    QString fileName_;    // the file of the last print, when it went to a file
};

// The choices made in the dialogs in use (see SetPrintDialogs).
PageChoice& CurrentPageChoice();
