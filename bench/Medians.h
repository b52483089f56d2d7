#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

// The console report, keeping the median of every repeated benchmark (in seconds) and the
// median of each of its counters, for the figures printed at the end.
class MedianReporter : public benchmark::ConsoleReporter {
  public:
    MedianReporter();
    void ReportRuns(const std::vector<Run>& runs) override;

    // Nothing when that benchmark did not run.
    const double* Seconds(const std::string& name) const;
    const double* Counter(const std::string& name, const std::string& counter) const;

  private:
    std::map<std::string, double> seconds_;
    std::map<std::string, std::map<std::string, double>> counters_;
};
