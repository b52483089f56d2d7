#include "Printing.h"
#include "Exceptions.h"
#include "PageFit.h"
#include "PdfPages.h"
#include "PrintDialogs.h"
#include "ScriptedPrintDialogs.h"

#include <QFile>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace {

struct FitCase {
    const char* name;
    double areaWidth, areaHeight, printableWidth, printableHeight;
    double scale, pageHeight;
};

void PrintTo(const FitCase& c, std::ostream* os) {
    *os << c.name;
}

class FitOnPageCases : public testing::TestWithParam<FitCase> {};

TEST_P(FitOnPageCases, ScalesUniformlyOnlyWhenTooLarge) {
    const FitCase& c = GetParam();
    const PageFit fit = FitOnPage(c.areaWidth, c.areaHeight, c.printableWidth, c.printableHeight);
    EXPECT_DOUBLE_EQ(fit.scale, c.scale);
    EXPECT_DOUBLE_EQ(fit.pageHeight, c.pageHeight);
}

INSTANTIATE_TEST_SUITE_P(Pages, FitOnPageCases,
                         testing::Values(FitCase{"fits", 636, 553, 700, 800, 1.0, 800},
                                         FitCase{"exact", 636, 553, 636, 553, 1.0, 553},
                                         FitCase{"too_wide", 636, 553, 477, 800, 0.75, 800 / 0.75},
                                         FitCase{"too_high", 636, 553, 800, 276.5, 0.5, 553},
                                         FitCase{"both_bind_height_more", 636, 553, 318, 221.2, 0.4,
                                                 553},
                                         FitCase{"empty_area", 0, 553, 500, 700, 1.0, 700},
                                         FitCase{"empty_page", 636, 553, 0, 0, 1.0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

class PrintingTest : public testing::Test {
  protected:
    void SetUp() override { script_->pdfPath = dir_.filePath("page.pdf"); }

    // The page rendered at 72 pixels to the inch, so one point is one pixel.
    QImage RenderPage(const QString& path) {
        const QString prefix = dir_.filePath("page");
        QProcess::execute("pdftoppm", {"-r", "72", "-png", "-singlefile", path, prefix});
        return QImage(prefix + ".png");
    }

    QTemporaryDir dir_;
    ScriptedPrintDialogsInUse dialogs_;
    ScriptedPrintDialogs* script_ = &dialogs_.Script();
};

TEST_F(PrintingTest, PageSetupAnswersTheDialog) {
    PrinterSetup setup;
    for (const bool answer : {true, false}) {
        script_->pageSetupAnswer = answer;
        EXPECT_EQ(setup.PageSetupDialog(), answer);
        EXPECT_EQ(script_->lastPrinter, &setup.Printer());
    }
    EXPECT_EQ(script_->pageSetups, 2);
}

TEST_F(PrintingTest, CancelledPrintGivesNothing) {
    PrinterSetup setup;
    script_->printAnswer = false;
    EXPECT_EQ(OpenPrinterDialog(nullptr, nullptr, 636, 553), nullptr);
    EXPECT_EQ(OpenPrinterDialog(&setup, nullptr, 636, 553), nullptr);
    EXPECT_EQ(script_->prints, 2);
    EXPECT_FALSE(QFile::exists(script_->pdfPath));
}

TEST_F(PrintingTest, ConfirmedPrintMakesOnePageWithTheAreaOnIt) {
    PrinterSetup setup;
    script_->printAnswer = true;
    for (PrinterSetup* used : {static_cast<PrinterSetup*>(nullptr), &setup}) {
        QFile::remove(script_->pdfPath);
        double scale = 0;
        QPageLayout layout; // the printer itself goes with the page when it was made for it
        {
            std::unique_ptr<Graphics> g = OpenPrinterDialog(used, nullptr, 636, 553);
            ASSERT_NE(g, nullptr);
            if (used != nullptr) {
                EXPECT_EQ(script_->lastPrinter, &setup.Printer());
            }
            layout = script_->lastPrinter->pageLayout();
            const QRectF printable = layout.paintRect(QPageLayout::Point);
            scale = printable.height() / g->Height();
            EXPECT_LE(636 * scale, printable.width() + 1e-9);
            EXPECT_LE(553 * scale, printable.height() + 1e-9);
            g->SetForeColor(RGB(0, 0, 0));
            g->FillRect(0, 0, 636, 553);
        }
        EXPECT_EQ(PdfPages(script_->pdfPath), 1);

        // The filled area ends where the scaled drawing area ends.
        const QImage page = RenderPage(script_->pdfPath);
        ASSERT_FALSE(page.isNull());
        const QRectF paper = layout.fullRect(QPageLayout::Point);
        const QRectF printable = layout.paintRect(QPageLayout::Point);
        ASSERT_NEAR(page.width(), paper.width(), 1.0);
        const int right = static_cast<int>(printable.left() + 636 * scale);
        const int bottom = static_cast<int>(printable.top() + 553 * scale);
        EXPECT_LT(qGray(page.pixel(right - 3, bottom - 3)), 50);
        EXPECT_GT(qGray(page.pixel(right + 3, bottom - 3)), 200);
        EXPECT_GT(qGray(page.pixel(right - 3, bottom + 3)), 200);
        EXPECT_LT(qGray(page.pixel(static_cast<int>(printable.left()) + 3,
                                   static_cast<int>(printable.top()) + 3)),
                  50);
    }
}

// Drawings that reach past the drawing area and the printable area on every side, in diagram
// pixels.
struct OverreachCase {
    const char* name;
    void (*draw)(Graphics& g);
};

void PrintTo(const OverreachCase& c, std::ostream* os) {
    *os << c.name;
}

class PrintedOverreach : public PrintingTest, public testing::WithParamInterface<OverreachCase> {};

TEST_P(PrintedOverreach, KeepsToTheScaledDrawingAreaAndFillsIt) {
    if (!CanRenderPdf()) {
        GTEST_SKIP() << "pdftoppm is not installed";
    }
    script_->printAnswer = true;
    // One printer for every job, as the program keeps one: each page keeps to its own area.
    PrinterSetup setup;
    for (const QPageLayout::Orientation orientation :
         {QPageLayout::Portrait, QPageLayout::Landscape}) {
        for (const std::optional<QMarginsF>& margins :
             {std::optional<QMarginsF>(), std::optional(QMarginsF(20, 20, 20, 20))}) {
            SCOPED_TRACE(testing::Message()
                         << (orientation == QPageLayout::Portrait ? "portrait" : "landscape")
                         << (margins ? ", margins of 20 mm" : ", default margins"));
            script_->orientation = orientation;
            script_->marginsMm = margins;
            QFile::remove(script_->pdfPath);
            QRectF printable;
            QRectF area; // the drawing area as it stands on the page, in points
            {
                std::unique_ptr<Graphics> g = OpenPrinterDialog(&setup, nullptr, 636, 553);
                ASSERT_NE(g, nullptr);
                printable = script_->lastPrinter->pageLayout().paintRect(QPageLayout::Point);
                const double scale = printable.height() / g->Height();
                area = QRectF(printable.topLeft(), QSizeF(636, 553) * scale);
                GetParam().draw(*g);
            }
            if (margins) {
                ASSERT_NEAR(printable.left(), 20 / 25.4 * 72, 0.5);
            }
            const QImage page = RenderedPdfPage(script_->pdfPath, dir_.filePath("page"));
            ASSERT_FALSE(page.isNull());
            EXPECT_EQ(page.width() > page.height(), orientation == QPageLayout::Landscape);
            EXPECT_TRUE(InkFillsExactly(page, area));
            EXPECT_GT(InkAround(page, area).printable, 2000);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Drawings, PrintedOverreach,
    testing::Values(OverreachCase{"fill",
                                  [](Graphics& g) {
                                      g.SetForeColor(RGB(0, 0, 0));
                                      g.FillRect(-3000, -3000, 9000, 9000);
                                  }},
                    OverreachCase{"lines",
                                  [](Graphics& g) {
                                      g.SetForeColor(RGB(255, 0, 0));
                                      g.SetPenWidth(3);
                                      for (double at = -3000; at <= 6000; at += 40) {
                                          g.DrawLine(at, -3000, at, 6000);
                                          g.DrawLine(-3000, at, 6000, at);
                                          g.DrawLine(-3000, at, at, -3000);
                                      }
                                  }},
                    OverreachCase{"ovals_and_text",
                                  [](Graphics& g) {
                                      g.SetForeColor(RGB(0, 0, 255));
                                      g.SetPenWidth(4);
                                      for (double r = 100; r <= 3000; r += 60) {
                                          g.DrawOval(300 - r, 400 - r, 2 * r, 2 * r);
                                      }
                                      g.SetTextSize(80);
                                      for (double y = -40; y <= 1400; y += 60) {
                                          g.DrawString("WWWWWWWWWWWWWWW", -70, y, 0, false);
                                      }
                                  }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PrintingTest, UnwritablePrinterIsReportedNotIgnored) {
    script_->printAnswer = true;
    script_->pdfPath = dir_.filePath("missing/folder/page.pdf");
    EXPECT_THROW(OpenPrinterDialog(nullptr, nullptr, 636, 553), RuntimeException);
}

} // namespace
