#include "Thing.h"
#include "DiagramFixture.h"

#include <ostream>
#include <string>
#include <vector>

namespace {

struct Seg {
    double x1, y1, x2, y2;
};

std::string LineText(Seg s) {
    return "line " + Num(s.x1) + " " + Num(s.y1) + " " + Num(s.x2) + " " + Num(s.y2);
}

const Color blackObject = RGB(100, 100, 100);
const Color redObject = RGB(200, 0, 0);

Thing MakeThing(Int64 index, Int64 position, bool trace = true, bool shadow = true) {
    Thing thing;
    thing.index = index;
    thing.cl = index == 0 ? blackObject : redObject;
    thing.length = 144;
    thing.position = position;
    thing.isVisible = true;
    thing.hasTrace = trace;
    thing.hasShadow = shadow;
    return thing;
}

std::string ColorText(Int64 index) {
    return index == 0 ? "color 100,100,100" : "color 200,0,0";
}

struct ObjectCase {
    const char* name;
    Int64 ourSystem;
    double sinPhi;
    Int64 theTime;
    Int64 index;
    Int64 position;
    Seg rod, trace, drop1, drop2, measured, shadow;
};

// Per row: ourSystem, v/c, time, index, position; rod, trace, the two drops, the measured segment
// and the shadow.
// clang-format off
const ObjectCase objectCases[] = {
    {"black-own-right",            0, 0.6,  72,  0, 1, {300, 310, 444, 418},  {444, 0, 444, 553},
     {300, 310, 257, 368}, {444, 310, 349, 437}, {300, 310, 444, 310}, {257, 368, 349, 437}},
    {"black-own-left",             0, 0.6,  72,  0, 0, {156, 202, 300, 310},  {156, 0, 156, 553},
     {156, 310, 165, 299}, {300, 310, 257, 368}, {300, 310, 156, 310}, {165, 299, 257, 368}},
    {"red-other-left",             0, 0.6,  72,  1, 0, {163, 342, 343, 342},  {763, -458, -437, 1142},
     {228, 256, 228, 400}, {343, 342, 343, 400}, {343, 342, 228, 256}, {228, 400, 343, 400}},
    {"red-other-right",            0, 0.6,  72,  1, 1, {343, 342, 523, 342},  {1123, -458, -77, 1142},
     {343, 342, 343, 400}, {458, 428, 458, 400}, {343, 342, 458, 428}, {343, 400, 458, 400}},
    {"switched-red-own-left",      1, -0.6, 72,  1, 0, {156, 418, 300, 310},  {156, 0, 156, 553},
     {156, 310, 251, 437}, {300, 310, 343, 368}, {300, 310, 156, 310}, {251, 437, 343, 368}},
    {"switched-black-other-right", 1, -0.6, 72,  0, 1, {257, 342, 437, 342},  {-163, -458, 1037, 1142},
     {257, 342, 257, 400}, {372, 256, 372, 400}, {257, 342, 372, 256}, {257, 400, 372, 400}},
    {"speed-zero-own-right",       0, 0.0,  72,  0, 1, {300, 328, 444, 328},  {444, 0, 444, 553},
     {300, 328, 300, 400}, {444, 328, 444, 400}, {300, 328, 444, 328}, {300, 400, 444, 400}},
    {"speed-zero-other-left",      0, 0.0,  72,  1, 0, {156, 328, 300, 328},  {156, -672, 156, 1328},
     {156, 328, 156, 400}, {300, 328, 300, 400}, {300, 328, 156, 328}, {156, 400, 300, 400}},
    {"latest-time-above-area",     0, 0.6,  500, 0, 1, {300, -225, 444, -117}, {444, 0, 444, 553},
     {300, -225, 0, 175},  {444, -225, 92, 244}, {300, -225, 444, -225}, {0, 175, 92, 244}},
    // The own rod's height T / c is 230.58: rounded, not cut to 230.
    {"own-height-rounded",         0, 0.95, 72,  0, 1, {300, 169, 444, 607},  {444, 0, 444, 553},
     {300, 169, 232, 191}, {444, 169, 246, 234}, {300, 169, 444, 169}, {232, 191, 246, 234}},
    // 407 * Sqrt(1 - v^2) is 312.5 only when v^2 is the correctly rounded product; one bit less
    // puts the now line a pixel lower.
    {"square-to-the-last-bit",     0, 0.6406736967988551, 407, 1, 1, {561, 87, 749, 87}, {1390, -681, 108, 855},
     {561, 87, 561, 400}, {672, 179, 672, 400}, {561, 87, 672, 179}, {561, 400, 672, 400}},
};
// clang-format on

// Names the row in test output instead of dumping its bytes.
void PrintTo(const ObjectCase& c, std::ostream* os) {
    *os << c.name;
}

class FrameObject : public DiagramFixture, public ::testing::WithParamInterface<ObjectCase> {};

TEST_P(FrameObject, DrawsRodTraceAndShadow) {
    const ObjectCase& c = GetParam();
    Globals::ourSystem = c.ourSystem;
    Globals::sinPhi = c.sinPhi;
    Globals::theTime = c.theTime;
    Thing thing = MakeThing(c.index, c.position);
    RecordingGraphics g(553.0, ForeignPen());
    thing.Draw(g);
    const std::vector<std::string> expected{
        "width 2",         ColorText(c.index), LineText(c.rod),      "width 1", LineText(c.trace),
        LineText(c.drop1), LineText(c.drop2),  LineText(c.measured), "width 2", LineText(c.shadow),
    };
    EXPECT_EQ(Describe(g), expected);
    EXPECT_EQ(g.PenWidth(), 2.0);
    EXPECT_EQ(g.ForeColor(), thing.cl);
    EXPECT_EQ(g.TextFont(), "System") << "fonts are not touched";
}

INSTANTIATE_TEST_SUITE_P(Cases, FrameObject, ::testing::ValuesIn(objectCases), RowName{});

class ObjectFlags : public DiagramFixture {};

TEST_F(ObjectFlags, DrawOnlyWhatIsSwitchedOn) {
    struct Row {
        const char* name;
        bool visible, trace, shadow;
        std::vector<std::string> calls;
        double widthAfter;
    };
    const std::string rod = "line 300 310 444 418";
    const std::string trace = "line 444 0 444 553";
    const Row rows[] = {
        {"trace only",
         true,
         true,
         false,
         {"width 2", "color 100,100,100", rod, "width 1", trace},
         1.0},
        {"shadow only",
         true,
         false,
         true,
         {"width 2", "color 100,100,100", rod, "width 1", "line 300 310 257 368",
          "line 444 310 349 437", "line 300 310 444 310", "width 2", "line 257 368 349 437"},
         2.0},
        {"rod only", true, false, false, {"width 2", "color 100,100,100", rod, "width 1"}, 1.0},
        {"invisible", false, true, true, {}, 7.0},
    };
    for (const Row& row : rows) {
        Thing thing = MakeThing(0, 1, row.trace, row.shadow);
        thing.isVisible = row.visible;
        RecordingGraphics g(553.0, ForeignPen());
        thing.Draw(g);
        EXPECT_EQ(Describe(g), row.calls) << row.name;
        EXPECT_EQ(g.PenWidth(), row.widthAfter) << row.name;
        EXPECT_EQ(g.ForeColor(), row.visible ? blackObject : ForeignPen().color) << row.name;
    }
}

TEST_F(ObjectFlags, OwnTraceSpansTheSurfaceHeightOtherLinesKeepTheirPixels) {
    RecordingGraphics canvas(553.0);
    RecordingGraphics page(2000.0);
    for (Int64 index : {0, 1}) {
        Thing thing = MakeThing(index, 1);
        thing.Draw(canvas);
        thing.Draw(page);
    }
    std::vector<std::string> onCanvas = Describe(canvas);
    std::vector<std::string> onPage = Describe(page);
    ASSERT_EQ(onCanvas.size(), onPage.size());
    EXPECT_EQ(onCanvas[4], "line 444 0 444 553");
    EXPECT_EQ(onPage[4], "line 444 0 444 2000");
    onPage[4] = onCanvas[4];
    EXPECT_EQ(onPage, onCanvas);
}

} // namespace
