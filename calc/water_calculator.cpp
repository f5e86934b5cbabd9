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
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kLevels = 4;

// Water content of calibration solution i is its factor divided by its solvent mass.
constexpr std::array<double, kLevels> kWaterFactors{0.998, 0.998, 1.996, 2.994};

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

// A mass the method can divide by, and a height or coefficient a check can measure against.
bool FinitePositive(double value) {
    return std::isfinite(value) && value > 0.0;
}

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

// One calibration solution: its mass and content, its water heights (the difference is that of the first
// two injections) and what the calculation derives from them.
struct Level {
    double mass = 0.0;
    double content = kNotComputed;
    std::size_t count = 0;
    double sum = 0.0;
    double difference = 0.0;
    double mean = 0.0;
    double coefficient = 0.0;
    double spread = 0.0;

    void add(double h) {
        ++count;
        if (count == 2) difference = std::fabs(sum - h);
        sum = sum + h;
    }
};
using Levels = std::array<Level, kLevels>;

// Water heights of the dried extractant or the sample in the analysis; the relative difference, in
// percent, is that of the first two injections, measured against their mean.
struct AnalysisHeights {
    std::size_t count = 0;
    double sum = 0.0;
    double firstTwoMean = 0.0;
    double relativeDifference = 0.0;

    // The heights enter the water value as their mean; a role with none contributes nothing.
    double mean() const { return count == 0 ? 0.0 : sum / static_cast<double>(count); }

    void add(double h) {
        ++count;
        if (count == 2) {
            firstTwoMean = (h + sum) * kHalf;
            relativeDifference = std::fabs(sum - h) / firstTwoMean * kPercent;
        }
        sum = sum + h;
    }
};

