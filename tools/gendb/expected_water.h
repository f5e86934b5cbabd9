#pragma once
// What the method gives for a demo determination, computed here from the heights written, on its own:
// the same formulas in the same groupings and order as the method prescribes, so that a correct
// implementation of the method reproduces the water value to the last bit.

#include "tools/gendb/determination.h"

#include <string>
#include <vector>

struct ExpectedResult {
    double water = 0.0;
    // The failed-check messages, in the method's order.
    std::vector<std::wstring> errors;
};

ExpectedResult ComputeExpectedWater(const DemoDetermination& determination);
