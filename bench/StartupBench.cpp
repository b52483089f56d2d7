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

// Each run is one child process, timed by what it reports.
void OneProcessPerRun(benchmark::internal::Benchmark* bench) {
    bench->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(1)
        ->ReportAggregatesOnly(true);
}

} // namespace

BENCHMARK_CAPTURE(Probed, startup_to_first_paint, 0)->Apply(OneProcessPerRun)->Repetitions(10);
// Kept running for a second and a half after its first paint.
BENCHMARK_CAPTURE(Probed, running_program, 1500)->Apply(OneProcessPerRun)->Repetitions(3);
