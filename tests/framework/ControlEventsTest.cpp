// Controls' events: binding checks, synchronous change events, mouse delivery and the
// dispatch boundary.
#include "Canvas.h"
#include "CheckBox.h"
#include "ClassVerify.h"
#include "Label.h"
#include "PressCutOffs.h"
#include "PushButton.h"
#include "ReleaseOver.h"
#include "RowName.h"
#include "ShowURL.h"
#include "Slider.h"
#include "TextField.h"
#include "Window.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace {

// A window holding one control of each kind used below.
class ControlsWindow : public Window {
  public:
    std::string ClassName() const override { return "ControlsWindow"; }

    ControlsWindow() {
        Add<Canvas>("Canvas1", 40, 30, 200, 150);
        Add<Slider>("Slider1", 300, 30, 120, 16).SetValue(0);
        Add<TextField>("TextField1", 300, 60, 80, 22);
        Add<PushButton>("PushButton1", 300, 100, 60, 20);
        Add<Label>("Label1", 300, 140, 60, 20);
        Add<CheckBox>("CheckBox1", 300, 170, 60, 20);
        SetProperties(*this, DesignListWriter("Window")
                                 .Add("Width", Int64(500))
                                 .Add("Height", Int64(300))
                                 .Add("Resizeable", false)
                                 .Bytes());
    }

  private:
    template <class T> T& Add(const char* name, Int64 l, Int64 t, Int64 w, Int64 h) {
        RectControl& added = AddControl(name, New(T::kClassName));
        SetProperties(added, DesignListWriter(T::kClassName)
                                 .Add("Left", l)
                                 .Add("Top", t)
                                 .Add("Width", w)
                                 .Add("Height", h)
                                 .Bytes());
        return ClassVerify<T>(&added);
    }
};

class ControlEventsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.Constructor();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.Widget()));
    }
    Canvas& canvas() { return window.Control<Canvas>("Canvas1"); }
    Slider& slider() { return window.Control<Slider>("Slider1"); }
    TextField& field() { return window.Control<TextField>("TextField1"); }

    ControlsWindow window;
};

TEST_F(ControlEventsTest, RefusesBindingsThatDoNotMatchTheEvent) {
    struct Case {
        const char* name;
        int event;
        Delegate delegate;
        const char* mentions;
    };
    const std::function<void(Slider&)> onSlider = [](Slider&) {};
    const std::function<void(Canvas&, Int64, Int64)> onPoint = [](Canvas&, Int64, Int64) {};
    const Case cases[] = {
        {"wrong-text", Slider::ValueChanged, MakeDelegate(onSlider, "( Slider, Integer )"),
         "( Slider, Integer )"},
        {"wrong-type", Canvas::kMouseDown,
         MakeDelegate(onPoint, "( Canvas, Integer, Integer ) as Boolean"), "callable type"},
        {"other-class", Canvas::kMouseUp, MakeDelegate(onSlider, "( Slider )"), "( Slider )"},
        {"no-such-event", 99, MakeDelegate(onPoint, "( Canvas, Integer, Integer )"), "99"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RectControl& target =
            c.event == Slider::ValueChanged ? static_cast<RectControl&>(slider()) : canvas();
        try {
            AddEventHandler(target, c.event, c.delegate);
            ADD_FAILURE() << "accepted";
        } catch (const RuntimeException& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(target.Name()), std::string::npos) << message;
            EXPECT_NE(message.find(c.mentions), std::string::npos) << message;
        }
        EXPECT_EQ(target.Handler(c.event), nullptr);
    }
}

TEST_F(ControlEventsTest, ChangeEventsRunInsideTheSetAndOnlyOnChange) {
    std::vector<Int64> seen;
    AddEventHandler(
        slider(), Slider::ValueChanged,
        MakeDelegate(std::function<void(Slider&)>([&](Slider& s) { seen.push_back(s.Value()); }),
                     "( Slider )"));
    std::vector<std::string> texts;
    AddEventHandler(field(), TextField::TextChange,
                    MakeDelegate(std::function<void(TextField&)>(
                                     [&](TextField& f) { texts.push_back(f.Text()); }),
                                 "( TextField )"));
    slider().SetValue(40);
    EXPECT_EQ(seen, (std::vector<Int64>{40}));
    slider().SetValue(40);                // unchanged: no event
    slider().SetValue(1'000'000'000'000); // clamped to 99
    slider().SetValue(1000);              // clamped to 99 again: unchanged
    slider().SetValue(-5);                // clamped to 0
    EXPECT_EQ(seen, (std::vector<Int64>{40, 99, 0}));

    field().SetText("0.5");
    field().SetText("0.5");
    field().SetText("");
    EXPECT_EQ(texts, (std::vector<std::string>{"0.5", ""}));

    // A user's drag raises the same event at every step.
    QTest::keyClick(slider().Widget(), Qt::Key_Right);
    EXPECT_EQ(seen.back(), 1);
}

