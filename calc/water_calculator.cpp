#include "calc/water_calculator.h"

#include "calc/sample_set.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace {

constexpr std::size_t kLevels = 4;

// Water content of calibration solution i is its factor divided by its solvent mass.
constexpr std::array<double, kLevels> kWaterFactors{0.998, 0.998, 1.996, 2.994};
constexpr std::array<double FormValues::*, kLevels> kSolventMass{&FormValues::m1, &FormValues::m2,
                                                                 &FormValues::m3, &FormValues::m4};
constexpr std::array<double CalcResults::*, kLevels> kMassCopy{&CalcResults::m1, &CalcResults::m2,
                                                               &CalcResults::m3, &CalcResults::m4};
constexpr std::array<double CalcResults::*, kLevels> kContent{&CalcResults::c1, &CalcResults::c2,
                                                              &CalcResults::c3, &CalcResults::c4};
constexpr std::array<double CalcResults::*, kLevels> kCoefficient{&CalcResults::k1, &CalcResults::k2,
                                                                  &CalcResults::k3, &CalcResults::k4};
constexpr std::array<double CalcResults::*, kLevels> kLevelSpread{&CalcResults::spread1, &CalcResults::spread2,
                                                                  &CalcResults::spread3, &CalcResults::spread4};

// The dried-extractant range starts from these, not from the first height: the method's own convention.
constexpr double kMinimumStart = 100000.0;
constexpr double kMaximumStart = 0.0;
constexpr double kQuarter = 0.25;
constexpr double kHalf = 0.5;
constexpr double kPercent = 100.0;

constexpr double kLevelLimit = 10.0;           // 11.1 4в
constexpr double kDryCalibrationLimit = 12.0;  // 11.1 4а
constexpr double kCoefficientLimit = 14.0;     // 11.2
constexpr double kDryAnalysisLimit = 10.0;     // 11.1 4б
constexpr double kSampleLimit = 10.0;          // 11.1 4г

constexpr std::array<std::wstring_view, kLevels> kLevelMessage{
    L"Проверка градуировочного раствора 1 не пройдена (11.1 4в)",
    L"Проверка градуировочного раствора 2 не пройдена (11.1 4в)",
    L"Проверка градуировочного раствора 3 не пройдена (11.1 4в)",
    L"Проверка градуировочного раствора 4 не пройдена (11.1 4в)",
};
constexpr std::wstring_view kDryCalibrationMessage =
    L"Проверка осушенного экстрагента в градуировке не пройдена (11.1 4а)";
constexpr std::wstring_view kCoefficientMessage =
    L"Проверка приемлемости градуировочного коэффициента не пройдена (11.2)";
constexpr std::wstring_view kDryAnalysisMessage = L"Проверка осушенного экстрагента в анализе не пройдена (11.1 4б)";
constexpr std::wstring_view kSampleMessage = L"Проверка воды в анализе не пройдена (11.1 4г)";

constexpr std::wstring_view kWaterName = L"вода";

// Water heights of the dried extractant in the calibration.
struct DriedCalibrationHeights {
    std::size_t count = 0;
    double sum = 0.0;
    double maximum = kMaximumStart;
    double minimum = kMinimumStart;
    double mean = 0.0;

    void add(double h)
    {
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

    void add(double h)
    {
        ++count;
        if (count == 2)
            difference = std::fabs(sum - h);
        sum = sum + h;
    }
};

// Water heights of the dried extractant or the sample in the analysis; the relative difference, in
// percent, is that of the first two injections.
struct AnalysisHeights {
    std::size_t count = 0;
    double sum = 0.0;
    double relativeDifference = 0.0;

    void add(double h)
    {
        ++count;
        if (count == 2)
            relativeDifference = std::fabs(sum - h) / ((h + sum) * kHalf) * kPercent;
        sum = sum + h;
    }
};

struct Accumulators {
    DriedCalibrationHeights driedCalibration;
    std::array<LevelHeights, kLevels> levels;
    AnalysisHeights driedAnalysis;
    AnalysisHeights analysis;

