#pragma once

#include "Graphics.h"

#include <memory>
#include <string>

class QPrinter;
class Window;

// The page set-up object: one printer whose page settings the page set-up dialog edits and the
// print dialog starts from.
class PrinterSetup {
  public:
    PrinterSetup();
    ~PrinterSetup();
    PrinterSetup(const PrinterSetup&) = delete;
    PrinterSetup& operator=(const PrinterSetup&) = delete;

    // Runs the page set-up dialog, starting from the page layout last chosen in either dialog;
    // true when the user confirmed it. The dialogs have no parent window: parent is accepted
    // and not used.
    bool PageSetupDialog(Window* parent = nullptr);

    QPrinter& Printer() { return *printer_; }

  private:
    std::unique_ptr<QPrinter> printer_;
};

// Runs the print dialog on the set-up's printer, or on a default printer when setup is null,
// starting from the page layout last chosen in either dialog and the printer last printed to;
// the job and its document are named docName. Answers nullptr when the user cancels, and also,
// after telling the user in a message window, when the page cannot be printed. Otherwise a
// drawing context for exactly one page, on which the drawing area of areaWidth x areaHeight
// diagram pixels stands at the printable area's top left at 72 pixels to the inch, shrunk
// uniformly where it would not fit; nothing drawn outside that area reaches the page. Its
// Height() is the drawing area's. Destroying it sends the page, telling the user where the
// printer reports that it was not printed; setup must outlive it.
std::unique_ptr<Graphics> OpenPrinterDialog(PrinterSetup* setup, Window* parent, double areaWidth,
                                            double areaHeight, const std::string& docName);
