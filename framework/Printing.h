#pragma once

#include "Graphics.h"

#include <memory>

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

    // Runs the page set-up dialog; true when the user confirmed it. The dialogs have no parent
    // window: parent is accepted and not used.
    bool PageSetupDialog(Window* parent = nullptr);

    QPrinter& Printer() { return *printer_; }

  private:
    std::unique_ptr<QPrinter> printer_;
};

// Runs the print dialog on the set-up's printer, or on a default printer when setup is null.
// Answers nullptr when the user cancels; otherwise a drawing context for exactly one page, on
// which the drawing area of areaWidth x areaHeight diagram pixels stands at the printable area's
// top left at 72 pixels to the inch, shrunk uniformly where it would not fit; nothing drawn
// outside that area reaches the page. Its Height() is the printable height in diagram pixels.
// Destroying it finishes the job; setup must outlive it.
// Throws RuntimeException when the printer cannot be opened after the user confirmed.
std::unique_ptr<Graphics> OpenPrinterDialog(PrinterSetup* setup, Window* parent, double areaWidth,
                                            double areaHeight);
