#include "KoordSys.h"
#include "DiagramFixture.h"

#include <ostream>
#include <string>
#include <vector>

namespace {

const Color black = RGB(0, 0, 0);
const Color red = RGB(255, 0, 0);

struct Point {
    Int64 x, y;
};
struct Line {
    Int64 x1, y1, x2, y2;
};

std::string LineText(Line l) {
    return "line " + std::to_string(l.x1) + " " + std::to_string(l.y1) + " " +
           std::to_string(l.x2) + " " + std::to_string(l.y2);
}

std::string TextAt(Point p, const std::string& text) {
    return "text " + std::to_string(p.x) + " " + std::to_string(p.y) + " " + text;
}

// Ticks every 72 pixels, ten to either side, each followed by its label; labelled at unit
// step 3 (3 m and 10 ns a tick).
void AppendTimeTicks(std::vector<std::string>& out, Int64 nx, Int64 ny) {
    for (Int64 i = -10; i <= 10; ++i) {
        if (i != 0) {
            out.push_back(LineText({nx - 3, ny + 72 * i, nx + 3, ny + 72 * i}));
            out.push_back(TextAt({nx + 6, ny + 72 * i}, std::to_string(-10 * i) + " ns "));
        }
    }
}

void AppendSpaceTicks(std::vector<std::string>& out, Int64 nx, Int64 ny) {
    for (Int64 i = -10; i <= 10; ++i) {
        if (i != 0) {
            out.push_back(LineText({nx + 72 * i, ny - 3, nx + 72 * i, ny + 3}));
            out.push_back(TextAt({nx + 72 * i, ny + 14}, std::to_string(3 * i) + " m "));
        }
    }
}

struct AxesCase {
    const char* name;
    Int64 nx, ny;
    double sinPhiTime, sinPhiSpace;
    Color cl;
    Line timeAxis;
    bool timeTicks;
    Point timeCaption;
    Line spaceAxis;
    bool spaceTicks;
    Point spaceCaption;
};

std::vector<std::string> Expected(const AxesCase& c) {
    const Color& k = c.cl;
    std::vector<std::string> out{"width 2",
                                 "color " + std::to_string(k.red) + "," + std::to_string(k.green) +
                                     "," + std::to_string(k.blue),
                                 "font Arial", "size 10", LineText(c.timeAxis)};
    if (c.timeTicks) {
        AppendTimeTicks(out, c.nx, c.ny);
    }
    out.push_back(TextAt(c.timeCaption, "Time"));
    out.push_back(LineText(c.spaceAxis));
    if (c.spaceTicks) {
        AppendSpaceTicks(out, c.nx, c.ny);
    }
    out.push_back(TextAt(c.spaceCaption, "Space"));
    return out;
}

// Per row: origin, the two sines, colour; time axis, whether it is ticked, "Time"; space axis,
// whether it is ticked, "Space".
// clang-format off
const AxesCase axesCases[] = {
    {"start-black-own",            300, 400, 0.6,    0.0,  black, {-300, 1200, 900, -400}, false, {603, 8},
                                                                  {-700, 400, 1300, 400},  true,  {606, 394}},
    {"start-red-other",            300, 400, 0.0,    0.6,  red,   {300, 1400, 300, -600},  true,  {303, 8},
                                                                  {-500, -200, 1100, 1000}, false, {504, 552}},
    {"switched-red-own",           300, 400, -0.6,   0.0,  red,   {900, 1200, -300, -400}, false, {3, 8},
                                                                  {-700, 400, 1300, 400},  true,  {606, 394}},
    {"switched-black-other",       300, 400, 0.0,    -0.6, black, {300, 1400, 300, -600},  true,  {303, 8},
                                                                  {-500, 1000, 1100, -200}, false, {606, 142}},
    {"time-clamped-right",         500, 400, 0.6,    0.0,  black, {-100, 1200, 1100, -400}, false, {606, 221},
                                                                  {-500, 400, 1500, 400},  true,  {606, 394}},
    {"time-clamped-left",          250, 400, -0.6,   0.0,  red,   {850, 1200, -350, -400}, false, {2, 69},
                                                                  {-750, 400, 1250, 400},  true,  {606, 394}},
    {"time-clamped-left-capped",   21,  31,  -0.6,   0.0,  red,   {621, 831, -579, -769},  false, {2, 8},
                                                                  {-979, 31, 1021, 31},    true,  {606, 25}},
    {"vertical-time-near-right",   610, 400, 0.0,    0.0,  black, {610, 1400, 610, -600},  true,  {606, 8},
                                                                  {-390, 400, 1610, 400},  true,  {606, 394}},
    // An axis leaning left near the right edge crosses it only below the origin: "Time" stays
    // at the top. The speed slider one step left of the middle, and red at the field's -0.3.
    {"time-leaning-left-near-right", 615, 200, 19.0 / 20 - 1, 0.0, black, {665, 1199, 565, -799}, false, {606, 8},
                                                                  {-385, 200, 1615, 200},  true,  {606, 194}},
    {"time-leaning-left-near-top-right", 615, 30, -(26.0 / 20 - 1), 0.0, red, {915, 984, 315, -924}, false, {606, 8},
                                                                  {-385, 30, 1615, 30},    true,  {606, 24}},
    {"space-clamped-bottom-capped", 600, 532, 0.0,   0.6,  red,   {600, 1532, 600, -468},  true,  {603, 8},
                                                                  {-200, -68, 1400, 1132}, false, {604, 552}},
    {"space-clamped-top",          300, 200, 0.0,    -0.6, black, {300, 1200, 300, -800},  true,  {303, 8},
                                                                  {-500, 800, 1100, -400}, false, {567, 8}},
    {"space-clamped-top-capped",   560, 40,  0.0,    -0.6, black, {560, 1040, 560, -960},  true,  {563, 8},
                                                                  {-240, 640, 1360, -560}, false, {606, 8}},
    {"speed-zero",                 300, 400, 0.0,    0.0,  red,   {300, 1400, 300, -600},  true,  {303, 8},
                                                                  {-700, 400, 1300, 400},  true,  {606, 394}},
    {"negative-zero-is-untilted",  300, 400, -0.0,   -0.0, black, {300, 1400, 300, -600},  true,  {303, 8},
                                                                  {-700, 400, 1300, 400},  true,  {606, 394}},
    // A lean too small for the right-edge crossing to fit in Int64: placed like a vertical
    // axis's caption.
    {"tiny-lean-left-near-right",  615, 400, -1e-18, 0.0,  black, {615, 1400, 615, -600},  false, {606, 8},
                                                                  {-385, 400, 1615, 400},  true,  {606, 394}},
    {"tiny-lean-right-near-right", 615, 400, 1e-18,  0.0,  black, {615, 1400, 615, -600},  false, {606, 8},
                                                                  {-385, 400, 1615, 400},  true,  {606, 394}},
    {"smallest-lean-near-right",   604, 21,  -1e-300, 0.0, black, {604, 1021, 604, -979},  false, {606, 8},
                                                                  {-396, 21, 1604, 21},    true,  {606, 15}},
    {"subnormal-lean-near-right",  615, 532, 5e-324, 0.0,  black, {615, 1532, 615, -468},  false, {606, 8},
                                                                  {-385, 532, 1615, 532},  true,  {606, 526}},
    // A flat space axis below or above the area never meets that edge: the caption keeps its
    // place at the right, held in the area by the caps.
    {"flat-space-below-area",      300, 600, 0.0,    0.0,  black, {300, 1600, 300, -400},  true,  {303, 8},
                                                                  {-700, 600, 1300, 600},  true,  {604, 552}},
    {"flat-space-above-area",      300, 10,  0.0,    0.0,  black, {300, 1010, 300, -990},  true,  {303, 8},
                                                                  {-700, 10, 1300, 10},    true,  {606, 8}},
};
// clang-format on

// Names the row in test output instead of dumping its bytes.
void PrintTo(const AxesCase& c, std::ostream* os) {
    *os << c.name;
}

class FrameAxes : public DiagramFixture, public ::testing::WithParamInterface<AxesCase> {};

TEST_P(FrameAxes, DrawsEveryCallInOrder) {
    const AxesCase& c = GetParam();
    Globals::Nx = c.nx;
    Globals::Ny = c.ny;
    KoordSys axes;
    axes.sinPhiTime = c.sinPhiTime;
    axes.sinPhiSpace = c.sinPhiSpace;
    axes.cl = c.cl;
    RecordingGraphics g(553.0, ForeignPen());
    axes.Draw(g);
    EXPECT_EQ(Describe(g), Expected(c));
    EXPECT_EQ(g.PenWidth(), 2.0);
    EXPECT_EQ(g.ForeColor(), c.cl);
    EXPECT_EQ(g.TextFont(), "Arial");
    EXPECT_EQ(g.TextSize(), 10.0f);
}

INSTANTIATE_TEST_SUITE_P(Cases, FrameAxes, ::testing::ValuesIn(axesCases), RowName{});

std::vector<std::string> Labels(const RecordingGraphics& g) {
    std::vector<std::string> texts;
    for (const auto& call : g.CallsOf(RecordingGraphics::Op::Text)) {
        texts.push_back(call.text);
    }
    return texts;
}

class FrameLabels : public DiagramFixture {};

TEST_F(FrameLabels, ReadTheUnitsOfTheStep) {
    struct Row {
        Int64 step;
        std::string first, nextToOrigin, last;
    };
    const Row spaceRows[] = {{3, "-30 m ", "3 m ", "30 m "},
                             {9, "-30000 km ", "3000 km ", "30000 km "}};
    const Row timeRows[] = {{3, "100 ns ", "-10 ns ", "-100 ns "},
                            {9, "100 ms ", "-10 ms ", "-100 ms "}};
    for (int k = 0; k < 2; ++k) {
        Globals::stUnits = spaceRows[k].step;
        Globals::calcUnits();
        KoordSys flat; // both axes untilted: 20 time labels, "Time", 20 space labels, "Space"
        RecordingGraphics g;
        flat.Draw(g);
        const std::vector<std::string> texts = Labels(g);
        ASSERT_EQ(texts.size(), 42u);
        EXPECT_EQ(texts[0], timeRows[k].first);
        EXPECT_EQ(texts[10], timeRows[k].nextToOrigin);
        EXPECT_EQ(texts[19], timeRows[k].last);
        EXPECT_EQ(texts[20], "Time");
        EXPECT_EQ(texts[21], spaceRows[k].first);
        EXPECT_EQ(texts[31], spaceRows[k].nextToOrigin);
        EXPECT_EQ(texts[40], spaceRows[k].last);
        EXPECT_EQ(texts[41], "Space");
    }
}

TEST_F(FrameLabels, ChangingTheStepMovesNoLine) {
    const auto draw = [](Int64 step) {
        Globals::stUnits = step;
        Globals::calcUnits();
        KoordSys flat;
        RecordingGraphics g;
        flat.Draw(g);
        return g;
    };
    const RecordingGraphics step3 = draw(3);
    const RecordingGraphics step4 = draw(4);
    ASSERT_EQ(step3.Calls().size(), step4.Calls().size());
    for (size_t i = 0; i < step3.Calls().size(); ++i) {
        const auto& a = step3.Calls()[i];
        const auto& b = step4.Calls()[i];
        EXPECT_EQ(Num(a.a) + " " + Num(a.b) + " " + Num(a.c) + " " + Num(a.d),
                  Num(b.a) + " " + Num(b.b) + " " + Num(b.c) + " " + Num(b.d));
    }
    EXPECT_EQ(Labels(step3)[21], "-30 m ");
    EXPECT_EQ(Labels(step4)[21], "-300 m ");
    EXPECT_EQ(Labels(step3)[0], "100 ns ");
    EXPECT_EQ(Labels(step4)[0], "1000 ns ");
}

} // namespace
