#pragma once
// Watches the test program's allocations through its replaced global operator new, so that a test can tell
// what the reader tried to reserve, and can make large requests fail the way they do in a 32-bit process
// whose address space has no room for them.

#include <cstddef>
#include <limits>

// While one exists: records the largest single request and counts the requests, and refuses
// (std::bad_alloc) every request above the limit, and the failAt-th request when failAt is not 0. One at a
// time.
class AllocationProbe {
public:
    explicit AllocationProbe(size_t limit = std::numeric_limits<size_t>::max(), size_t failAt = 0);
    ~AllocationProbe();
    AllocationProbe(const AllocationProbe&) = delete;
    AllocationProbe& operator=(const AllocationProbe&) = delete;

    // The largest request made since the probe was made, refused ones included.
    size_t Largest() const;
    // The requests made since the probe was made, refused ones included.
    size_t Requests() const;
};
