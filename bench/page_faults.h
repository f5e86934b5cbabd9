#pragma once
// Minor page faults of the process so far: the first touch of each fresh page of memory. On a virtual
// machine each one can cost tens of microseconds, so a benchmark that keeps memory reports how many it took.

#include <sys/resource.h>

#include <cstdint>

inline int64_t MinorPageFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}
