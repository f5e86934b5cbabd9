#pragma once
// The demo determination: the chromatograms of one determination of water in transformer oil, as an
// analyst would measure them, with the masses weighed and the water peak heights the host integrated.

#include <cstdint>
#include <string>
#include <vector>

// What a chromatogram stands for in the method; the sample name carries the keywords that say so.
enum class DemoRole {
    DriedCalibration,
    Level1,
    Level2,
    Level3,
    Level4,
    DriedAnalysis,
    Sample,
};

struct DemoAssay {
    int32_t id = 0;
    DemoRole role = DemoRole::DriedCalibration;
    std::wstring sample;
    // Seconds since 1970-01-01 00:00 UTC.
    int64_t date = 0;
    // Height of the water peak, as the host's integration stored it.
    double height = 0.0;
};

struct DemoDetermination {
    // Solvent masses of calibration solutions 1 to 4, the weighed portion and the sample, grams.
    double m1 = 0.0;
    double m2 = 0.0;
    double m3 = 0.0;
    double m4 = 0.0;
    double portionMass = 0.0;
    double sampleMass = 0.0;
    // In the order the analyst measured them, which is the order they are added in.
    std::vector<DemoAssay> assays;
};

struct DemoOptions {
    int32_t firstId = 1;
    uint64_t seed = 462;
    // 1 to 4: the second injection of this calibration level is apartPercent higher than the first.
    int apartLevel = 0;
    double apartPercent = 12.0;
};

// Two dried-extractant chromatograms for the calibration, each calibration solution twice, the dried
// extractant and the sample of the analysis twice each; every check of the method passes unless a level
// is set apart.
DemoDetermination PlanDetermination(const DemoOptions& options);
