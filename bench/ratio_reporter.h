#pragma once
// The console reporter that also keeps each benchmark's time per iteration, so that a program can print the
// ratio of a benchmark to its bare baseline measured in the same run, on the same loaded machine. With
// --benchmark_repetitions the medians are compared: on a shared machine single runs scatter widely.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "bench/ratio_line.h"

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Iteration || median)
                times_[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        }
    }

    // Prints "measured / baseline (what): R real, C CPU" when both ran.
    void PrintRatio(const std::string& measured, const std::string& baseline, const char* what) const {
        PrintRatioLine(times_, measured, baseline, what);
    }

private:
    CaseTimes times_;
};
