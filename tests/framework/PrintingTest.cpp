#include "Printing.h"
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
    double scale;
};

void PrintTo(const FitCase& c, std::ostream* os) {
    *os << c.name;
}

class FitOnPageCases : public testing::TestWithParam<FitCase> {};

TEST_P(FitOnPageCases, ScalesUniformlyOnlyWhenTooLarge) {
    const FitCase& c = GetParam();
    const PageFit fit = FitOnPage(c.areaWidth, c.areaHeight, c.printableWidth, c.printableHeight);
    EXPECT_DOUBLE_EQ(fit.scale, c.scale);
}

INSTANTIATE_TEST_SUITE_P(Pages, FitOnPageCases,
                         testing::Values(FitCase{"fits", 636, 553, 700, 800, 1.0},
                                         FitCase{"exact", 636, 553, 636, 553, 1.0},
                                         FitCase{"too_wide", 636, 553, 477, 800, 0.75},
                                         FitCase{"too_high", 636, 553, 800, 276.5, 0.5},
                                         FitCase{"both_bind_height_more", 636, 553, 318, 221.2,
                                                 0.4},
                                         FitCase{"empty_area", 0, 553, 500, 700, 1.0},
                                         FitCase{"empty_page", 636, 553, 0, 0, 1.0}),
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
    EXPECT_EQ(OpenPrinterDialog(nullptr, nullptr, 636, 553, "page"), nullptr);
    EXPECT_EQ(OpenPrinterDialog(&setup, nullptr, 636, 553, "page"), nullptr);
    EXPECT_EQ(script_->prints, 2);
    EXPECT_FALSE(QFile::exists(script_->pdfPath));
    EXPECT_TRUE(script_->problems.isEmpty());
}