TEST_F(ControlEventsTest, ExceptionsStopAtTheDispatchBoundary) {
    AddEventHandler(window.Control<PushButton>("PushButton1"), PushButton::Action,
                    MakeDelegate(std::function<void(PushButton&)>([](PushButton&) {
                                     throw IllegalCastException("from the click handler");
                                 }),
                                 "( PushButton )"));
    ::testing::internal::CaptureStderr();
    QTest::mouseClick(window.Control<PushButton>("PushButton1").Widget(), Qt::LeftButton);
    const std::string report = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find("IllegalCastException"), std::string::npos) << report;
    EXPECT_NE(report.find("from the click handler"), std::string::npos) << report;

    // Set from code, the handler's exception reaches the code that set the value.
    AddEventHandler(slider(), Slider::ValueChanged,
                    MakeDelegate(std::function<void(Slider&)>(
                                     [](Slider&) { throw NilObjectException("in the handler"); }),
                                 "( Slider )"));
    EXPECT_THROW(slider().SetValue(7), NilObjectException);
    EXPECT_EQ(slider().Value(), 7);
    // And the application goes on.
    field().SetText("still running");
    EXPECT_EQ(field().Text(), "still running");
}

struct MouseLog {
    std::vector<std::string> events;
    bool answer = true;
};

class MouseTest : public ControlEventsTest {
  protected:
    void SetUp() override {
        ControlEventsTest::SetUp();
        using Point = std::function<void(Canvas&, Int64, Int64)>;
        const auto record = [this](const char* what) {
            return Point([this, what](Canvas&, Int64 x, Int64 y) {
                log.events.push_back(std::string(what) + " " + std::to_string(x) + "," +
                                     std::to_string(y));
            });
        };
        // A press's handlers see the cancel of the press before it only during its MouseUp.
        AddEventHandler(canvas(), Canvas::kMouseDown,
                        MakeDelegate(std::function<bool(Canvas&, Int64, Int64)>(
                                         [this](Canvas& sender, Int64 x, Int64 y) {
                                             log.events.push_back(
                                                 "down " + std::to_string(x) + "," +
                                                 std::to_string(y) +
                                                 (sender.PressCancelled() ? " cancelled" : ""));
                                             return log.answer;
                                         }),
                                     "( Canvas, Integer, Integer ) as Boolean"));
        AddEventHandler(canvas(), Canvas::kMouseDrag,
                        MakeDelegate(record("drag"), "( Canvas, Integer, Integer )"));
        // A cancelled press's MouseUp is told apart, as handlers that act on a click see it.
        AddEventHandler(canvas(), Canvas::kMouseUp,
                        MakeDelegate(Point([this](Canvas& sender, Int64 x, Int64 y) {
                                         log.events.push_back(
                                             "up " + std::to_string(x) + "," + std::to_string(y) +
                                             (sender.PressCancelled() ? " cancelled" : ""));
                                     }),
                                     "( Canvas, Integer, Integer )"));
        AddEventHandler(canvas(), CommonEvent::MouseMove,
                        MakeDelegate(record("move"), "( Canvas, Integer, Integer )"));
    }
    // Through the platform window, as a real mouse: the press grabs the mouse.
    QWindow* platformWindow() { return window.Widget()->windowHandle(); }
    QPoint inWindow(int x, int y) {
        return window.ContentWidget()->mapTo(window.Widget(), QPoint(40 + x, 30 + y));
    }

    void activateWindow() {
        window.Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.Widget()));
    }
    // The log without the moves of a free mouse.
    std::vector<std::string> buttonEvents() const {
        std::vector<std::string> kept;
        std::copy_if(log.events.begin(), log.events.end(), std::back_inserter(kept),
                     [](const std::string& e) { return e.rfind("move", 0) != 0; });
        return kept;
    }

    MouseLog log;
};

