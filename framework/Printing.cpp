#include "Printing.h"

#include "Exceptions.h"
#include "PageFit.h"
#include "PrintDialogs.h"
#include "QtGraphics.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace {

// The printer and its painter, set up before the drawing context over them is built.
class PagePainter {
  protected:
    PagePainter(QPrinter& printer, std::unique_ptr<QPrinter> ownPrinter, double areaWidth,
                double areaHeight)
        : ownedPrinter_(std::move(ownPrinter)) {
        if (!page_.begin(&printer)) {
            throw RuntimeException("The printer could not be opened");
        }
        const QPageLayout layout = printer.pageLayout();
        const QRectF printable = layout.paintRect(QPageLayout::Point);
        const PageFit fit = FitOnPage(areaWidth, areaHeight, printable.width(), printable.height());
        // The painter starts at the printable area's top left in device pixels.
        const double devicePerPoint = printer.resolution() / 72.0;
        const double devicePerPixel = fit.scale * devicePerPoint;
        page_.scale(devicePerPixel, devicePerPixel);
        // A PDF page takes ink anywhere on the paper, and the drawing passes its coordinates
        // unclipped: the page shows the drawing area as the canvas does only when the painter
        // keeps to that area, and the margins stay blank only when it keeps to the printable
        // area, as a printer that cannot print there would. The clip is set after the scale, in
        // the drawing's pixels, so that the engine receives it with the transform it is in; set
        // under the painter's initial transform, the PDF engine maps it with the transform that
        // the printer's previous job ended with.
        const QSizeF device = layout.paintRectPixels(printer.resolution()).size();
        const QRectF printableInPixels(0, 0, device.width() / devicePerPixel,
                                       device.height() / devicePerPixel);
        page_.setClipRect(printableInPixels.intersected(QRectF(0, 0, areaWidth, areaHeight)));
        pageHeightInPixels_ = fit.pageHeight;
    }
    ~PagePainter() {
        if (page_.isActive()) {
            page_.end();
        }
    }

    std::unique_ptr<QPrinter> ownedPrinter_;
    QPainter page_;
    double pageHeightInPixels_ = 0.0;
};

// One page: ending the painter when this goes sends the page and ends the job.
class PageGraphics : private PagePainter, public QtGraphics {
  public:
    PageGraphics(QPrinter& printer, std::unique_ptr<QPrinter> ownPrinter, double areaWidth,
                 double areaHeight)
        : PagePainter(printer, std::move(ownPrinter), areaWidth, areaHeight),
          QtGraphics(page_, pageHeightInPixels_) {}
};

} // namespace

PrinterSetup::PrinterSetup() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

PrinterSetup::~PrinterSetup() = default;

bool PrinterSetup::PageSetupDialog(Window* /*parent*/) {
    return CurrentPrintDialogs().RunPageSetup(*printer_, nullptr);
}

std::unique_ptr<Graphics> OpenPrinterDialog(PrinterSetup* setup, Window* /*parent*/,
                                            double areaWidth, double areaHeight) {
    std::unique_ptr<QPrinter> ownPrinter;
    if (setup == nullptr) {
        ownPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    QPrinter& printer = setup != nullptr ? setup->Printer() : *ownPrinter;
    if (!CurrentPrintDialogs().RunPrint(printer, nullptr)) {
        return nullptr;
    }
    return std::make_unique<PageGraphics>(printer, std::move(ownPrinter), areaWidth, areaHeight);
}
