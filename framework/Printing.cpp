#include "Printing.h"

#include "PageChoice.h"
#include "PageFit.h"
#include "PrintDialogs.h"
#include "QtGraphics.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QString>

namespace {

void ShowProblem(const QString& message) {
    CurrentPrintDialogs().ShowPrintProblem(message, nullptr);
}

QString PrinterName(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat
               ? QStringLiteral("the file \"%1\"").arg(printer.outputFileName())
               : QStringLiteral("the printer \"%1\"").arg(printer.printerName());
}

// "The page was not printed: the printer "PDF" <what>."
QString NotPrinted(const QPrinter& printer, const QString& what) {
    return QStringLiteral("The page was not printed: %1 %2.").arg(PrinterName(printer), what);
}

// What the print system says of a native printer's queue before a page is sent to it: whether
// the queue has gone, and an empty note when it is ready, otherwise why the page would not be
// printed, or not yet.
struct QueueState {
    bool gone = false;
    QString note;
};

QueueState StateOfQueue(const QPrinter& printer) {
    if (printer.outputFormat() != QPrinter::NativeFormat) {
        return {};
    }
    const QPrinterInfo queue = QPrinterInfo::printerInfo(printer.printerName());
    if (queue.isNull()) {
        return {true, NotPrinted(printer, QStringLiteral("is no longer there"))};
    }
    // CUPS reports a stopped queue so; it holds the job until it is started again.
    if (queue.state() == QPrinter::Error) {
        return {false, QStringLiteral("The page waits in the queue of %1, which is stopped or "
                                      "reports an error: it is printed once the printer is ready.")
                           .arg(PrinterName(printer))};
    }
    return {};
}

// The printer and its painter, set up before the drawing context over them is built.
class PagePainter {
  public:
    bool Opened() const { return page_.isActive(); }

  protected:
    PagePainter(QPrinter& printer, std::unique_ptr<QPrinter> ownPrinter, double areaWidth,
                double areaHeight, QString note)
        : ownedPrinter_(std::move(ownPrinter)), printer_(printer), note_(std::move(note)) {
        if (!page_.begin(&printer)) {
            return;
        }
        const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Point);
        const PageFit fit = FitOnPage(areaWidth, areaHeight, printable.width(), printable.height());
        // The painter starts at the printable area's top left in device pixels.
        const double devicePerPixel = fit.scale * printer.resolution() / 72.0;
        page_.scale(devicePerPixel, devicePerPixel);
        // A PDF page takes ink anywhere on the paper, and the drawing passes its coordinates
        // unclipped: the page shows the drawing area as the canvas does only when the painter
        // keeps to that area, which the fit keeps within the printable area. The clip is set
        // after the scale, in the drawing's pixels, so that the engine receives it with the
        // transform it is in; set under the painter's initial transform, the PDF engine maps it
        // with the transform that the printer's previous job ended with.
        page_.setClipRect(QRectF(0, 0, areaWidth, areaHeight));
    }
    // Ending the painter sends the page. Qt's CUPS engine does not say whether the print system
    // took the job; the painter and the printer say when the page could not be made.
    ~PagePainter() {
        if (!page_.isActive()) {
            return;
        }
        const bool ended = page_.end();
        const QPrinter::PrinterState state = printer_.printerState();
        QString message = note_;
        if (!ended || state == QPrinter::Error || state == QPrinter::Aborted) {
            message = NotPrinted(printer_, QStringLiteral("reported an error"));
        }
        if (!message.isEmpty()) {
            try {
                ShowProblem(message);
            } catch (...) {
                // A destructor lets nothing escape; the page is gone either way.
            }
        }
    }

    std::unique_ptr<QPrinter> ownedPrinter_;
    QPrinter& printer_;
    QString note_;
    QPainter page_;
};

// One page: ending the painter when this goes sends the page and ends the job.
class PageGraphics : private PagePainter, public QtGraphics {
  public:
    using PagePainter::Opened;
    PageGraphics(QPrinter& printer, std::unique_ptr<QPrinter> ownPrinter, double areaWidth,
                 double areaHeight, QString note)
        : PagePainter(printer, std::move(ownPrinter), areaWidth, areaHeight, std::move(note)),
          QtGraphics(page_, areaHeight) {}
};

} // namespace

PrinterSetup::PrinterSetup() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

PrinterSetup::~PrinterSetup() = default;

bool PrinterSetup::PageSetupDialog(Window* /*parent*/) {
    CurrentPageChoice().StartPageSetup(*printer_);
    if (!CurrentPrintDialogs().RunPageSetup(*printer_, nullptr)) {
        return false;
    }
    CurrentPageChoice().KeepPageSetup(*printer_);
    return true;
}

std::unique_ptr<Graphics> OpenPrinterDialog(PrinterSetup* setup, Window* /*parent*/,
                                            double areaWidth, double areaHeight,
                                            const std::string& docName) {
    std::unique_ptr<QPrinter> ownPrinter;
    if (setup == nullptr) {
        ownPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    QPrinter& printer = setup != nullptr ? setup->Printer() : *ownPrinter;
    printer.setDocName(QString::fromStdString(docName));
    CurrentPageChoice().StartPrint(printer);
    if (!CurrentPrintDialogs().RunPrint(printer, nullptr)) {
        return nullptr;
    }
    CurrentPageChoice().KeepPrint(printer);
    QueueState queue = StateOfQueue(printer);
    if (queue.gone) {
        ShowProblem(queue.note);
        return nullptr;
    }
    auto page = std::make_unique<PageGraphics>(printer, std::move(ownPrinter), areaWidth,
                                               areaHeight, std::move(queue.note));
    if (!page->Opened()) {
        ShowProblem(NotPrinted(printer, printer.outputFormat() == QPrinter::PdfFormat
                                            ? QStringLiteral("could not be written")
                                            : QStringLiteral("could not be opened")));
        return nullptr;
    }
    return page;
}
