// The diagram's set-up and its drawing on a recording surface, with the real main window
// supplying the object controls and the light-cone box.
#include "KoordSys.h"
#include "MainWindowFixture.h"
#include "Printing.h"
#include "Thing.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class DiagramDrawing : public MainWindowFixture {
  protected:
    Lines PrintLog() {
        RecordingGraphics g(553.0, ForeignPen());
        Globals::Print(g);
        return Describe(g);
    }
    void SetBox(const char* name, bool on) { window->Control<CheckBox>(name).SetValue(on); }
    void SetSlider(const char* name, Int64 value) { window->Control<Slider>(name).SetValue(value); }
};

TEST_F(DiagramDrawing, InitGlobalsBuildsTheObjectsAndReadsTheCanvasSize) {
    using namespace Globals;
    myBlackSys.reset();
    myRedSys.reset();
    myBlackThing.reset();
    myRedThing.reset();
    myPrinterSetup.reset();
    gw = gh = x_Val = y_val = 0;
    x_units.clear();
    y_units.clear();
    inProjectingMode = inKoordDragMode = true;

    InitGlobals();

    ASSERT_TRUE(myBlackSys && myRedSys && myBlackThing && myRedThing && myPrinterSetup);
    EXPECT_EQ(myBlackSys->cl, RGB(0, 0, 0));
    EXPECT_EQ(myRedSys->cl, RGB(255, 0, 0));
    EXPECT_EQ((std::array{myBlackSys->sinPhiTime, myBlackSys->sinPhiSpace, myRedSys->sinPhiTime,
                          myRedSys->sinPhiSpace}),
              (std::array{-0.6, 0.0, 0.0, -0.6}));
    EXPECT_EQ(myBlackThing->index, 0);
    EXPECT_EQ(myBlackThing->cl, RGB(100, 100, 100));
    EXPECT_EQ(myRedThing->index, 1);
    EXPECT_EQ(myRedThing->cl, RGB(200, 0, 0));
    for (const Thing* thing : {myBlackThing.get(), myRedThing.get()}) {
        EXPECT_EQ(thing->length, 144);
        EXPECT_FALSE(thing->isVisible || thing->hasShadow || thing->hasTrace);
    }
    EXPECT_EQ(myBlackThing->position, 2);
    EXPECT_EQ(myRedThing->position, 0);
    EXPECT_EQ(x_Val, 3);
    EXPECT_EQ(x_units, " m");
    EXPECT_EQ(y_val, 10);
    EXPECT_EQ(y_units, " ns");
    EXPECT_FALSE(inProjectingMode);
    EXPECT_FALSE(inKoordDragMode);
    EXPECT_EQ(gw, 636);
    EXPECT_EQ(gh, 553);
}

TEST_F(DiagramDrawing, OwnFrameGetsTheTiltedTimeAxis) {
    struct Row {
        Int64 ourSystem;
        double sinPhi;
        std::array<double, 4> tilts; // black time, black space, red time, red space
    };
    const Row rows[] = {{0, 0.6, {0.6, 0.0, 0.0, 0.6}}, {1, -0.6, {0.0, -0.6, -0.6, 0.0}}};
    for (const Row& row : rows) {
        Globals::ourSystem = row.ourSystem;
        Globals::sinPhi = row.sinPhi;
        PrintLog();
        EXPECT_EQ((std::array{Globals::myBlackSys->sinPhiTime, Globals::myBlackSys->sinPhiSpace,
                              Globals::myRedSys->sinPhiTime, Globals::myRedSys->sinPhiSpace}),
                  row.tilts)
            << "ourSystem " << row.ourSystem;
    }
}

TEST_F(DiagramDrawing, CalibrationCirclesComeFirstWithTheSurfacesPenWidth) {
    const Lines log = PrintLog();
    ASSERT_GE(log.size(), 11u);
    EXPECT_EQ(log[0], "color 220,220,220");
    for (Int64 i = 1; i <= 10; ++i) {
        const Int64 r = 72 * i;
        EXPECT_EQ(log[static_cast<std::size_t>(i)], "oval " + Num(static_cast<double>(300 - r)) +
                                                        " " + Num(static_cast<double>(400 - r)) +
                                                        " " + Num(static_cast<double>(2 * r)) +
                                                        " " + Num(static_cast<double>(2 * r)));
    }
    EXPECT_EQ(log[1], "oval 228 328 144 144");
    EXPECT_EQ(log[10], "oval -420 -320 1440 1440");

    RecordingGraphics g(553.0, ForeignPen());
    Globals::Print(g);
    EXPECT_EQ(g.Calls()[1].pen.width, ForeignPen().width);
}

struct ConeCase {
    std::string name;
    Int64 ourSystem;
    double sinPhi;
    Lines lines;
};

void PrintTo(const ConeCase& c, std::ostream* os) {
    *os << c.name;
}

class LightCone : public DiagramDrawing, public ::testing::WithParamInterface<ConeCase> {};

const ConeCase coneCases[] = {
    {"start-state-r300",
     0,
     0.6,
     {LineText(300, 400, 900, 100), LineText(300, 400, -300, 700), LineText(300, 400, 600, 1000),
      LineText(300, 400, 0, -200)}},
    {"red-frame-r1200",
     1,
     -0.6,
     {LineText(300, 400, 900, -800), LineText(300, 400, -300, 1600), LineText(300, 400, 1500, 1000),
      LineText(300, 400, -900, -200)}},
    {"at-rest-r600",
     0,
     0.0,
     {LineText(300, 400, 900, -200), LineText(300, 400, -300, 1000), LineText(300, 400, 900, 1000),
      LineText(300, 400, -300, -200)}},
    {"fast-r96",
     0,
     0.95,
     {LineText(300, 400, 900, 304), LineText(300, 400, -300, 496), LineText(300, 400, 396, 1000),
      LineText(300, 400, 204, -200)}},
    {"fast-backwards-r3747",
     0,
     -0.95,
     {LineText(300, 400, 900, -3347), LineText(300, 400, -300, 4147),
      LineText(300, 400, 4047, 1000), LineText(300, 400, -3447, -200)}},
};

