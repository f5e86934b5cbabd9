#pragma once
// The Windows programs' form of the benchmarks' report (no Google Benchmark for MinGW): each case is timed
// over a few repetitions, wall clock and the thread's CPU time, its median printed, and a measured case set
// against its bare baseline of the same run in the line "measured / baseline (what): R real, C CPU", the
// same line the native benchmarks print.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "bench/ratio_line.h"

class RatioTable {
public:
    explicit RatioTable(int repetitions) : repetitions_(repetitions) {}

    // Runs prepare (not timed) then body, repetitions times; prints and keeps the medians in milliseconds.
    void Measure(const std::string& name, const std::function<void()>& prepare, const std::function<void()>& body) {
        std::vector<double> real;
        std::vector<double> cpu;
        for (int i = 0; i < repetitions_; ++i) {
            prepare();
            const double cpuStart = ThreadCpuMilliseconds();
            const double realStart = RealMilliseconds();
            body();
            real.push_back(RealMilliseconds() - realStart);
            cpu.push_back(ThreadCpuMilliseconds() - cpuStart);
        }
        const std::pair<double, double> medians{Median(real), Median(cpu)};
        medians_[name] = medians;
        std::printf("%-32s %10.1f ms real %10.1f ms CPU (median of %d)\n", name.c_str(), medians.first, medians.second,
                    repetitions_);
        std::fflush(stdout);
    }

    void PrintRatio(const std::string& measured, const std::string& baseline, const char* what) const {
        PrintRatioLine(medians_, measured, baseline, what);
    }

private:
    static double Median(std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    }

    static double RealMilliseconds() {
        LARGE_INTEGER counter;
        LARGE_INTEGER frequency;
        QueryPerformanceCounter(&counter);
        QueryPerformanceFrequency(&frequency);
        return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
    }

    static double ThreadCpuMilliseconds() {
        FILETIME created;
        FILETIME exited;
        FILETIME kernel;
        FILETIME user;
        GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
        const auto ticks = [](const FILETIME& time) {
            return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
        };
        return (ticks(kernel) + ticks(user)) / 10000.0;
    }

    int repetitions_;
    CaseTimes medians_;
};
