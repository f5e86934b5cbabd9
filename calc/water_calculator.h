#pragma once
// The method's calculation: calibration coefficients, the molar fraction of water and the acceptance checks,
// from the water peaks of a sample set and the masses the analyst typed.

#include "strings/texts.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// What an acceptance check concluded. A check is judged only when every value it reads was computed from
// what the method needs; otherwise its value would mean nothing, and it neither passes nor fails.
enum class CheckResult { NotJudged, Passed, Failed };

// One acceptance check of the last calculation: the percentage it compared with its limit. The error list, the
// report and recalc all read result, so that they never disagree.
struct CheckOutcome {
    // NaN when the check was not judged.
    double value = 0.0;
    double limit = 0.0;
    CheckResult result = CheckResult::NotJudged;
};

// The calculation's one conclusion: failed when a judged check failed; otherwise incomplete when the water
// value is not a number, a check was not judged or the error list holds a line (a stop included); else passed.
enum class Verdict { Passed, Failed, Incomplete };

// The word the report's details and recalc write for a verdict: "passed", "failed", "incomplete".
std::wstring_view VerdictName(Verdict verdict);

// One calibration solution as the calculation saw it.
struct LevelDetails {
    double mass = 0.0;
    double content = 0.0;
    // The mean of the level's water heights.
    double height = 0.0;
    double coefficient = 0.0;
    // The count of the level's water heights.
    std::size_t injections = 0;
    // How far the coefficient lies from their mean, percent of the mean; NaN when either is not a number.
    double deviation = 0.0;
};

// The water heights the calculation took from one chromatogram, in the order it used them.
struct InjectionDetails {
    std::vector<double> heights;
};

// What the report shows a reviewer beside the result: each check against its limit and the calibration the
// water value stands on.
struct CalcDetails {
    // The last calculation ran to its end: false before the first one and after a stop on a foreign peak,
    // when nothing else here is filled.
    bool complete = false;
    // In the order of the method's messages: 4в of solutions 1 to 4, 4а, 11.2, 4б, 4г.
    std::array<CheckOutcome, 8> checks{};
    // The mean water height of the dried extractant in the calibration.
    double blank = 0.0;
    std::array<LevelDetails, 4> levels{};
    double kMean = 0.0;
    // The mean water heights of the dried extractant and of the sample in the analysis.
    double analysisBlank = 0.0;
    double analysisHeight = 0.0;
    // One per chromatogram of the set, in set order.
    std::vector<InjectionDetails> injections;
    // The sample's height above the dried extractant, as the water value takes it; NaN without a sample height.
    double net = 0.0;
    // The smallest and the largest height of a level above the calibration blank: the range the calibration
    // covers. NaN when a level has no height.
    double low = 0.0;
    double high = 0.0;
    // Whether net lies within [low, high]; empty when any of the three is not a number.
    std::optional<bool> inRange;
};

// Everything the last calculation produced, as the report reads it; all zero before the first one. A content
// or coefficient that could not be computed from a valid mass (a finite number above zero) is NaN.
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
    // Empty before the first calculation.
    std::optional<Verdict> verdict;
    // Shown by the report's "details" and printed by recalc under keys of their own.
    CalcDetails details;
};

// Told by the calculation that it stops on a foreign peak, with the message IDS_NO_WATER of its texts. The
// dialog shows the message in a modal box; the calculation ends when the call returns. It must not throw.
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
    // Every message (the error list, the stop on a foreign peak, the role names in them) comes from texts.
    explicit WaterCalculator(TextSource texts) : texts_(texts) {}

    void bind(const SampleSet& sampleSet, FormValues& form, CalcResults& results, NoWaterReporter& reporter);
    // Writes form.water, form.errorText and all of results. Does nothing while unbound.
    void calculate();

private:
    TextSource texts_;
    const SampleSet* sampleSet_ = nullptr;
    FormValues* form_ = nullptr;
    CalcResults* results_ = nullptr;
    NoWaterReporter* reporter_ = nullptr;
};