// The cone's six calls stand right after the circles; without the box the log is the same
// drawing with exactly those six calls missing.
TEST_P(LightCone, FollowsTheCirclesOnlyWhenAskedFor) {
    const ConeCase& c = GetParam();
    Globals::ourSystem = c.ourSystem;
    Globals::sinPhi = c.sinPhi;
    SetBox("CheckBox7", false);
    const Lines without = PrintLog();
    SetBox("CheckBox7", true);
    const Lines with = PrintLog();

    Lines cone{"color 80,80,222", "width 1"};
    cone.insert(cone.end(), c.lines.begin(), c.lines.end());
    ASSERT_EQ(with.size(), without.size() + cone.size());
    EXPECT_EQ(Lines(with.begin() + 11, with.begin() + 17), cone);
    Lines expected = without;
    expected.insert(expected.begin() + 11, cone.begin(), cone.end());
    EXPECT_EQ(with, expected);
    EXPECT_EQ(std::count(without.begin(), without.end(), "color 80,80,222"), 0);
}

INSTANTIATE_TEST_SUITE_P(Speeds, LightCone, ::testing::ValuesIn(coneCases), RowName());

struct ObjectFields {
    bool isVisible, hasTrace, hasShadow;
    Int64 length, position;
    friend bool operator==(const ObjectFields&, const ObjectFields&) = default;
};

ObjectFields FieldsOf(const Thing& t) {
    return {t.isVisible, t.hasTrace, t.hasShadow, t.length, t.position};
}

void PrintTo(const ObjectFields& f, std::ostream* os) {
    *os << "{visible " << f.isVisible << ", trace " << f.hasTrace << ", shadow " << f.hasShadow
        << ", length " << f.length << ", position " << f.position << "}";
}

TEST_F(DiagramDrawing, CopiesTheObjectControlsIntoTheObjectsAtEveryDrawing) {
    struct Row {
        const char* name;
        std::array<bool, 6> boxes;    // CheckBox1..CheckBox6
        std::array<Int64, 4> sliders; // black position, black length, red position, red length
        ObjectFields black, red;
    };
    // clang-format off
    const Row rows[] = {
        {"design-values", {false, false, false, false, false, false}, {1, 6, 0, 6},
         {false, false, false, 144, 1}, {false, false, false, 144, 0}},
        {"red-trace-is-checkbox6", {false, false, false, true, false, true}, {1, 6, 0, 6},
         {false, false, false, 144, 1}, {true, true, false, 144, 0}},
        {"red-shadow-is-checkbox5", {false, false, false, true, true, false}, {1, 6, 0, 6},
         {false, false, false, 144, 1}, {true, false, true, 144, 0}},
        {"black-boxes-in-order", {true, true, false, false, false, false}, {0, 6, 1, 6},
         {true, true, false, 144, 0}, {false, false, false, 144, 1}},
        {"black-shadow-is-checkbox3", {true, false, true, false, false, false}, {1, 6, 0, 6},
         {true, false, true, 144, 1}, {false, false, false, 144, 0}},
        {"shortest-and-longest", {false, false, false, false, false, false}, {1, 1, 0, 9},
         {false, false, false, 24, 1}, {false, false, false, 216, 0}},
        {"longest-and-shortest", {true, true, true, true, true, true}, {0, 9, 1, 1},
         {true, true, true, 216, 0}, {true, true, true, 24, 1}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (std::size_t i = 0; i < row.boxes.size(); ++i) {
            SetBox(boxes[i], row.boxes[i]);
        }
        for (std::size_t i = 0; i < row.sliders.size(); ++i) {
            SetSlider(sliders[i], row.sliders[i]);
        }
        PrintLog();
        EXPECT_EQ(FieldsOf(*Globals::myBlackThing), row.black);
        EXPECT_EQ(FieldsOf(*Globals::myRedThing), row.red);
    }
}

// At the design values both objects are invisible: the log ends with the red frame's axes, the
// same calls a lone KoordSys::Draw makes after the black frame's.
TEST_F(DiagramDrawing, InvisibleObjectsAddNothingAfterTheAxes) {
    const Lines log = PrintLog();
    RecordingGraphics axes(553.0, ForeignPen());
    axes.SetForeColor(RGB(220, 220, 220));
    for (Int64 i = 1; i <= 10; ++i) {
        const double r = static_cast<double>(72 * i);
        axes.DrawOval(300 - r, 400 - r, 2 * r, 2 * r);
    }
    Globals::myBlackSys->Draw(axes);
    Globals::myRedSys->Draw(axes);
    EXPECT_EQ(log, Describe(axes));
}

TEST_F(DiagramDrawing, DrawingBeforeTheWindowOpenedIsANilObjectError) {
    auto blackThing = Globals::myBlackThing;
    Globals::myBlackThing.reset();
    RecordingGraphics g;
    EXPECT_THROW(Globals::Print(g), NilObjectException);
    Globals::myBlackThing = blackThing;
    EXPECT_NO_THROW(Globals::Print(g));
}

} // namespace
