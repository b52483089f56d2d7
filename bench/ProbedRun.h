#pragma once

#include <optional>
#include <string>

// One run of the program in a child process under the offscreen platform, with the first paint
// probe loaded into it.
struct ProbedRun {
    double secondsToFirstPaint; // from just before the process was spawned
    double peakResidentMegabytes;
};

// lingerMs: how long the program keeps running after its first paint before its peak memory
// is read. Nothing when the program did not start or never painted; error says why.
std::optional<ProbedRun> RunProbed(int lingerMs, std::string& error);