TEST_F(MouseTest, DragAndUpFollowAPressAnsweredTrueOutsideTheCanvas) {
    QTest::mouseMove(platformWindow(), inWindow(10, 10));
    QTest::mousePress(platformWindow(), Qt::LeftButton, {}, inWindow(20, 30));
    QTest::mouseMove(platformWindow(), inWindow(250, 30)); // right of the canvas
    QTest::mouseRelease(platformWindow(), Qt::LeftButton, {}, inWindow(260, 40));
    // QTest moves the mouse to each press and release point before it acts there.
    EXPECT_EQ(log.events, (std::vector<std::string>{"move 10,10", "move 20,30", "down 20,30",
                                                    "drag 250,30", "drag 260,40", "up 260,40"}));
}

TEST_F(MouseTest, NoDragOrUpAfterAPressAnsweredFalse) {
    log.answer = false;
    QTest::mousePress(platformWindow(), Qt::LeftButton, {}, inWindow(20, 30));
    QTest::mouseMove(platformWindow(), inWindow(25, 35));
    QTest::mouseRelease(platformWindow(), Qt::LeftButton, {}, inWindow(25, 35));
    EXPECT_EQ(log.events, (std::vector<std::string>{"move 20,30", "down 20,30"}));
}

class CutOffPress : public MouseTest, public testing::WithParamInterface<PressCutOff> {};

TEST_P(CutOffPress, EndsThePressWithOneCancelledMouseUpWhereItWasLastSeen) {
    activateWindow();
    QTest::mousePress(platformWindow(), Qt::LeftButton, {}, inWindow(20, 30));
    QTest::mouseMove(platformWindow(), inWindow(25, 35));
    GetParam().takeTheMouse(*window.Widget(), *canvas().Widget());
    EXPECT_EQ(buttonEvents(),
              (std::vector<std::string>{"down 20,30", "drag 25,35", "up 25,35 cancelled"}));
    EXPECT_FALSE(canvas().PressCancelled());

    // A release that still comes for the ended press raises nothing; the next press is whole.
    QTest::mouseRelease(platformWindow(), Qt::LeftButton, {}, inWindow(30, 40));
    QTest::mousePress(platformWindow(), Qt::LeftButton, {}, inWindow(50, 60));
    QTest::mouseRelease(platformWindow(), Qt::LeftButton, {}, inWindow(50, 60));
    EXPECT_EQ(buttonEvents(),
              (std::vector<std::string>{"down 20,30", "drag 25,35", "up 25,35 cancelled",
                                        "down 50,60", "up 50,60"}));
}

INSTANTIATE_TEST_SUITE_P(Ways, CutOffPress, testing::ValuesIn(PressCutOffs()), RowName{});

TEST_F(MouseTest, ADragGoesOnWhileAnotherWindowHasTheFocus) {
    activateWindow();
    QTest::mousePress(platformWindow(), Qt::LeftButton, {}, inWindow(20, 30));
    QTest::mouseMove(platformWindow(), inWindow(25, 35));
    // Qt's grab keeps the moves and the release on the pressed canvas.
    WhileAnotherWindowHasTheFocus(*window.Widget(), [this] {
        QTest::mouseMove(platformWindow(), inWindow(55, 35));
        QTest::mouseRelease(platformWindow(), Qt::LeftButton, {}, inWindow(55, 35));
    });
    EXPECT_EQ(buttonEvents(),
              (std::vector<std::string>{"down 20,30", "drag 25,35", "drag 55,35", "up 55,35"}));
}

// Down and up alternate, starting with a down, and drags come only between them; open answers
// whether the last press is still held.
testing::AssertionResult PressesPair(const std::vector<std::string>& buttonEvents, bool& open) {
    open = false;
    for (const std::string& e : buttonEvents) {
        const bool down = e.rfind("down", 0) == 0;
        if (down == open || (e.rfind("drag", 0) == 0 && !open)) {
            return testing::AssertionFailure() << "out of turn: " << e;
        }
        open = e.rfind("drag", 0) == 0 ? open : down;
    }
    return testing::AssertionSuccess();
}

