#include "PageChoice.h"

#include <QPrinter>
#include <QPrinterInfo>

void PageChoice::StartPageSetup(QPrinter& printer) const {
    UseNativePrinter(printer);
    ApplyLayout(printer);
}

void PageChoice::StartPrint(QPrinter& printer) const {
    if (!fileName_.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fileName_);
    } else {
        UseNativePrinter(printer);
    }
    ApplyLayout(printer);
}

void PageChoice::KeepPageSetup(const QPrinter& printer) {
    layout_ = printer.pageLayout();
}

void PageChoice::KeepPrint(const QPrinter& printer) {
    layout_ = printer.pageLayout();
    if (printer.outputFormat() == QPrinter::NativeFormat) {
        printerName_ = printer.printerName();
        fileName_.clear();
    } else {
        fileName_ = printer.outputFileName();
    }
}

void PageChoice::UseNativePrinter(QPrinter& printer) const {
    // An empty file name turns a PDF printer into the default native one, where there is one;
    // a native printer with a file name would write that file.
    printer.setOutputFileName(QString());
    if (!printerName_.isEmpty() && !QPrinterInfo::printerInfo(printerName_).isNull()) {
        printer.setPrinterName(printerName_);
    }
}

void PageChoice::ApplyLayout(QPrinter& printer) const {
    if (layout_) {
        printer.setPageLayout(*layout_);
    }
}

PageChoice& CurrentPageChoice() {
    static PageChoice choice;
    return choice;
}
