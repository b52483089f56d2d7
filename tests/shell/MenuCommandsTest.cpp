// Page Setup and Print from the main window: the page set-up state, the setup handed to the
// print dialog, and the printed page.
#include "PdfPages.h"
#include "ProgramHarness.h"
#include "ScriptedPrintDialogs.h"

#include "Globals.h"
#include "PageFit.h"
#include "Printing.h"
#include "Window1.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QMarginsF>
#include <QMenuBar>
#include <QPageLayout>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

class MenuCommands : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(RunProgramWhile([] { Quit(0); }), 0);
        main = &Window1::Instance();
        script->pdfPath = dir.filePath("page.pdf");
        Globals::printerSetupDone = false;
    }
    void TearDown() override {
        Globals::printerSetupDone = false;
        Globals::inProjectingMode = false;
        Globals::Nx = nx;
        Globals::Ny = ny;
    }

    void Choose(const char* itemName) {
        main->AppMenuBar()->findChild<QAction*>(itemName)->trigger();
    }

    // Prints through the menu and renders the page at 72 pixels to the inch.
    QImage PrintedPage(const char* pngName) {
        QFile::remove(script->pdfPath);
        script->printAnswer = true;
        Choose("FilePrint");
        EXPECT_EQ(PdfPages(script->pdfPath), 1);
        const QString prefix = dir.filePath(pngName);
        QProcess::execute("pdftoppm", {"-r", "72", "-png", "-singlefile", script->pdfPath, prefix});
        return QImage(prefix + ".png");
    }

    Window1* main = nullptr;
    ScriptedPrintDialogsInUse dialogs;
    ScriptedPrintDialogs* script = &dialogs.Script();
    QTemporaryDir dir;
    const Int64 nx = Globals::Nx;
    const Int64 ny = Globals::Ny;
};

struct SetupCase {
    const char* name;
    std::vector<bool> pageSetupAnswers;
    bool setupDone; // and so Print hands the dialog the page set-up
};

void PrintTo(const SetupCase& c, std::ostream* os) {
    *os << c.name;
}

class PageSetupState : public MenuCommands, public testing::WithParamInterface<SetupCase> {};

TEST_P(PageSetupState, RemembersAConfirmationAndPrintUsesTheSetupFromThen) {
    const SetupCase& c = GetParam();
    for (const bool answer : c.pageSetupAnswers) {
        script->pageSetupAnswer = answer;
        EXPECT_FALSE(main->FilePageSetup_Action());
        EXPECT_EQ(script->lastPrinter, &Globals::myPrinterSetup->Printer());
    }
    EXPECT_EQ(script->pageSetups, static_cast<int>(c.pageSetupAnswers.size()));
    EXPECT_EQ(Globals::printerSetupDone, c.setupDone);

    script->printAnswer = false;
    EXPECT_FALSE(main->FilePrint_Action());
    EXPECT_EQ(script->prints, 1);
    EXPECT_EQ(script->lastPrinter == &Globals::myPrinterSetup->Printer(), c.setupDone);
    EXPECT_EQ(Globals::printerSetupDone, c.setupDone) << "a print changes no set-up state";
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, PageSetupState,
    testing::Values(SetupCase{"none", {}, false}, SetupCase{"confirmed", {true}, true},
                    SetupCase{"cancelled", {false}, false},
                    SetupCase{"confirmed_then_cancelled", {true, false}, true},
                    SetupCase{"cancelled_then_confirmed", {false, true}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MenuCommands, PageSetupWithoutASetupObjectRaises) {
    std::shared_ptr<PrinterSetup> kept = std::exchange(Globals::myPrinterSetup, nullptr);
    EXPECT_THROW(main->FilePageSetup_Action(), NilObjectException);
    Globals::myPrinterSetup = std::move(kept);
    EXPECT_EQ(script->pageSetups, 0);
}

TEST_F(MenuCommands, APrintedDocumentIsNamedAfterTheMainWindow) {
    PrintedPage("named");
    EXPECT_EQ(PdfInfo(script->pdfPath, "Title"), "Tesvan Diagram");
}

TEST_F(MenuCommands, ACancelledPrintDrawsNothing) {
    script->printAnswer = false;
    Choose("FilePrint");
    EXPECT_EQ(script->prints, 1);
    EXPECT_FALSE(QFile::exists(script->pdfPath));
}

bool Near(QColor c, QColor want) {
    return std::abs(c.red() - want.red()) <= 24 && std::abs(c.green() - want.green()) <= 24 &&
           std::abs(c.blue() - want.blue()) <= 24;
}

int CountNear(const QImage& image, QColor want) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += Near(image.pixelColor(x, y), want) ? 1 : 0;
        }
    }
    return count;
}

