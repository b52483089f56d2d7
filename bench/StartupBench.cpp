// Start-up of the real program to its canvas's first painted frame, each run in a fresh child
// process (dynamic loading included), and the program's peak resident memory.
#include "ProbedRun.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// Once a run has failed, the remaining repetitions are not waited for.
std::string firstFailure;

void Probed(benchmark::State& state, int lingerMs) {
    for (auto _ : state) {
        const auto run = firstFailure.empty() ? RunProbed(lingerMs, firstFailure) : std::nullopt;
        if (!run) {
            state.SkipWithError(firstFailure.c_str());
            break;
        }
        state.SetIterationTime(run->secondsToFirstPaint);
        state.counters["peak_rss_MB"] = run->peakResidentMegabytes;
    }
}

} // namespace

BENCHMARK_CAPTURE(Probed, startup_to_first_paint, 0)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
// Kept running for a second and a half after its first paint.
BENCHMARK_CAPTURE(Probed, running_program, 1500)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
