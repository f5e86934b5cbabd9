#pragma once
// A property a fuzz target checks beyond the sanitizers: when it does not hold, the input ends the run as a
// crash, so that libFuzzer saves it like any other fault.

#include <cstdio>
#include <cstdlib>

inline void FuzzCheck(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}