TEST_F(MenuCommands, APrintedPageShowsTheDiagramAndNoProjection) {
    for (const char* box : {"CheckBox1", "CheckBox4", "CheckBox7"}) {
        main->Control<CheckBox>(box).SetValue(true);
    }
    const QImage page = PrintedPage("plain");
    ASSERT_FALSE(page.isNull());
    struct Colour {
        const char* what;
        QColor color;
    };
    for (const Colour& c :
         {Colour{"calibration circles", QColor(220, 220, 220)},
          Colour{"light cone", QColor(80, 80, 222)}, Colour{"black axes", QColor(0, 0, 0)},
          Colour{"red axes", QColor(255, 0, 0)}, Colour{"black object", QColor(100, 100, 100)},
          Colour{"red object", QColor(200, 0, 0)}}) {
        EXPECT_GT(CountNear(page, c.color), 40) << c.what;
    }

    // An event held under the mouse changes nothing on paper.
    Globals::inProjectingMode = true;
    Globals::Mx = Globals::Nx + 150;
    Globals::My = Globals::Ny - 120;
    const QImage projecting = PrintedPage("projecting");
    EXPECT_EQ(projecting, page);

    for (const char* box : {"CheckBox1", "CheckBox4", "CheckBox7"}) {
        main->Control<CheckBox>(box).SetValue(false);
    }
    const QImage bare = PrintedPage("bare");
    EXPECT_LT(CountNear(bare, QColor(80, 80, 222)), 5) << "no light cone unless ticked";
    EXPECT_LT(CountNear(bare, QColor(100, 100, 100)), CountNear(page, QColor(100, 100, 100)));
}

// The page shows what the canvas shows, scaled: the calibration circles reach every edge of
// the drawing area and nothing goes past it, whatever the page's shape and the origin.
TEST_F(MenuCommands, APrintedPageShowsTheCanvasDrawingAreaAndNothingElse) {
    if (!CanRenderPdf()) {
        GTEST_SKIP() << "pdftoppm is not installed";
    }
    struct Origin {
        Int64 x, y;
    };
    for (const QPageLayout::Orientation orientation :
         {QPageLayout::Portrait, QPageLayout::Landscape}) {
        for (const Origin o : {Origin{300, 400}, Origin{615, 532}}) {
            SCOPED_TRACE(testing::Message()
                         << (orientation == QPageLayout::Portrait ? "portrait" : "landscape")
                         << ", origin " << o.x << ", " << o.y);
            script->orientation = orientation;
            Globals::Nx = o.x;
            Globals::Ny = o.y;
            const QImage page = PrintedPage("area");
            ASSERT_FALSE(page.isNull());
            const QRectF printable = script->lastPrintLayout.paintRect(QPageLayout::Point);
            const double scale =
                FitOnPage(static_cast<double>(Globals::gw), static_cast<double>(Globals::gh),
                          printable.width(), printable.height())
                    .scale;
            const QRectF area(
                printable.topLeft(),
                QSizeF(static_cast<double>(Globals::gw), static_cast<double>(Globals::gh)) * scale);
            EXPECT_TRUE(InkFillsExactly(page, area));
        }
    }
}

TEST_F(MenuCommands, APrintedPageKeepsToTheMarginsOfThePageSetup) {
    if (!CanRenderPdf()) {
        GTEST_SKIP() << "pdftoppm is not installed";
    }
    script->marginsMm = QMarginsF(20, 20, 20, 20);
    script->pageSetupAnswer = true;
    Choose("FilePageSetup");
    script->marginsMm.reset(); // the print dialog keeps what the page set-up left
    const QRectF printable =
        Globals::myPrinterSetup->Printer().pageLayout().paintRect(QPageLayout::Point);
    ASSERT_NEAR(printable.left(), 20 / 25.4 * 72, 0.5);

    for (const char* box : {"CheckBox1", "CheckBox4", "CheckBox7"}) {
        main->Control<CheckBox>(box).SetValue(true);
    }
    // The axes, circles and traces reach past the drawing area, the more so with the origin
    // dragged near a corner.
    struct Origin {
        Int64 x, y;
    };
    for (const Origin o : {Origin{300, 400}, Origin{21, 21}, Origin{615, 532}}) {
        SCOPED_TRACE(testing::Message() << "origin " << o.x << ", " << o.y);
        Globals::Nx = o.x;
        Globals::Ny = o.y;
        const QImage page = PrintedPage("margins");
        ASSERT_FALSE(page.isNull());
        const PageInk ink = InkAround(page, printable);
        EXPECT_EQ(ink.margins, 0);
        EXPECT_GT(ink.printable, 2000);
    }
}

} // namespace
