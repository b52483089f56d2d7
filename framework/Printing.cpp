#include "Printing.h"

#include "Exceptions.h"
#include "PageFit.h"
#include "PrintDialogs.h"
#include "QtGraphics.h"

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
        const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Point);
        const PageFit fit = FitOnPage(areaWidth, areaHeight, printable.width(), printable.height());
        // The painter starts at the printable area's top left in device pixels.
        const double devicePerPoint = printer.resolution() / 72.0;
        page_.scale(fit.scale * devicePerPoint, fit.scale * devicePerPoint);
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