TEST_F(MouseTest, EveryPressEndsOnceWhateverFollowsIt) {
    activateWindow();
    std::vector<std::pair<std::string, std::function<void()>>> steps = {
        {"press",
         [&] { QTest::mousePress(platformWindow(), Qt::LeftButton, {}, inWindow(20, 30)); }},
        {"drag", [&] { QTest::mouseMove(platformWindow(), inWindow(30, 40)); }},
        {"release",
         [&] { QTest::mouseRelease(platformWindow(), Qt::LeftButton, {}, inWindow(30, 40)); }},
    };
    for (const PressCutOff& c : PressCutOffs()) {
        steps.emplace_back(c.name, [&] { c.takeTheMouse(*window.Widget(), *canvas().Widget()); });
    }
    steps.emplace_back("other-window-focused",
                       [&] { WhileAnotherWindowHasTheFocus(*window.Widget(), [] {}); });
    // Every run of three steps, then a release and one more click.
    for (const auto& first : steps) {
        for (const auto& second : steps) {
            for (const auto& third : steps) {
                SCOPED_TRACE(first.first + ", " + second.first + ", " + third.first);
                log.events.clear();
                bool open = false;
                for (const auto* step : {&first, &second, &third}) {
                    step->second();
                    ASSERT_TRUE(PressesPair(buttonEvents(), open)) << "after " << step->first;
                }
                steps[2].second();
                QTest::mouseClick(platformWindow(), Qt::LeftButton, {}, inWindow(50, 60));
                ASSERT_TRUE(PressesPair(buttonEvents(), open));
                ASSERT_FALSE(open);
            }
        }
    }
}

TEST_F(MouseTest, TheNextEventCancelsAPressWhoseReleaseWentElsewhere) {
    const struct {
        const char* name;
        std::function<void()> next;
        std::vector<std::string> expected;
    } nextEvents[] = {
        {"a move with the button up",
         [&] { QTest::mouseMove(platformWindow(), inWindow(40, 50)); },
         {"down 20,30", "up 40,50 cancelled"}},
        // Straight to the canvas, with no move before it.
        {"a press",
         [&] {
             QTest::mousePress(canvas().Widget(), Qt::LeftButton, {}, {60, 70});
         },
         {"down 20,30", "up 20,30 cancelled", "down 60,70"}},
    };
    for (const auto& c : nextEvents) {
        SCOPED_TRACE(c.name);
        log.events.clear();
        QTest::mousePress(platformWindow(), Qt::LeftButton, {}, inWindow(20, 30));
        // Delivered straight to another control: the canvas never hears of it.
        QTest::mouseRelease(slider().Widget(), Qt::LeftButton, {}, QPoint(3, 3));
        c.next();
        EXPECT_EQ(buttonEvents(), c.expected);
        QTest::mouseRelease(canvas().Widget(), Qt::LeftButton, {}, {60, 70});
    }
}

TEST_F(MouseTest, APressWhoseMouseDownTakesTheMouseEndsAtOnce) {
    // The handler opens a modal window, as a handler asking a question would.
    AddEventHandler(
        canvas(), Canvas::kMouseDown,
        MakeDelegate(std::function<bool(Canvas&, Int64, Int64)>([this](Canvas&, Int64 x, Int64 y) {
                         log.events.push_back("down " + std::to_string(x) + "," +
                                              std::to_string(y));
                         ReleaseOverModalDialog(*window.Widget());
                         return true;
                     }),
                     "( Canvas, Integer, Integer ) as Boolean"));
    QTest::mousePress(platformWindow(), Qt::LeftButton, {}, inWindow(20, 30));
    QTest::mouseMove(platformWindow(), inWindow(25, 35));
    EXPECT_EQ(buttonEvents(), (std::vector<std::string>{"down 20,30", "up 20,30 cancelled"}));
}

TEST_F(MouseTest, EnterAndExitFollowThePointer) {
    const auto note = [this](const char* what) {
        return MakeDelegate(
            std::function<void(Canvas&)>([this, what](Canvas&) { log.events.push_back(what); }),
            "( Canvas )");
    };
    AddEventHandler(canvas(), CommonEvent::MouseEnter, note("enter"));
    AddEventHandler(canvas(), CommonEvent::MouseExit, note("exit"));
    QTest::mouseMove(platformWindow(), inWindow(-20, 5));
    QTest::mouseMove(platformWindow(), inWindow(5, 5));
    QTest::mouseMove(platformWindow(), inWindow(-20, 5));
    EXPECT_EQ(log.events, (std::vector<std::string>{"enter", "move 5,5", "exit"}));
}