// A page of 418 x 600 points with margins of 50 points: the printable area is 318 points wide,
// so the 636 x 553 drawing area goes on it at half size, from (50, 50) to (368, 326.5).
TEST_F(PrintingTest, ConfirmedPrintMakesOnePageWithTheAreaOnItAtTheFittedScale) {
    if (!CanRenderPdf()) {
        GTEST_SKIP() << "pdftoppm is not installed";
    }
    PrinterSetup setup;
    script_->printAnswer = true;
    script_->pageSize = QPageSize(QSizeF(418, 600), QPageSize::Point, "narrow");
    script_->marginsMm = QMarginsF(50, 50, 50, 50);
    script_->marginsUnit = QPageLayout::Point;
    for (PrinterSetup* used : {static_cast<PrinterSetup*>(nullptr), &setup}) {
        SCOPED_TRACE(used == nullptr ? "no page set-up" : "the page set-up");
        QFile::remove(script_->pdfPath);
        {
            std::unique_ptr<Graphics> g = OpenPrinterDialog(used, nullptr, 636, 553, "page");
            ASSERT_NE(g, nullptr);
            if (used != nullptr) {
                EXPECT_EQ(script_->lastPrinter, &setup.Printer());
            }
            g->SetForeColor(RGB(0, 0, 0));
            g->FillRect(-100, -100, 1000, 1000);
        }
        EXPECT_EQ(PdfPages(script_->pdfPath), 1);
        const QImage page = RenderedPdfPage(script_->pdfPath, dir_.filePath("page"));
        ASSERT_EQ(page.size(), QSize(418, 600));
        EXPECT_TRUE(InkFillsExactly(page, QRectF(50, 50, 318, 276.5)));
    }
    EXPECT_TRUE(script_->problems.isEmpty()) << script_->problems.join("\n").toStdString();
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
                std::unique_ptr<Graphics> g = OpenPrinterDialog(&setup, nullptr, 636, 553, "page");
                ASSERT_NE(g, nullptr);
                printable = script_->lastPrinter->pageLayout().paintRect(QPageLayout::Point);
                const double scale =
                    FitOnPage(636, 553, printable.width(), printable.height()).scale;
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

TEST_F(PrintingTest, APageThatCannotBeWrittenIsReportedAndNotDrawn) {
    script_->printAnswer = true;
    script_->pdfPath = dir_.filePath("missing/folder/page.pdf");
    PrinterSetup setup;
    for (PrinterSetup* used : {static_cast<PrinterSetup*>(nullptr), &setup}) {
        script_->problems.clear();
        EXPECT_EQ(OpenPrinterDialog(used, nullptr, 636, 553, "page"), nullptr);
        ASSERT_EQ(script_->problems.size(), 1);
        EXPECT_TRUE(script_->problems[0].startsWith("The page was not printed"))
            << script_->problems[0].toStdString();
        EXPECT_TRUE(script_->problems[0].contains(script_->pdfPath))
            << script_->problems[0].toStdString();
    }
}

// The layout chosen last, in the page set-up or the print dialog, is where every later dialog
// starts and what the page is printed on, with or without a page set-up.
TEST_F(PrintingTest, TheLayoutChosenLastIsWhereEveryDialogStartsAndThePageIsPrintedOn) {
    PrinterSetup setup;
    struct Step {
        const char* what;
        bool pageSetup; // else a print, with no page set-up
        std::optional<QPageSize> chosen;
        std::optional<QPageLayout::Orientation> orientation;
        std::optional<QPageSize::PageSizeId> startsFrom; // unset: the printer's own default
        QPageLayout::Orientation startOrientation;
    };
    const QPageSize::PageSizeId letter = QPageSize::Letter;
    const QPageSize::PageSizeId a5 = QPageSize::A5;
    const auto portrait = QPageLayout::Portrait;
    const auto landscape = QPageLayout::Landscape;
    const Step steps[] = {
        {"page set-up chooses Letter, landscape", true, QPageSize(letter), landscape, {}, portrait},
        {"a print keeps it", false, {}, {}, letter, landscape},
        {"the print dialog chooses A5", false, QPageSize(a5), {}, letter, landscape},
        {"the next print starts from A5", false, {}, {}, a5, landscape},
        {"the page set-up starts from A5 and chooses portrait", true, {}, portrait, a5, landscape},
        {"a print keeps that", false, {}, {}, a5, portrait},
    };
    script_->pageSetupAnswer = true;
    script_->printAnswer = true;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        script_->pageSize = step.chosen;
        script_->orientation = step.orientation;
        QFile::remove(script_->pdfPath);
        if (step.pageSetup) {
            ASSERT_TRUE(setup.PageSetupDialog());
        } else {
            OpenPrinterDialog(nullptr, nullptr, 636, 553, "page").reset();
        }
        if (step.startsFrom) {
            EXPECT_EQ(script_->lastStartLayout.pageSize().id(), *step.startsFrom);
        }
        EXPECT_EQ(script_->lastStartLayout.orientation(), step.startOrientation);
        if (!step.pageSetup) {
            // The page is the paper chosen, turned as chosen.
            QSizeF paper = step.chosen.value_or(QPageSize(*step.startsFrom)).size(QPageSize::Point);
            if (step.orientation.value_or(step.startOrientation) == landscape) {
                paper.transpose();
            }
            const QSizeF printed = PdfPageSize(script_->pdfPath);
            EXPECT_NEAR(printed.width(), paper.width(), 0.5);
            EXPECT_NEAR(printed.height(), paper.height(), 0.5);
        }
    }
    // A cancelled page set-up changes nothing.
    script_->pageSetupAnswer = false;
    script_->pageSize = QPageSize(QPageSize::B5);
    EXPECT_FALSE(setup.PageSetupDialog());
    script_->pageSize.reset();
    OpenPrinterDialog(nullptr, nullptr, 636, 553, "page").reset();
    EXPECT_EQ(script_->lastStartLayout.pageSize().id(), a5);
}

} // namespace
