#include "calc/water_calculator.h"

#include "calc/calc_messages.h"
#include "calc/sample_set.h"
#include "strings/format_text.h"
#include "strings/string_ids.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kLevels = 4;

// Water content of calibration solution i is its factor divided by its solvent mass.
constexpr std::array<double, kLevels> kWaterFactors{0.998, 0.998, 1.996, 2.994};
constexpr std::array<double FormValues::*, kLevels> kSolventMass{&FormValues::m1, &FormValues::m2, &FormValues::m3,
                                                                 &FormValues::m4};
constexpr std::array<double CalcResults::*, kLevels> kMassCopy{&CalcResults::m1, &CalcResults::m2, &CalcResults::m3,
                                                               &CalcResults::m4};
constexpr std::array<double CalcResults::*, kLevels> kContent{&CalcResults::c1, &CalcResults::c2, &CalcResults::c3,
                                                              &CalcResults::c4};
constexpr std::array<double CalcResults::*, kLevels> kCoefficient{&CalcResults::k1, &CalcResults::k2, &CalcResults::k3,
                                                                  &CalcResults::k4};
constexpr std::array<double CalcResults::*, kLevels> kLevelSpread{&CalcResults::spread1, &CalcResults::spread2,
                                                                  &CalcResults::spread3, &CalcResults::spread4};

// The dried-extractant range: the maximum starts from zero, as the method has it; the minimum from the first
// height (a fixed start of 100000 would measure larger heights from a minimum they never had).
constexpr double kMinimumStart = std::numeric_limits<double>::infinity();
constexpr double kMaximumStart = 0.0;
constexpr double kNotComputed = std::numeric_limits<double>::quiet_NaN();
constexpr double kQuarter = 0.25;
constexpr double kHalf = 0.5;
constexpr std::size_t kRoles = 7;
constexpr double kPercent = 100.0;

// The checks in the order of their messages: 4в of solutions 1 to 4, 4а, 11.2, 4б, 4г.
constexpr std::size_t kChecks = 8;
constexpr std::array<double, kChecks> kLimits{10.0, 10.0, 10.0, 10.0, 12.0, 14.0, 10.0, 10.0};
static_assert(calcmessages::kChecks.size() == kChecks);

constexpr std::wstring_view kWaterName = L"вода";

// Water heights of the dried extractant in the calibration.
struct DriedCalibrationHeights {
    std::size_t count = 0;
    double sum = 0.0;
    double maximum = kMaximumStart;
    double minimum = kMinimumStart;
    double mean = 0.0;

    void add(double h) {
        maximum = std::max(maximum, h);
        minimum = std::min(minimum, h);
        sum = sum + h;
        ++count;
        mean = sum / static_cast<double>(count);
    }
};

// Water heights of one calibration solution; the difference is that of its first two injections.
struct LevelHeights {
    std::size_t count = 0;
    double sum = 0.0;
    double difference = 0.0;

    void add(double h) {
        ++count;
        if (count == 2) difference = std::fabs(sum - h);
        sum = sum + h;
    }
};

// Water heights of the dried extractant or the sample in the analysis; the relative difference, in
// percent, is that of the first two injections.
struct AnalysisHeights {
    std::size_t count = 0;
    double sum = 0.0;
    double relativeDifference = 0.0;

    // The heights enter the water value as their mean; a role with none contributes nothing.
    double mean() const { return count == 0 ? 0.0 : sum / static_cast<double>(count); }

    void add(double h) {
        ++count;
        if (count == 2) relativeDifference = std::fabs(sum - h) / ((h + sum) * kHalf) * kPercent;
        sum = sum + h;
    }
};

struct Accumulators {
    DriedCalibrationHeights driedCalibration;
    std::array<LevelHeights, kLevels> levels;
    AnalysisHeights driedAnalysis;
    AnalysisHeights analysis;

    // Water peaks counted per role, in role order.
    std::array<std::size_t, kRoles> counts{};

    void add(AssayRole role, double h) {
        ++counts[static_cast<std::size_t>(role)];
        switch (role) {
        case AssayRole::DriedCalibration:
            driedCalibration.add(h);
            return;
        case AssayRole::Calibration1:
            levels[0].add(h);
            return;
        case AssayRole::Calibration2:
            levels[1].add(h);
            return;
        case AssayRole::Calibration3:
            levels[2].add(h);
            return;
        case AssayRole::Calibration4:
            levels[3].add(h);
            return;
        case AssayRole::DriedAnalysis:
            driedAnalysis.add(h);
            return;
        case AssayRole::Analysis:
            analysis.add(h);
            return;
        }
    }
};