// Everything the calculation works on: the levels with their masses, the heights of every role.
struct Determination {
    DriedCalibrationHeights driedCalibration;
    Levels levels;
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
        case AssayRole::Calibration2:
        case AssayRole::Calibration3:
        case AssayRole::Calibration4:
            levels[static_cast<std::size_t>(role) - 1].add(h);
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

// The masses typed for the four solutions and the water contents valid masses give.
Determination StartDetermination(const FormValues& form) {
    Determination d;
    const std::array<double, kLevels> masses{form.m1, form.m2, form.m3, form.m4};
    for (std::size_t i = 0; i < kLevels; ++i) {
        d.levels[i].mass = masses[i];
        if (FinitePositive(masses[i])) d.levels[i].content = kWaterFactors[i] / masses[i];
    }
    return d;
}

// One member of each level, in level order, to be written out to the four numbered fields of CalcResults.
std::tuple<double, double, double, double> Each(const Levels& levels, double Level::*member) {
    return {levels[0].*member, levels[1].*member, levels[2].*member, levels[3].*member};
}

void WriteLevels(const Levels& levels, CalcResults& results) {
    std::tie(results.m1, results.m2, results.m3, results.m4) = Each(levels, &Level::mass);
    std::tie(results.c1, results.c2, results.c3, results.c4) = Each(levels, &Level::content);
    std::tie(results.k1, results.k2, results.k3, results.k4) = Each(levels, &Level::coefficient);
    std::tie(results.spread1, results.spread2, results.spread3, results.spread4) = Each(levels, &Level::spread);
}

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

// The line that names a peak that is not water and the chromatogram (file name only) that holds it.
std::wstring StopLine(const AssayEntry& entry, const PeakRecord& peak, TextSource texts) {
    std::wstring_view file = entry.filename;
    if (const std::size_t slash = file.find_last_of(L"\\/"); slash != std::wstring_view::npos)
        file.remove_prefix(slash + 1);
    std::wstring line;
    AppendMessage(line, FormatText(texts(IDS_STOPPED), {peak.name, file}));
    return line;
}

// Adds every water height of the set to its role, noting per chromatogram the heights taken. Answers the line
// that names the first named peak that is not water, where the calculation has to stop; empty when none.
std::wstring CollectWaterHeights(const SampleSet& sampleSet, Determination& determination,
                                 std::vector<InjectionDetails>& injections, TextSource texts) {
    for (const AssayEntry& entry : sampleSet) {
        InjectionDetails& taken = injections.emplace_back();
        for (const PeakRecord& peak : entry.peaks) {
            if (peak.name.empty()) continue;
            if (!IsWater(peak.name)) return StopLine(entry, peak, texts);
            determination.add(entry.role, peak.height);
            taken.heights.push_back(peak.height);
        }
    }
    return {};
}

// Level means, coefficients and spreads, their mean and range, and the other roles' spreads.
void ComputeCalibration(Determination& d, CalcResults& results) {
    const double blank = d.driedCalibration.mean;
    for (Level& level : d.levels) {
        level.mean = level.sum / static_cast<double>(level.count);
        level.coefficient = level.content / (level.mean - blank);
        level.spread = level.difference / level.mean * kPercent;
    }
    WriteLevels(d.levels, results);
    results.kMean = (results.k1 + results.k2 + results.k3 + results.k4) * kQuarter;
    const DriedCalibrationHeights& dried = d.driedCalibration;
    results.drySpread = (dried.maximum - dried.minimum) / blank * kPercent;
    const double largest = std::max({results.k1, results.k2, results.k3, results.k4});
    const double smallest = std::min({results.k1, results.k2, results.k3, results.k4});
    results.kSpread = (largest - smallest) / results.kMean * kPercent;
    results.dryAnalysisSpread = d.driedAnalysis.relativeDifference;
    results.waterSpread = d.analysis.relativeDifference;
}

// Whether each check's value was computed from what the method needs: two heights of the role whose mean (of
// the first two, in the analysis) is a finite number above zero; four such coefficients for their range.
std::array<bool, kChecks> ChecksJudged(const Determination& d) {
    std::array<bool, kChecks> judged{};
    bool coefficients = true;
    for (std::size_t i = 0; i < kLevels; ++i) {
        const Level& level = d.levels[i];
        judged[i] = level.count >= 2 && FinitePositive(level.mean);
        coefficients = coefficients && FinitePositive(level.coefficient);
    }
    judged[4] = d.driedCalibration.count >= 2 && FinitePositive(d.driedCalibration.mean);
    judged[5] = coefficients;
    judged[6] = d.driedAnalysis.count >= 2 && FinitePositive(d.driedAnalysis.firstTwoMean);
    judged[7] = d.analysis.count >= 2 && FinitePositive(d.analysis.firstTwoMean);
    return judged;
}

// Each check's one outcome, and the error list's line for every judged check that failed.
void JudgeChecks(const Determination& d, const CalcResults& r, CalcDetails& details, std::wstring& errorText,
                 TextSource texts) {
    const std::array<double, kChecks> values{r.spread1,   r.spread2, r.spread3,           r.spread4,
                                             r.drySpread, r.kSpread, r.dryAnalysisSpread, r.waterSpread};
    const std::array<bool, kChecks> judged = ChecksJudged(d);
    for (std::size_t i = 0; i < kChecks; ++i) {
        CheckOutcome& check = details.checks[i];
        check = {kNotComputed, kLimits[i], CheckResult::NotJudged};
        if (!judged[i]) continue;
        check.value = values[i];
        check.result = values[i] > kLimits[i] ? CheckResult::Failed : CheckResult::Passed;
        if (check.result == CheckResult::Failed) AppendMessage(errorText, calcmessages::CheckFailedText(i, texts));
    }
}

// A line for every mass that is not a finite number above zero. Answers whether all six are.
bool AppendMassLines(const FormValues& form, TextSource texts, std::wstring& errorText) {
    const std::array<std::pair<double, unsigned>, 6> masses{{{form.m1, calcmessages::kSolventMass[0]},
                                                             {form.m2, calcmessages::kSolventMass[1]},
                                                             {form.m3, calcmessages::kSolventMass[2]},
                                                             {form.m4, calcmessages::kSolventMass[3]},
                                                             {form.portionMass, IDS_PORTION_MASS},
                                                             {form.sampleMass, IDS_SAMPLE_MASS}}};
    bool valid = true;
    for (const auto& [mass, text] : masses) {
        if (FinitePositive(mass)) continue;
        AppendMessage(errorText, texts(text));
        valid = false;
    }
    return valid;
}

// A line for every role whose water peaks are not the count the method needs (two; at least two for the
// calibration blank, whose range compares two or more), and for every chromatogram no sample rule gave a role.
void AppendSetLines(const SampleSet& sampleSet, const Determination& d, TextSource texts, std::wstring& errorText) {
    for (std::size_t role = 0; role < kRoles; ++role) {
        const std::size_t count = d.counts[role];
        const bool blank = role == static_cast<std::size_t>(AssayRole::DriedCalibration);
        if (blank ? count >= 2 : count == 2) continue;
        AppendMessage(errorText, FormatText(texts(blank ? IDS_INCOMPLETE_AT_LEAST_TWO : IDS_INCOMPLETE_TWO),
                                            {RoleText(static_cast<AssayRole>(role), texts), std::to_wstring(count)}));
    }
    for (const AssayEntry& entry : sampleSet) {
        if (HasRoleRule(entry.sample)) continue;
        AppendMessage(errorText, FormatText(texts(IDS_ROLE_NOT_MATCHED),
                                            {entry.sample, RoleText(AssayRole::DriedCalibration, texts)}));
    }
}

// A line for every level and for the sample whose water stands no higher than its blank: their heights above
// it would give a coefficient or a water value of the wrong sign. Answers whether none does.
bool AppendHeightLines(const Determination& d, TextSource texts, std::wstring& errorText) {
    bool above = true;
    for (std::size_t i = 0; i < kLevels; ++i) {
        const Level& level = d.levels[i];
        if (level.count == 0 || level.mean > d.driedCalibration.mean) continue;
        AppendMessage(errorText, FormatText(texts(IDS_LEVEL_NOT_ABOVE_BLANK), {std::to_wstring(i + 1)}));
        above = false;
    }
    if (d.analysis.count > 0 && !(d.analysis.mean() > d.driedAnalysis.mean())) {
        AppendMessage(errorText, texts(IDS_SAMPLE_NOT_ABOVE_BLANK));
        above = false;
    }
    return above;
}

// The water value, or NaN with the lines that say why. A missing blank only leaves the blank out, as the
// method's own example does; a level or the sample without a height leaves nothing to compute with.
double ComputeWater(const SampleSet& sampleSet, const Determination& d, const FormValues& form, double kMean,
                    TextSource texts, std::wstring& errorText) {
    bool computable = AppendMassLines(form, texts, errorText);
    AppendSetLines(sampleSet, d, texts, errorText);
    computable = AppendHeightLines(d, texts, errorText) && computable;
    for (const Level& level : d.levels) computable = computable && level.count > 0;
    computable = computable && d.analysis.count > 0;
    if (!computable) return kNotComputed;
    // For two injections the mean is the method's half of their sum, to the last bit.
    const double water = ((kMean * form.portionMass) / form.sampleMass) * (d.analysis.mean() - d.driedAnalysis.mean());
    if (FinitePositive(water)) return water;
    AppendMessage(errorText, texts(IDS_WATER_NOT_COMPUTED));
    return kNotComputed;
}

Verdict Decide(const CalcDetails& details, double water, const std::wstring& errorText) {
    const auto any = [&details](CheckResult result) {
        return std::any_of(details.checks.begin(), details.checks.end(),
                           [result](const CheckOutcome& check) { return check.result == result; });
    };
    if (any(CheckResult::Failed)) return Verdict::Failed;
    if (std::isnan(water) || any(CheckResult::NotJudged) || !errorText.empty()) return Verdict::Incomplete;
    return Verdict::Passed;
}

double Deviation(double k, double kMean) {
    if (std::isnan(k) || std::isnan(kMean)) return kNotComputed;
    return (k - kMean) / kMean * kPercent;
}

// Where the sample's net height lies against the heights the calibration covers.
void FillRange(CalcDetails& details, const Determination& d) {
    details.net = d.analysis.count == 0 ? kNotComputed : details.analysisHeight - details.analysisBlank;
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

// The calibration and analysis as the report shows them beside the checks.
void FillDetails(const Determination& d, double kMean, std::vector<InjectionDetails> injections, CalcDetails& details) {
    details.blank = d.driedCalibration.mean;
    details.kMean = kMean;
    for (std::size_t i = 0; i < kLevels; ++i) {
        const Level& level = d.levels[i];
        details.levels[i] = {level.mass, level.content, level.mean, level.coefficient, level.count, 0.0};
    }
    details.analysisBlank = d.driedAnalysis.mean();
    details.analysisHeight = d.analysis.mean();
    details.injections = std::move(injections);
    FillRange(details, d);
    details.complete = true;
}

}  // namespace

std::wstring_view VerdictName(Verdict verdict) {
    switch (verdict) {
    case Verdict::Passed:
        return L"passed";
    case Verdict::Failed:
        return L"failed";
    case Verdict::Incomplete:
        break;
    }
    return L"incomplete";
}

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
    results.portionMass = form.portionMass;
    results.sampleMass = form.sampleMass;
    Determination determination = StartDetermination(form);
    std::vector<InjectionDetails> injections;
    std::wstring errorText = CollectWaterHeights(*sampleSet_, determination, injections, texts_);
    if (!errorText.empty()) {
        // Nothing of an earlier calculation may stand beside this one: the water is not computed and the one
        // line says why; the results keep only the masses typed and the water contents.
        reporter_->reportNoWater(texts_(IDS_NO_WATER));
        WriteLevels(determination.levels, results);
        results.water = kNotComputed;
        results.verdict = Verdict::Incomplete;
    } else {
        ComputeCalibration(determination, results);
        JudgeChecks(determination, results, results.details, errorText, texts_);
        results.water = ComputeWater(*sampleSet_, determination, form, results.kMean, texts_, errorText);
        FillDetails(determination, results.kMean, std::move(injections), results.details);
        results.verdict = Decide(results.details, results.water, errorText);
    }
    form.water = results.water;
    form.errorText = errorText;
    results.errorText = std::move(errorText);
}
