#pragma once
// The method's calculation: calibration coefficients, the molar fraction of water and the acceptance checks,
// from the water peaks of a sample set and the masses the analyst typed.

#include <string>
#include <string_view>

class SampleSet;

// The values the main dialog exchanges with its edit fields.
struct FormValues {
    // Solvent masses of calibration solutions 1 to 4.
    double m1 = 0.0;
    double m2 = 0.0;
    double m3 = 0.0;
    double m4 = 0.0;
    double portionMass = 0.0;
    double sampleMass = 0.0;
    // Output: the molar fraction of water.
    double water = 0.0;
    // Output: one failed-check message per line, each ending in "\r\n".
    std::wstring errorText;
};

// Everything the last calculation produced, as the report reads it; all zero before the first one.
struct CalcResults {
    double m1 = 0.0;
    double m2 = 0.0;
    double m3 = 0.0;
    double m4 = 0.0;
    // Water content of calibration solutions 1 to 4.
    double c1 = 0.0;
    double c2 = 0.0;
    double c3 = 0.0;
    double c4 = 0.0;
    // Calibration coefficients of solutions 1 to 4 and their mean.
    double k1 = 0.0;
    double k2 = 0.0;
    double k3 = 0.0;
    double k4 = 0.0;
    double kMean = 0.0;
    // Relative difference of the two injections of each solution, percent.
    double spread1 = 0.0;
    double spread2 = 0.0;
    double spread3 = 0.0;
    double spread4 = 0.0;
    // Relative range of the dried-extractant heights in the calibration, percent.
    double drySpread = 0.0;
    // Relative range of the four coefficients, percent.
    double kSpread = 0.0;
    // Relative difference of the two injections of the dried extractant in the analysis, percent.
    double dryAnalysisSpread = 0.0;
    // Relative difference of the two injections of the sample, percent.
    double waterSpread = 0.0;
    double portionMass = 0.0;
    double sampleMass = 0.0;
    double water = 0.0;
    std::wstring errorText;
};

// The text shown when a chromatogram holds a named peak other than water.
inline constexpr std::wstring_view kNoWaterMessage = L"нет воды";

// Told by the calculation that it stops on a foreign peak. The dialog shows the message in a modal box;
// the calculation ends when the call returns. It must not throw.
class NoWaterReporter {
public:
    virtual void reportNoWater(std::wstring_view message) = 0;

protected:
    ~NoWaterReporter() = default;
};

// Runs the calculation over the dialog's records. Created unbound; the dialog binds its records just
// before each run.
class WaterCalculator {
public:
    void bind(const SampleSet& sampleSet, FormValues& form, CalcResults& results, NoWaterReporter& reporter);
    // Writes form.water, form.errorText and all of results. Does nothing while unbound.
    void calculate();

private:
    const SampleSet* sampleSet_ = nullptr;
    FormValues* form_ = nullptr;
    CalcResults* results_ = nullptr;
    NoWaterReporter* reporter_ = nullptr;
};
