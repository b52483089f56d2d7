// The canvas's paint: the white area, the diagram, and while an event is projected the four
// projection lines and the eight read-outs.
#include "MainWindowFixture.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class CanvasPaint : public MainWindowFixture {
  protected:
    Lines PaintLog() {
        RecordingGraphics g(553.0, ForeignPen());
        window->Canvas1_Paint(window->Canvas1(), g, {});
        return Describe(g);
    }
    static Lines PrintOnlyLog() {
        RecordingGraphics g(553.0, ForeignPen());
        g.SetForeColor(RGB(255, 255, 255));
        g.FillRect(0, 0, 636, 553);
        Globals::Print(g);
        return Describe(g);
    }
    std::vector<std::string> ReadOutTexts() {
        std::vector<std::string> texts;
        for (const char* name : readOuts) {
            texts.push_back(window->Control<Label>(name).Text());
        }
        return texts;
    }
    void SetReadOuts(const std::string& text) {
        for (const char* name : readOuts) {
            window->Control<Label>(name).SetText(text);
        }
    }
};

TEST_F(CanvasPaint, WithoutProjectionFillsWhiteDrawsTheDiagramAndKeepsTheReadOuts) {
    SetReadOuts("kept");
    const Lines log = PaintLog();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0], "color 255,255,255");
    EXPECT_EQ(log[1], "fill 0 0 636 553");
    EXPECT_EQ(log, PrintOnlyLog());
    EXPECT_EQ(ReadOutTexts(), std::vector<std::string>(8, "kept"));
}

struct ProjectionCase {
    std::string name;
    Int64 ourSystem;
    double sinPhi;
    Int64 stUnits;
    Int64 mx, my;
    std::array<std::string, 4> texts; // Label2..Label5; Label6..Label9 repeat them
    Lines tail;                       // what the paint draws after the diagram
};

void PrintTo(const ProjectionCase& c, std::ostream* os) {
    *os << c.name;
}

const char* const black = "color 0,0,0";
const char* const red = "color 255,0,0";

const ProjectionCase projectionCases[] = {
    {"right-of-origin",
     0,
     0.6,
     3,
     372,
     400,
     {"6.00 ns", "3.00 m", "0.00 ns", "2.40 m"},
     {"width 1", black, LineText(372, 400, 372, 400), LineText(372, 400, 326, 365), red,
      LineText(372, 400, 300, 400), LineText(372, 400, 346, 435)}},
    {"up-and-right",
     0,
     0.6,
     3,
     400,
     300,
     {"19.44 ns", "4.17 m", "13.89 ns", "0.83 m"},
     {"width 1", black, LineText(400, 300, 400, 400), LineText(400, 300, 384, 288), red,
      LineText(400, 300, 300, 300), LineText(400, 300, 316, 412)}},
    {"above-origin",
     0,
     0.6,
     3,
     300,
     328,
     {"8.00 ns", "0.00 m", "10.00 ns", "-1.80 m"},
     {"width 1", black, LineText(300, 328, 300, 400), LineText(300, 328, 335, 354), red,
      LineText(300, 328, 300, 328), LineText(300, 328, 265, 374)}},
    {"red-frame-up-and-right",
     1,
     -0.6,
     3,
     400,
     300,
     {"13.89 ns", "5.83 m", "2.78 ns", "4.17 m"},
     {"width 1", red, LineText(400, 300, 400, 400), LineText(400, 300, 288, 384), black,
      LineText(400, 300, 300, 300), LineText(400, 300, 412, 316)}},
    {"unit-step-0",
     0,
     0.6,
     0,
     372,
     400,
     {"6.00 ps", "3.00 mm", "0.00 ps", "2.40 mm"},
     {"width 1", black, LineText(372, 400, 372, 400), LineText(372, 400, 326, 365), red,
      LineText(372, 400, 300, 400), LineText(372, 400, 346, 435)}},
};

class Projection : public CanvasPaint, public ::testing::WithParamInterface<ProjectionCase> {};

TEST_P(Projection, DrawsTheFourPerpendicularsAndFillsTheReadOuts) {
    const ProjectionCase& c = GetParam();
    Globals::ourSystem = c.ourSystem;
    Globals::sinPhi = c.sinPhi;
    Globals::stUnits = c.stUnits;
    Globals::calcUnits();
    Globals::Mx = c.mx;
    Globals::My = c.my;
    Globals::inProjectingMode = true;
    SetReadOuts("stale");

    const Lines log = PaintLog();
    Lines expected = PrintOnlyLog();
    expected.insert(expected.end(), c.tail.begin(), c.tail.end());
    EXPECT_EQ(log, expected);

    std::vector<std::string> texts(c.texts.begin(), c.texts.end());
    texts.insert(texts.end(), c.texts.begin(), c.texts.end());
    EXPECT_EQ(ReadOutTexts(), texts);
}

INSTANTIATE_TEST_SUITE_P(Events, Projection, ::testing::ValuesIn(projectionCases), RowName());

// A frame number that is neither 0 nor 1 projects nothing.
TEST_F(CanvasPaint, ProjectsOnlyForEitherFrame) {
    Globals::ourSystem = 2;
    Globals::Mx = 372;
    Globals::My = 400;
    Globals::inProjectingMode = true;
    SetReadOuts("kept");
    EXPECT_EQ(PaintLog(), PrintOnlyLog());
    EXPECT_EQ(ReadOutTexts(), std::vector<std::string>(8, "kept"));
}

// The widget's own paint goes through the handler: a Refresh writes the read-outs at once and
// the grabbed canvas shows the diagram.
TEST_F(CanvasPaint, RefreshPaintsTheRealCanvas) {
    Globals::Mx = 372;
    Globals::My = 400;
    Globals::inProjectingMode = true;
    SetReadOuts("");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window->Widget()));
    window->Canvas1().Refresh(true);
    EXPECT_EQ(window->Label2().Text(), "6.00 ns");
    EXPECT_EQ(window->Label9().Text(), "2.40 m");

    Globals::inProjectingMode = false;
    const QImage shown = window->Canvas1().Widget()->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(636, 553));
    EXPECT_EQ(shown.pixelColor(100, 500), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(100, 400), QColor(Qt::black));
}

TEST(CanvasStartUp, OpeningTheWindowSetsUpTheDiagramWithEmptyReadOuts) {
    if (Window1* open = dynamic_cast<Window1*>(GetImplicitWindow(Window1::kClassName))) {
        open->Close();
        QApplication::processEvents();
    }
    Globals::myBlackSys.reset();
    Globals::myRedThing.reset();
    Globals::gw = Globals::gh = 0;
    Globals::inProjectingMode = true;

    Window1& window = Window1::Instance();
    EXPECT_TRUE(Globals::myBlackSys && Globals::myRedThing);
    EXPECT_EQ(Globals::gw, 636);
    EXPECT_EQ(Globals::gh, 553);
    EXPECT_FALSE(Globals::inProjectingMode);
    for (const char* name :
         {"Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9"}) {
        EXPECT_EQ(window.Control<Label>(name).Text(), "") << name;
    }
}

} // namespace