    void add(AssayRole role, double h)
    {
        switch (role) {
        case AssayRole::DriedCalibration: driedCalibration.add(h); return;
        case AssayRole::Calibration1: levels[0].add(h); return;
        case AssayRole::Calibration2: levels[1].add(h); return;
        case AssayRole::Calibration3: levels[2].add(h); return;
        case AssayRole::Calibration4: levels[3].add(h); return;
        case AssayRole::DriedAnalysis: driedAnalysis.add(h); return;
        case AssayRole::Analysis: analysis.add(h); return;
        }
    }
};

// Only the Latin letters A to Z fold: Cyrillic must match exactly, so "Вода" is not water.
wchar_t FoldLatin(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool IsWater(std::wstring_view name)
{
    return std::equal(name.begin(), name.end(), kWaterName.begin(), kWaterName.end(),
                      [](wchar_t a, wchar_t b) { return FoldLatin(a) == FoldLatin(b); });
}

// Adds every water height of the set to its role's accumulator. Answers false at the first named peak
// that is not water, where the calculation has to stop.
bool CollectWaterHeights(const SampleSet& sampleSet, Accumulators& heights)
{
    for (const AssayEntry& entry : sampleSet) {
        for (const PeakRecord& peak : entry.peaks) {
            if (peak.name.empty())
                continue;
            if (!IsWater(peak.name))
                return false;
            heights.add(entry.role, peak.height);
        }
    }
    return true;
}

void AppendMessage(std::wstring& errorText, std::wstring_view message)
{
    errorText += message;
    errorText += L"\r\n";
}

} // namespace

void WaterCalculator::bind(const SampleSet& sampleSet, FormValues& form, CalcResults& results,
                           NoWaterReporter& reporter)
{
    sampleSet_ = &sampleSet;
    form_ = &form;
    results_ = &results;
    reporter_ = &reporter;
}

void WaterCalculator::calculate()
{
    if (sampleSet_ == nullptr)
        return;
    FormValues& form = *form_;
    CalcResults& results = *results_;

    results = CalcResults{};
    for (std::size_t i = 0; i < kLevels; ++i) {
        const double mass = form.*kSolventMass[i];
        if (mass > 0.0)
            results.*kContent[i] = kWaterFactors[i] / mass;
        results.*kMassCopy[i] = mass;
    }

    Accumulators heights;
    if (!CollectWaterHeights(*sampleSet_, heights)) {
        // The form keeps the previous water value and messages; the results keep only the masses and
        // water contents set above.
        reporter_->reportNoWater(kNoWaterMessage);
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

    form.errorText.clear();
    for (std::size_t i = 0; i < kLevels; ++i) {
        if (results.*kLevelSpread[i] > kLevelLimit)
            AppendMessage(form.errorText, kLevelMessage[i]);
    }

    const DriedCalibrationHeights& dried = heights.driedCalibration;
    results.drySpread = (dried.maximum - dried.minimum) / blank * kPercent;
    if (results.drySpread > kDryCalibrationLimit)
        AppendMessage(form.errorText, kDryCalibrationMessage);

    const double largest = std::max({results.k1, results.k2, results.k3, results.k4});
    const double smallest = std::min({results.k1, results.k2, results.k3, results.k4});
    results.kSpread = (largest - smallest) / results.kMean * kPercent;
    if (results.kSpread > kCoefficientLimit)
        AppendMessage(form.errorText, kCoefficientMessage);

    if (form.sampleMass > 0.0) {
        form.water = ((results.kMean * form.portionMass) / form.sampleMass) *
                     (kHalf * heights.analysis.sum - kHalf * heights.driedAnalysis.sum);
    }
    results.water = form.water;

    results.dryAnalysisSpread = heights.driedAnalysis.relativeDifference;
    results.waterSpread = heights.analysis.relativeDifference;
    if (results.dryAnalysisSpread > kDryAnalysisLimit)
        AppendMessage(form.errorText, kDryAnalysisMessage);
    if (results.waterSpread > kSampleLimit)
        AppendMessage(form.errorText, kSampleMessage);

    results.portionMass = form.portionMass;
    results.sampleMass = form.sampleMass;
    results.errorText = form.errorText;
}
