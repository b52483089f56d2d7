#include "Medians.h"

#include <unistd.h>

// Coloured only on a terminal, so that a saved report stays readable.
MedianReporter::MedianReporter()
    : ConsoleReporter(isatty(STDOUT_FILENO) != 0 ? OO_ColorTabular : OO_Tabular) {}

void MedianReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median") {
            continue;
        }
        const std::string name = run.run_name.function_name;
        seconds_[name] =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        for (const auto& [counter, value] : run.counters) {
            counters_[name][counter] = value.value;
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

const double* MedianReporter::Seconds(const std::string& name) const {
    const auto found = seconds_.find(name);
    return found == seconds_.end() ? nullptr : &found->second;
}

const double* MedianReporter::Counter(const std::string& name, const std::string& counter) const {
    const auto found = counters_.find(name);
    if (found == counters_.end()) {
        return nullptr;
    }
    const auto value = found->second.find(counter);
    return value == found->second.end() ? nullptr : &value->second;
}