// Only the Latin letters A to Z fold: Cyrillic must match exactly, so "Вода" is not water.
wchar_t FoldLatin(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool IsWater(std::wstring_view name) {
    return std::equal(name.begin(), name.end(), kWaterName.begin(), kWaterName.end(),
                      [](wchar_t a, wchar_t b) { return FoldLatin(a) == FoldLatin(b); });
}

// Appends one line and its line end.
void AppendMessage(std::wstring& errorText, std::wstring_view line) {
    errorText += line;
    errorText += L"\r\n";
}

// Adds every water height of the set to its role's accumulator. Answers the line that names the first named
// peak that is not water, where the calculation has to stop; an empty text when there is none.
std::wstring CollectWaterHeights(const SampleSet& sampleSet, Accumulators& heights,
                                 std::vector<InjectionDetails>& injections, TextSource texts) {
    for (const AssayEntry& entry : sampleSet) {
        InjectionDetails& taken = injections.emplace_back();
        for (const PeakRecord& peak : entry.peaks) {
            if (peak.name.empty()) continue;
            if (!IsWater(peak.name)) {
                std::wstring_view file = entry.filename;
                if (const std::size_t slash = file.find_last_of(L"\\/"); slash != std::wstring_view::npos)
                    file.remove_prefix(slash + 1);
                std::wstring line;
                AppendMessage(line, FormatText(texts(IDS_STOPPED), {peak.name, file}));
                return line;
            }
            heights.add(entry.role, peak.height);
            taken.heights.push_back(peak.height);
        }
    }
    return {};
}

bool Positive(double mass) {
    return mass > 0.0;
}

// Appends a line for every reason the water value is not computed or stands on an incomplete set: masses
// that are not above zero, roles whose water peaks are not the count the method needs, chromatograms whose
// sample name gave them no role. Answers whether the water value can be computed.
bool AppendCompleteness(const SampleSet& sampleSet, const FormValues& form, const Accumulators& heights,
                        TextSource texts, std::wstring& errorText) {
    bool computable = true;
    for (std::size_t i = 0; i < kLevels; ++i) {
        if (!Positive(form.*kSolventMass[i])) {
            AppendMessage(errorText, texts(calcmessages::kSolventMass[i]));
            computable = false;
        }
    }
    if (!Positive(form.portionMass)) {
        AppendMessage(errorText, texts(IDS_PORTION_MASS));
        computable = false;
    }
    if (!Positive(form.sampleMass)) {
        AppendMessage(errorText, texts(IDS_SAMPLE_MASS));
        computable = false;
    }
    for (std::size_t role = 0; role < kRoles; ++role) {
        const std::size_t count = heights.counts[role];
        const bool blank = role == static_cast<std::size_t>(AssayRole::DriedCalibration);
        if (blank ? count >= 1 : count == 2) continue;
        AppendMessage(errorText, FormatText(texts(blank ? IDS_INCOMPLETE_AT_LEAST_ONE : IDS_INCOMPLETE_TWO),
                                            {RoleText(static_cast<AssayRole>(role), texts), std::to_wstring(count)}));
    }
    // A level or the sample without a height leaves nothing to compute with; a missing blank only
    // leaves the blank out, as the method's own example does.
    for (const LevelHeights& level : heights.levels) computable = computable && level.count > 0;
    computable = computable && heights.analysis.count > 0;
    for (const AssayEntry& entry : sampleSet) {
        if (!HasRoleRule(entry.sample)) {
            AppendMessage(errorText, FormatText(texts(IDS_ROLE_NOT_MATCHED),
                                                {entry.sample, RoleText(AssayRole::DriedCalibration, texts)}));
        }
    }
    return computable;
}

// Whether the set held what each check compares: two injections of a level, of the dried extractant or the
// sample in the analysis; one of the dried extractant in the calibration; the coefficients need every level,
// the blank and all four solvent masses.
std::array<bool, kChecks> ChecksMeasured(const FormValues& form, const Accumulators& heights) {
    const auto& counts = heights.counts;
    const auto count = [&counts](AssayRole role) { return counts[static_cast<std::size_t>(role)]; };
    bool coefficients = count(AssayRole::DriedCalibration) >= 1;
    for (std::size_t i = 0; i < kLevels; ++i)
        coefficients = coefficients && heights.levels[i].count >= 1 && Positive(form.*kSolventMass[i]);
    return {heights.levels[0].count >= 2,
            heights.levels[1].count >= 2,
            heights.levels[2].count >= 2,
            heights.levels[3].count >= 2,
            count(AssayRole::DriedCalibration) >= 1,
            coefficients,
            count(AssayRole::DriedAnalysis) >= 2,
            count(AssayRole::Analysis) >= 2};
}

double Deviation(double k, double kMean) {
    if (std::isnan(k) || std::isnan(kMean)) return kNotComputed;
    return (k - kMean) / kMean * kPercent;
}

// Where the sample's net height lies against the heights the calibration covers.
void FillRange(CalcDetails& details, const Accumulators& heights) {
    details.net = heights.analysis.count == 0 ? kNotComputed : details.analysisHeight - details.analysisBlank;
    details.low = std::numeric_limits<double>::infinity();
    details.high = -std::numeric_limits<double>::infinity();
    for (LevelDetails& level : details.levels) {
        level.deviation = Deviation(level.coefficient, details.kMean);
        const double above = level.height - details.blank;
        details.low = std::isnan(above) ? above : std::min(details.low, above);
        details.high = std::isnan(above) ? above : std::max(details.high, above);
    }
    if (!std::isnan(details.net) && !std::isnan(details.low) && !std::isnan(details.high))
        details.inRange = details.low <= details.net && details.net <= details.high;
}

}  // namespace

