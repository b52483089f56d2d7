// The whole canvas painted through the real path (the canvas's paint event with a QtGraphics on
// a raster image), against the floor: the same drawing replayed straight onto a QPainter.
#include "FloorReplay.h"
#include "Globals.h"
#include "PaintStates.h"
#include "RecordingGraphics.h"
#include "Window1.h"

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <benchmark/benchmark.h>

namespace {

void FullPaint(benchmark::State& state, DiagramState diagram) {
    Window1& window = Window1::Instance();
    ApplyDiagramState(window, diagram);
    Canvas& canvas = window.Canvas1();
    QImage image = BlankCanvasImage(window);
    const QRegion whole(0, 0, image.width(), image.height());
    for (auto _ : state) {
        QPainter painter(&image);
        canvas.PaintOn(painter, whole);
    }
    state.counters["drawing_calls"] = static_cast<double>(RecordPaint(window).size());
}

void FloorPaint(benchmark::State& state, DiagramState diagram) {
    Window1& window = Window1::Instance();
    ApplyDiagramState(window, diagram);
    const FloorReplay floor(PenState{}, RecordPaint(window));
    QImage image = BlankCanvasImage(window);
    for (auto _ : state) {
        QPainter painter(&image);
        floor.Replay(painter);
    }
}

void Timing(benchmark::internal::Benchmark* bench) {
    bench->Unit(benchmark::kMicrosecond)
        ->Repetitions(15)
        ->ReportAggregatesOnly(true)
        ->MinTime(0.05);
}

} // namespace

BENCHMARK_CAPTURE(FullPaint, start_state, DiagramState::Start)->Apply(Timing);
BENCHMARK_CAPTURE(FloorPaint, start_state, DiagramState::Start)->Apply(Timing);
BENCHMARK_CAPTURE(FullPaint, everything_on, DiagramState::EverythingOn)->Apply(Timing);
BENCHMARK_CAPTURE(FloorPaint, everything_on, DiagramState::EverythingOn)->Apply(Timing);
