#include "tools/gendb/determination.h"

#include "tools/gendb/split_mix.h"

#include <cmath>

namespace {

// Calibration coefficient the made-up instrument has: water per unit of peak height.
constexpr double kInstrumentCoefficient = 0.00095;
constexpr double kDriedHeight = 5.4;
constexpr double kSampleHeight = 152.0;
// Water in calibration solutions 1 to 4 before dividing by the solvent mass.
constexpr double kWaterFactors[] = {0.998, 0.998, 1.996, 2.994};
// 2026-03-02 08:30 UTC, then one chromatogram every 25 minutes.
constexpr int64_t kFirstDate = 1772440200;
constexpr int64_t kDateStep = 25 * 60;

// Heights as the host stores them: four decimals.
double Rounded(double value) {
    return std::nearbyint(value * 10000.0) / 10000.0;
}

class Planner {
public:
    Planner(const DemoOptions& options, DemoDetermination& determination)
        : options_(options), determination_(determination), jitter_(options.seed ^ 0x5DEECE66Dull) {}

    // Two injections around a mean: each within 1.5 % of it, so that their difference stays near 3 %.
    void Pair(DemoRole role, const std::wstring& name, double mean, bool apart) {
        const double first = Rounded(mean * (1.0 + 0.015 * jitter_.Uniform()));
        const double second = apart ? Rounded(first * (1.0 + options_.apartPercent / 100.0))
                                    : Rounded(mean * (1.0 + 0.015 * jitter_.Uniform()));
        Add(role, name + L", ввод 1", first);
        Add(role, name + L", ввод 2", second);
    }

    double Mass(double nominal) { return Rounded(nominal * (1.0 + 0.005 * jitter_.Uniform())); }

private:
    void Add(DemoRole role, std::wstring sample, double height) {
        const auto index = static_cast<int32_t>(determination_.assays.size());
        determination_.assays.push_back(
            {options_.firstId + index, role, std::move(sample), kFirstDate + index * kDateStep, height});
    }

    const DemoOptions& options_;
    DemoDetermination& determination_;
    SplitMix64 jitter_;
};

}  // namespace

DemoDetermination PlanDetermination(const DemoOptions& options) {
    DemoDetermination determination;
    Planner planner(options, determination);
    determination.m1 = planner.Mass(10.0);
    determination.m2 = planner.Mass(10.0);
    determination.m3 = planner.Mass(10.0);
    determination.m4 = planner.Mass(10.0);
    determination.portionMass = planner.Mass(5.0);
    determination.sampleMass = planner.Mass(10.0);

    planner.Pair(DemoRole::DriedCalibration, L"Экстрагент осушенный, град.", kDriedHeight, false);
    const double masses[] = {determination.m1, determination.m2, determination.m3, determination.m4};
    const DemoRole levels[] = {DemoRole::Level1, DemoRole::Level2, DemoRole::Level3, DemoRole::Level4};
    for (int level = 0; level < 4; ++level) {
        const double mean = kWaterFactors[level] / masses[level] / kInstrumentCoefficient + kDriedHeight;
        planner.Pair(levels[level], L"Раствор град" + std::to_wstring(level + 1), mean,
                     options.apartLevel == level + 1);
    }
    planner.Pair(DemoRole::DriedAnalysis, L"Экстрагент осушенный, проба 17", kDriedHeight, false);
    planner.Pair(DemoRole::Sample, L"Масло трансформаторное, проба 17", kSampleHeight, false);
    return determination;
}
