// The window as a user sees it with everything switched on and an event held down. Set
// TESVAN_SNAPSHOT to a file name to keep the picture for a look.
#include "Window1InteractionFixture.h"

#include <QColor>
#include <QImage>
#include <QPixmap>

#include <cstdlib>

namespace {

class Window1SnapshotTest : public Window1Interaction {};

TEST_F(Window1SnapshotTest, ObjectsTracesShadowsLightConeAndAProjectedEventShow) {
    for (const char* name : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5",
                             "CheckBox6", "CheckBox7"}) {
        window.Control<CheckBox>(name).SetValue(true);
    }
    press(400, 300);
    const QImage shot = window.Widget()->grab().toImage();
    const QImage canvas = canvasWidget()->grab().toImage();
    release(400, 300);
    if (const char* path = std::getenv("TESVAN_SNAPSHOT")) {
        shot.save(path);
    }

    // The own frame's perpendicular onto its space axis runs straight down from the event,
    // the other frame's onto its time axis straight left.
    EXPECT_EQ(QColor(canvas.pixel(400, 350)), QColor(0, 0, 0));
    EXPECT_EQ(QColor(canvas.pixel(350, 300)), QColor(255, 0, 0));
    // Both light lines, one on its way to (900, 100), the other to (600, 1000).
    EXPECT_EQ(QColor(canvas.pixel(500, 300)), QColor(80, 80, 222));
    EXPECT_EQ(QColor(canvas.pixel(350, 500)), QColor(80, 80, 222));
    // Both objects with their traces and shadows leave plenty of their colours.
    const auto pixelsOf = [&](QColor colour) {
        int count = 0;
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                count += QColor(canvas.pixel(x, y)) == colour;
            }
        }
        return count;
    };
    EXPECT_GT(pixelsOf(QColor(100, 100, 100)), 1000);
    EXPECT_GT(pixelsOf(QColor(200, 0, 0)), 1000);
    EXPECT_EQ(window.Label2().Text(), "19.44 ns");
    EXPECT_EQ(window.Label9().Text(), "0.83 m");
    for (const char* name : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5",
                             "CheckBox6", "CheckBox7"}) {
        window.Control<CheckBox>(name).SetValue(false);
    }
}

} // namespace
