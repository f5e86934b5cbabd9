#pragma once
// The line each benchmark program prints for a measured case against its bare baseline of the same run,
// "measured / baseline (what): R real, C CPU", whether Google Benchmark or the program itself timed them.

#include <cstdio>
#include <map>
#include <string>
#include <utility>

// Real and CPU time of each case, by name, in any one unit.
using CaseTimes = std::map<std::string, std::pair<double, double>>;

// Prints the line when both cases ran.
inline void PrintRatioLine(const CaseTimes& times, const std::string& measured, const std::string& baseline,
                           const char* what) {
    const auto top = times.find(measured);
    const auto bottom = times.find(baseline);
    if (top == times.end() || bottom == times.end()) return;
    std::printf("%s / %s (%s): %.3f real, %.3f CPU\n", measured.c_str(), baseline.c_str(), what,
                top->second.first / bottom->second.first, top->second.second / bottom->second.second);
}
