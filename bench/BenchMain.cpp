// Measures painting and start-up, then prints each figure against its target.
#include "Medians.h"
#include "PaintStates.h"
#include "Window1.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Target {
    const char* figure;
    const char* benchmark;
    const char* counter; // nullptr: the median time
    const char* floor;   // non-null: the figure is the ratio to this benchmark's median
    double scale;        // from seconds (or the counter) to the unit shown
    const char* unit;
    double limit;
};

const Target kTargets[] = {
    {"full paint, start state", "FullPaint/start_state", nullptr, nullptr, 1e3, "ms", 1.0},
    {"full paint, everything on", "FullPaint/everything_on", nullptr, nullptr, 1e3, "ms", 1.0},
    {"paint / floor, start state", "FullPaint/start_state", nullptr, "FloorPaint/start_state", 1,
     "x", 1.25},
    {"paint / floor, everything on", "FullPaint/everything_on", nullptr, "FloorPaint/everything_on",
     1, "x", 1.25},
    {"start-up to first paint", "Probed/startup_to_first_paint", nullptr, nullptr, 1e3, "ms", 300},
    {"peak resident memory", "Probed/running_program", "peak_rss_MB", nullptr, 1, "MB", 80},
};

void PrintTargets(const MedianReporter& medians) {
    std::printf("\n%-30s %12s %12s  %s\n", "figure (medians)", "measured", "target", "");
    for (const Target& target : kTargets) {
        const double* value = target.counter != nullptr
                                  ? medians.Counter(target.benchmark, target.counter)
                                  : medians.Seconds(target.benchmark);
        const double* floor = target.floor != nullptr ? medians.Seconds(target.floor) : nullptr;
        if (value == nullptr || (target.floor != nullptr && floor == nullptr)) {
            std::printf("%-30s %12s %9s %-2s  not measured\n", target.figure, "-",
                        "<=", target.unit);
            continue;
        }
        const double shown = (floor != nullptr ? *value / *floor : *value) * target.scale;
        std::printf("%-30s %9.3f %-2s %6s %5g %-2s  %s\n", target.figure, shown, target.unit,
                    "<=", target.limit, target.unit, shown <= target.limit ? "met" : "MISSED");
    }
}

// The floor must draw what the canvas draws, or the ratio compares different work.
void CheckFloorDrawsTheSame(Window1& window) {
    for (DiagramState state : {DiagramState::Start, DiagramState::EverythingOn}) {
        ApplyDiagramState(window, state);
        const bool same = PaintedByCanvas(window) == PaintedByFloor(window);
        std::printf("floor replay, %s: %s pixels as the canvas\n",
                    state == DiagramState::Start ? "start state" : "everything on",
                    same ? "the same" : "NOT the same");
    }
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir runtimeDir;
    setenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit().constData(), 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    Window1& window = Window1::Instance();
    QApplication::processEvents();
    CheckFloorDrawsTheSame(window);

    MedianReporter medians;
    benchmark::RunSpecifiedBenchmarks(&medians);
    PrintTargets(medians);
    benchmark::Shutdown();
    return 0;
}
