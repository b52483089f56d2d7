#include "PaintStates.h"

#include "FloorReplay.h"
#include "Globals.h"
#include "Window1.h"

#include <QPainter>
#include <QRegion>

namespace {

using CheckBoxAccessor = CheckBox& (Window1::*)();
constexpr CheckBoxAccessor kObjectSwitches[] = {
    &Window1::CheckBox1, &Window1::CheckBox2, &Window1::CheckBox3, &Window1::CheckBox4,
    &Window1::CheckBox5, &Window1::CheckBox6, &Window1::CheckBox7,
};

// An event up and to the right of the origin, off both frames' axes.
constexpr Int64 kEventX = 400;
constexpr Int64 kEventY = 300;

} // namespace

QImage BlankCanvasImage(Window1& window) {
    Canvas& canvas = window.Canvas1();
    QImage image(static_cast<int>(canvas.Width()), static_cast<int>(canvas.Height()),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    return image;
}

void ApplyDiagramState(Window1& window, DiagramState state) {
    const bool on = state == DiagramState::EverythingOn;
    for (CheckBoxAccessor box : kObjectSwitches) {
        (window.*box)().SetValue(on);
    }
    Globals::inProjectingMode = on;
    Globals::Mx = on ? kEventX : 0;
    Globals::My = on ? kEventY : 0;
}

std::vector<RecordingGraphics::Call> RecordPaint(Window1& window) {
    Canvas& canvas = window.Canvas1();
    RecordingGraphics recording(static_cast<double>(canvas.Height()));
    window.Canvas1_Paint(canvas, recording, {});
    return recording.Calls();
}

QImage PaintedByCanvas(Window1& window) {
    QImage image = BlankCanvasImage(window);
    QPainter painter(&image);
    window.Canvas1().PaintOn(painter, QRegion(0, 0, image.width(), image.height()));
    return image;
}

QImage PaintedByFloor(Window1& window) {
    QImage image = BlankCanvasImage(window);
    const FloorReplay floor(PenState{}, RecordPaint(window));
    QPainter painter(&image);
    floor.Replay(painter);
    return image;
}
