// The diagram canvas under the mouse: grabbing and dragging the origin, projecting an event
// while the button is held, and the cursor over the origin.
#include "Window1InteractionFixture.h"

#include <utility>

namespace {

using Point = std::pair<Int64, Int64>;

class Window1MouseTest : public Window1Interaction {
  protected:
    Point origin() const { return {Globals::Nx, Globals::Ny}; }
    Point event() const { return {Globals::Mx, Globals::My}; }
};

TEST_F(Window1MouseTest, APressOnTheHandleGrabsTheOriginAnywhereElseProjects) {
    struct Case {
        int x, y;
        bool grabs;
    };
    // The handle spans 7 pixels on each side of the origin (300, 400).
    const Case cases[] = {{307, 393, true},  {293, 407, true},  {300, 400, true}, {308, 400, false},
                          {292, 400, false}, {300, 408, false}, {300, 392, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        ResetToDesignState();
        const int before = canvasRepaints();
        press(c.x, c.y);
        EXPECT_EQ(Globals::inKoordDragMode, c.grabs);
        EXPECT_EQ(Globals::inProjectingMode, !c.grabs);
        EXPECT_EQ(event(), (c.grabs ? Point{0, 0} : Point{c.x, c.y}));
        EXPECT_EQ(canvasRepaints() - before, c.grabs ? 0 : 1);

        release(c.x, c.y);
        EXPECT_FALSE(Globals::inKoordDragMode);
        EXPECT_FALSE(Globals::inProjectingMode);
        // Letting go of the handle asks for nothing; ending a projection repaints without it.
        EXPECT_EQ(canvasRepaints() - before, c.grabs ? 0 : 2);
        EXPECT_EQ(origin(), (Point{300, 400}));
    }
}

TEST_F(Window1MouseTest, MouseDownAnswersTrueOnBothPaths) {
    EXPECT_TRUE(window.Canvas1_MouseDown(window.Canvas1(), 300, 400));
    window.Canvas1_MouseUp(window.Canvas1(), 300, 400);
    EXPECT_TRUE(window.Canvas1_MouseDown(window.Canvas1(), 10, 10));
    window.Canvas1_MouseUp(window.Canvas1(), 10, 10);
    EXPECT_FALSE(Globals::inKoordDragMode || Globals::inProjectingMode);
}

TEST_F(Window1MouseTest, TheOriginFollowsTheMouseInsideTheDragMargin) {
    press(305, 404);
    const int before = canvasRepaints();
    // The origin lands on the mouse itself, not at the offset it was grabbed at.
    moveTo(306, 404);
    EXPECT_EQ(origin(), (Point{306, 404}));
    EXPECT_EQ(canvasRepaints() - before, 1);

    struct Step {
        int x, y;
        Point origin;
    };
    // The drawing area is 636 x 553: x 21..615 and y 21..532 are accepted.
    const Step steps[] = {{20, 300, {306, 404}},  {616, 300, {306, 404}}, {300, 533, {306, 404}},
                          {300, 20, {306, 404}},  {21, 21, {21, 21}},     {-40, -40, {21, 21}},
                          {615, 532, {615, 532}}, {616, 533, {615, 532}}, {400, 300, {400, 300}}};
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << s.x << "," << s.y);
        const int repaints = canvasRepaints();
        moveTo(s.x, s.y);
        EXPECT_EQ(origin(), s.origin);
        EXPECT_EQ(canvasRepaints() - repaints, (origin() == Point{s.x, s.y} ? 1 : 0));
    }

    // Released over the control panel, outside the canvas: the drag still ends there.
    const int repaints = canvasRepaints();
    release(760, 300);
    EXPECT_FALSE(Globals::inKoordDragMode);
    EXPECT_EQ(origin(), (Point{400, 300}));
    EXPECT_EQ(canvasRepaints(), repaints);
    // The mouse is free again: moving with the button up drags nothing.
    moveTo(200, 200);
    EXPECT_EQ(origin(), (Point{400, 300}));
}

TEST_F(Window1MouseTest, DragsWhileProjectingChangeNothingAndTheReleaseRepaints) {
    press(372, 400);
    const int afterPress = canvasRepaints();
    for (const QPoint p : {QPoint(380, 410), QPoint(300, 400), QPoint(10, 10)}) {
        moveTo(p.x(), p.y());
    }
    EXPECT_EQ(event(), (Point{372, 400}));
    EXPECT_EQ(origin(), (Point{300, 400}));
    EXPECT_EQ(canvasRepaints(), afterPress);

    release(700, 700); // below and right of the canvas
    EXPECT_FALSE(Globals::inProjectingMode);
    EXPECT_FALSE(Globals::inKoordDragMode);
    EXPECT_EQ(canvasRepaints() - afterPress, 1);
    EXPECT_EQ(event(), (Point{372, 400}));
}

TEST_F(Window1MouseTest, TheCursorIsAnOpenHandOverTheOriginOnly) {
    struct Case {
        int x, y;
        Qt::CursorShape shape;
    };
    const Case atStart[] = {{300, 400, Qt::OpenHandCursor}, {300, 408, Qt::ArrowCursor},
                            {307, 393, Qt::OpenHandCursor}, {308, 393, Qt::ArrowCursor},
                            {100, 100, Qt::ArrowCursor},    {293, 407, Qt::OpenHandCursor}};
    for (const Case& c : atStart) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        moveTo(c.x, c.y);
        EXPECT_EQ(canvasCursor(), c.shape);
    }

    press(300, 400);
    moveTo(100, 100);
    release(100, 100);
    const Case afterDrag[] = {{300, 400, Qt::ArrowCursor},
                              {100, 100, Qt::OpenHandCursor},
                              {106, 94, Qt::OpenHandCursor},
                              {300, 401, Qt::ArrowCursor}};
    for (const Case& c : afterDrag) {
        SCOPED_TRACE(testing::Message() << "after the drag " << c.x << "," << c.y);
        moveTo(c.x, c.y);
        EXPECT_EQ(canvasCursor(), c.shape);
    }
}

} // namespace