TEST_F(ControlEventsTest, CursorsAndRepaintRequests) {
    for (MouseCursor cursor :
         {MouseCursor::HandOpen, MouseCursor::FingerPointer, MouseCursor::StandardPointer}) {
        canvas().SetMouseCursor(cursor);
        EXPECT_EQ(canvas().Cursor(), cursor);
    }
    EXPECT_EQ(canvas().Widget()->cursor().shape(), Qt::ArrowCursor);
    int paints = 0;
    AddEventHandler(canvas(), Canvas::kPaint,
                    MakeDelegate(std::function<void(Canvas&, Graphics&, const std::vector<Rect>&)>(
                                     [&](Canvas&, Graphics& g, const std::vector<Rect>& areas) {
                                         ++paints;
                                         EXPECT_EQ(g.Height(), 150);
                                         EXPECT_FALSE(areas.empty());
                                     }),
                                 "( Canvas, Graphics, Rect() )"));
    const int before = canvas().RepaintRequests();
    canvas().Refresh(true);
    EXPECT_EQ(paints, 1); // painted before Refresh returned
    canvas().Invalidate(false);
    EXPECT_EQ(canvas().RepaintRequests(), before + 2);
}

TEST(ClassVerifyTest, RaisesForNilAndForAnotherClass) {
    Label label;
    RectControl* asControl = &label;
    EXPECT_EQ(&ClassVerify<Label>(asControl), &label);
    EXPECT_THROW(ClassVerify<Slider>(asControl), IllegalCastException);
    EXPECT_THROW(ClassVerify<Label>(static_cast<RectControl*>(nullptr)), NilObjectException);
}

TEST(UiThreadTest, ControlsAndWindowsAreMadeOnTheMainThreadOnly) {
    std::vector<std::string> refused;
    std::thread worker([&] {
        const auto attempt = [&](const char* what, auto make) {
            try {
                make();
            } catch (const ThreadAccessingUIException&) {
                refused.push_back(what);
            }
        };
        attempt("slider", [] { Slider slider; });
        attempt("window", [] { Window window; });
    });
    worker.join();
    EXPECT_EQ(refused, (std::vector<std::string>{"slider", "window"}));
}

TEST_F(ControlEventsTest, UserInterfaceCallsFromAnotherThreadAreRefused) {
    struct Case {
        const char* name;
        std::function<void()> call;
    };
    int changes = 0;
    AddEventHandler(
        slider(), Slider::ValueChanged,
        MakeDelegate(std::function<void(Slider&)>([&](Slider&) { ++changes; }), "( Slider )"));
    std::vector<std::string> opened;
    auto system = SetUrlOpener([&](const std::string& url) { opened.push_back(url); });
    const Case cases[] = {
        {"slider value", [&] { slider().SetValue(5); }},
        {"text field text", [&] { field().SetText("0.5"); }},
        {"label text", [&] { window.Control<Label>("Label1").SetText("x"); }},
        {"check box value", [&] { window.Control<CheckBox>("CheckBox1").SetValue(true); }},
        {"push", [&] { window.Control<PushButton>("PushButton1").Push(); }},
        {"refresh", [&] { canvas().Refresh(true); }},
        {"invalidate", [&] { canvas().Invalidate(false); }},
        {"cursor", [&] { canvas().SetMouseCursor(MouseCursor::FingerPointer); }},
        {"control design",
         [&] {
             SetProperties(canvas(), DesignListWriter("Canvas").Add("Left", Int64(1)).Bytes());
         }},
        {"window design",
         [&] {
             SetProperties(window,
                           DesignListWriter("Window").Add("Title", std::string("t")).Bytes());
         }},
        {"show url", [] { ShowURL("https://example.org/"); }},
    };
    std::vector<std::string> refused;
    std::thread worker([&] {
        for (const Case& c : cases) {
            try {
                c.call();
            } catch (const ThreadAccessingUIException&) {
                refused.push_back(c.name);
            }
        }
    });
    worker.join();
    SetUrlOpener(system);
    std::vector<std::string> all;
    for (const Case& c : cases) {
        all.push_back(c.name);
    }
    EXPECT_EQ(refused, all);
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(slider().Value(), 0);
    EXPECT_EQ(canvas().Left(), 40);
}

} // namespace
