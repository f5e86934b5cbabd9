#include "tools/gendb/expected_water.h"

#include "calc/calc_messages.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Sum and count of the heights of one role, and the two-injection difference taken at its second height.
struct RoleHeights {
    double sum = 0.0;
    int count = 0;
    // |first - second| for a calibration level; their relative difference in percent for the analysis.
    double difference = 0.0;
};

// The calculation's error list line for a failed check (in the calculation's order), as the tools print it.
std::wstring CheckFailed(std::size_t check) {
    return calcmessages::CheckFailedText(check, &BuiltInText);
}

}  // namespace

ExpectedResult ComputeExpectedWater(const DemoDetermination& d) {
    const double water[4] = {0.998 / d.m1, 0.998 / d.m2, 1.996 / d.m3, 2.994 / d.m4};

    double driedSum = 0.0;
    int driedCount = 0;
    double driedMean = 0.0;
    double driedMax = 0.0;
    double driedMin = std::numeric_limits<double>::infinity();
    RoleHeights levels[4];
    RoleHeights driedAnalysis;
    RoleHeights sample;
    for (const DemoAssay& assay : d.assays) {
        const double h = assay.height;
        switch (assay.role) {
        case DemoRole::DriedCalibration:
            driedMax = std::max(driedMax, h);
            driedMin = std::min(driedMin, h);
            driedSum = driedSum + h;
            driedCount = driedCount + 1;
            driedMean = driedSum / driedCount;
            break;
        case DemoRole::Level1:
        case DemoRole::Level2:
        case DemoRole::Level3:
        case DemoRole::Level4: {
            RoleHeights& level = levels[static_cast<int>(assay.role) - static_cast<int>(DemoRole::Level1)];
            level.count = level.count + 1;
            if (level.count == 2) level.difference = std::fabs(level.sum - h);
            level.sum = level.sum + h;
            break;
        }
        case DemoRole::DriedAnalysis:
        case DemoRole::Sample: {
            RoleHeights& role = assay.role == DemoRole::Sample ? sample : driedAnalysis;
            role.count = role.count + 1;
            if (role.count == 2) role.difference = std::fabs(role.sum - h) / ((h + role.sum) * 0.5) * 100.0;
            role.sum = role.sum + h;
            break;
        }
        }
    }

    double k[4];
    double spread[4];
    for (int i = 0; i < 4; ++i) {
        const double mean = levels[i].sum / levels[i].count;
        k[i] = water[i] / (mean - driedMean);
        spread[i] = levels[i].difference / mean * 100.0;
    }
    const double kMean = (k[0] + k[1] + k[2] + k[3]) * 0.25;

    ExpectedResult result;
    for (int i = 0; i < 4; ++i) {
        if (spread[i] > 10.0) result.errors.push_back(CheckFailed(static_cast<std::size_t>(i)));
    }
    if ((driedMax - driedMin) / driedMean * 100.0 > 12.0) result.errors.push_back(CheckFailed(4));
    const double kMax = std::max({k[0], k[1], k[2], k[3]});
    const double kMin = std::min({k[0], k[1], k[2], k[3]});
    if ((kMax - kMin) / kMean * 100.0 > 14.0) result.errors.push_back(CheckFailed(5));
    // The analysis enters as the mean of its heights; a missing dried extractant subtracts nothing.
    const double driedAnalysisMean = driedAnalysis.count == 0 ? 0.0 : driedAnalysis.sum / driedAnalysis.count;
    result.water = ((kMean * d.portionMass) / d.sampleMass) * (sample.sum / sample.count - driedAnalysisMean);
    if (driedAnalysis.difference > 10.0) result.errors.push_back(CheckFailed(6));
    if (sample.difference > 10.0) result.errors.push_back(CheckFailed(7));
    return result;
}