void WaterCalculator::bind(const SampleSet& sampleSet, FormValues& form, CalcResults& results,
                           NoWaterReporter& reporter) {
    sampleSet_ = &sampleSet;
    form_ = &form;
    results_ = &results;
    reporter_ = &reporter;
}

void WaterCalculator::calculate() {
    if (sampleSet_ == nullptr) return;
    FormValues& form = *form_;
    CalcResults& results = *results_;

    results = CalcResults{};
    for (std::size_t i = 0; i < kLevels; ++i) {
        const double mass = form.*kSolventMass[i];
        if (mass > 0.0) results.*kContent[i] = kWaterFactors[i] / mass;
        results.*kMassCopy[i] = mass;
    }

    Accumulators heights;
    std::vector<InjectionDetails> injections;
    if (const std::wstring stop = CollectWaterHeights(*sampleSet_, heights, injections, texts_); !stop.empty()) {
        // Nothing of an earlier calculation may stand beside this one: the water is not computed and the one
        // line says why; the results keep only the masses and water contents set above.
        reporter_->reportNoWater(texts_(IDS_NO_WATER));
        form.water = kNotComputed;
        form.errorText = stop;
        results.water = form.water;
        results.errorText = form.errorText;
        return;
    }

    const double blank = heights.driedCalibration.mean;
    std::array<double, kLevels> levelMean{};
    for (std::size_t i = 0; i < kLevels; ++i) {
        const LevelHeights& level = heights.levels[i];
        levelMean[i] = level.sum / static_cast<double>(level.count);
        results.*kCoefficient[i] = results.*kContent[i] / (levelMean[i] - blank);
    }
    results.kMean = (results.k1 + results.k2 + results.k3 + results.k4) * kQuarter;
    for (std::size_t i = 0; i < kLevels; ++i)
        results.*kLevelSpread[i] = heights.levels[i].difference / levelMean[i] * kPercent;

    const DriedCalibrationHeights& dried = heights.driedCalibration;
    results.drySpread = (dried.maximum - dried.minimum) / blank * kPercent;
    const double largest = std::max({results.k1, results.k2, results.k3, results.k4});
    const double smallest = std::min({results.k1, results.k2, results.k3, results.k4});
    results.kSpread = (largest - smallest) / results.kMean * kPercent;
    results.dryAnalysisSpread = heights.driedAnalysis.relativeDifference;
    results.waterSpread = heights.analysis.relativeDifference;

    const std::array<double, kChecks> values{results.spread1,           results.spread2,    results.spread3,
                                             results.spread4,           results.drySpread,  results.kSpread,
                                             results.dryAnalysisSpread, results.waterSpread};
    const std::array<bool, kChecks> measured = ChecksMeasured(form, heights);
    CalcDetails& details = results.details;
    form.errorText.clear();
    for (std::size_t i = 0; i < kChecks; ++i) {
        // A value that is not a number exceeds nothing: no message, and the check is not judged either.
        const bool exceeded = values[i] > kLimits[i];
        if (exceeded) AppendMessage(form.errorText, calcmessages::CheckFailedText(i, texts_));
        details.checks[i] = {values[i], kLimits[i], measured[i] && std::isfinite(values[i]), !exceeded};
    }
    details.blank = blank;
    details.kMean = results.kMean;
    for (std::size_t i = 0; i < kLevels; ++i) {
        details.levels[i] = {results.*kMassCopy[i], results.*kContent[i], levelMean[i], results.*kCoefficient[i],
                             heights.levels[i].count};
    }
    details.analysisBlank = heights.driedAnalysis.mean();
    details.analysisHeight = heights.analysis.mean();
    details.injections = std::move(injections);
    FillRange(details, heights);
    details.complete = true;

    // For two injections the mean is the method's half of their sum, to the last bit.
    form.water = kNotComputed;
    if (AppendCompleteness(*sampleSet_, form, heights, texts_, form.errorText)) {
        form.water = ((results.kMean * form.portionMass) / form.sampleMass) *
                     (heights.analysis.mean() - heights.driedAnalysis.mean());
    }
    results.water = form.water;

    results.portionMass = form.portionMass;
    results.sampleMass = form.sampleMass;
    results.errorText = form.errorText;
}
