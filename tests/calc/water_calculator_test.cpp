#include "tests/calc/calc_fixture.h"

#include <cmath>
#include <limits>

namespace {

using namespace calctest;
using R = AssayRole;

constexpr double kInf = std::numeric_limits<double>::infinity();

// The determination of the method's worked example: no dried extractant in the calibration, masses 10,
// two equal injections per level, sample 10 and 10, dried extractant in the analysis 2 and 2.
std::vector<Injection> WorkedExample()
{
    return {{R::Calibration1, 0.0998}, {R::Calibration1, 0.0998}, {R::Calibration2, 0.0998},
            {R::Calibration2, 0.0998}, {R::Calibration3, 0.1996}, {R::Calibration3, 0.1996},
            {R::Calibration4, 0.2994}, {R::Calibration4, 0.2994}, {R::Analysis, 10.0},
            {R::Analysis, 10.0},       {R::DriedAnalysis, 2.0},   {R::DriedAnalysis, 2.0}};
}

// A determination in which every check fails, the sample with a third injection.
std::vector<Injection> AllChecksFailing()
{
    return {{R::DriedCalibration, 5.0}, {R::DriedCalibration, 5.7}, {R::Calibration1, 100.0},
            {R::Calibration1, 112.0},   {R::Calibration2, 50.3},    {R::Calibration2, 61.9},
            {R::Calibration3, 80.0},    {R::Calibration3, 99.0},    {R::Calibration4, 140.0},
            {R::Calibration4, 120.0},   {R::DriedAnalysis, 3.0},    {R::DriedAnalysis, 3.9},
            {R::Analysis, 200.0},       {R::Analysis, 224.0},       {R::Analysis, 231.5}};
}

std::wstring AllMessages()
{
    std::wstring all;
    for (const wchar_t* message : kMessages)
        all += message;
    return all;
}

TEST(WaterCalculator, WorkedExampleGivesFour)
{
    FormValues form = Masses(10, 10, 10, 10, 2, 4);
    form.errorText = L"прежнее\r\n";
    const Outcome out = Calculate(MakeSet(WorkedExample()), form);
    const CalcResults& r = out.results;
    EXPECT_EQ(Bits(r.c1), Bits(0.0998));
    EXPECT_EQ(Bits(r.c3), Bits(0.1996));
    EXPECT_EQ(Bits(r.c4), Bits(0.2994));
    for (double k : {r.k1, r.k2, r.k3, r.k4, r.kMean})
        EXPECT_EQ(Bits(k), Bits(1.0));
    for (double zero : {r.spread1, r.spread2, r.spread3, r.spread4, r.kSpread, r.dryAnalysisSpread, r.waterSpread})
        EXPECT_EQ(Bits(zero), Bits(0.0));
    // Without dried-extractant heights the range is taken from the starting minimum over a zero mean.
    EXPECT_EQ(Bits(r.drySpread), Bits(-kInf));
    EXPECT_EQ(Bits(out.form.water), Bits(4.0));
    EXPECT_EQ(Bits(r.water), Bits(4.0));
    EXPECT_EQ(Bits(r.m2), Bits(10.0));
    EXPECT_EQ(Bits(r.portionMass), Bits(2.0));
    EXPECT_EQ(Bits(r.sampleMass), Bits(4.0));
    EXPECT_EQ(out.form.errorText, L"");
    EXPECT_EQ(r.errorText, L"");
    EXPECT_TRUE(out.stops.empty());
}

struct ThresholdCase {
    const char* what;
    std::vector<Injection> injections;
    double CalcResults::* value;
    double expected;
    const wchar_t* message; // nullptr: the check passes
};

std::vector<ThresholdCase> ThresholdCases()
{
    std::vector<ThresholdCase> cases;
    const R levels[] = {R::Calibration1, R::Calibration2, R::Calibration3, R::Calibration4};
    double CalcResults::* const spreads[] = {&CalcResults::spread1, &CalcResults::spread2, &CalcResults::spread3,
                                             &CalcResults::spread4};
    for (int i = 0; i < 4; ++i) {
        cases.push_back({"level at 10", {{levels[i], 95.0}, {levels[i], 105.0}}, spreads[i], 10.0, nullptr});
        cases.push_back({"level above 10", {{levels[i], 94.99}, {levels[i], 105.0}}, spreads[i],
                         10.010500525026256, kMessages[i]});
    }
    const double h3 = 1.996; // with m3 = 1 the coefficient of level 3 is 1
    const double h4 = 2.994;
    auto coefficients = [&](double h1) {
        return std::vector<Injection>{{R::Calibration1, h1},     {R::Calibration1, h1},
                                      {R::Calibration2, 0.9327102803738317}, {R::Calibration2, 0.9327102803738317},
                                      {R::Calibration3, h3},     {R::Calibration3, h3},
                                      {R::Calibration4, h4},     {R::Calibration4, h4}};
    };
    const std::vector<ThresholdCase> fixed = {
        {"level 100/110", {{R::Calibration1, 100.0}, {R::Calibration1, 110.0}}, &CalcResults::spread1,
         9.523809523809524, nullptr},
        {"level 100/112", {{R::Calibration1, 100.0}, {R::Calibration1, 112.0}}, &CalcResults::spread1,
         11.320754716981133, kMessages[0]},
        {"dried at 12", {{R::DriedCalibration, 94.0}, {R::DriedCalibration, 106.0}}, &CalcResults::drySpread, 12.0,
         nullptr},
        {"dried above 12", {{R::DriedCalibration, 94.0}, {R::DriedCalibration, 106.01}}, &CalcResults::drySpread,
         12.009399530023504, kMessages[4]},
        {"dried 5/5.6/5.3",
         {{R::DriedCalibration, 5.0}, {R::DriedCalibration, 5.6}, {R::DriedCalibration, 5.3}},
         &CalcResults::drySpread, 11.320754716981126, nullptr},
        {"dried 5/5.7", {{R::DriedCalibration, 5.0}, {R::DriedCalibration, 5.7}}, &CalcResults::drySpread,
         13.084112149532714, kMessages[4]},
        {"dried above the starting minimum", {{R::DriedCalibration, 200000.0}, {R::DriedCalibration, 300000.0}},
         &CalcResults::drySpread, 80.0, kMessages[4]},
        // No double gives exactly 14 here: 0.93, 1.07, 1, 1 land one step above, and fail.
        {"coefficients just below 14", coefficients(1.0731182795698921), &CalcResults::kSpread, 13.999999999999979,
         nullptr},
        {"coefficients 0.93/1.07/1/1", coefficients(1.0731182795698924), &CalcResults::kSpread,
         14.000000000000002, kMessages[5]},
        {"dried analysis at 10", {{R::DriedAnalysis, 95.0}, {R::DriedAnalysis, 105.0}},
         &CalcResults::dryAnalysisSpread, 10.0, nullptr},
        {"dried analysis above 10", {{R::DriedAnalysis, 94.99}, {R::DriedAnalysis, 105.0}},
         &CalcResults::dryAnalysisSpread, 10.010500525026256, kMessages[6]},
        {"sample at 10", {{R::Analysis, 95.0}, {R::Analysis, 105.0}}, &CalcResults::waterSpread, 10.0, nullptr},
        {"sample above 10", {{R::Analysis, 94.99}, {R::Analysis, 105.0}}, &CalcResults::waterSpread,
         10.010500525026256, kMessages[7]},
        {"sample 200/220", {{R::Analysis, 200.0}, {R::Analysis, 220.0}}, &CalcResults::waterSpread,
         9.523809523809524, nullptr},
        {"sample 200/224", {{R::Analysis, 200.0}, {R::Analysis, 224.0}}, &CalcResults::waterSpread,
         11.320754716981133, kMessages[7]},
        {"third height counts in the mean, not the spread",
         {{R::Calibration1, 100.0}, {R::Calibration1, 104.0}, {R::Calibration1, 400.0}}, &CalcResults::spread1,
         1.986754966887417, nullptr},
    };
    cases.insert(cases.end(), fixed.begin(), fixed.end());
    return cases;
}

// Each case feeds one check only; every other check sees no data or not-a-number values and passes.
TEST(WaterCalculator, ThresholdsAreStrict)
{
    for (const ThresholdCase& c : ThresholdCases()) {
        SCOPED_TRACE(c.what);
        const Outcome out = Calculate(MakeSet(c.injections), Masses(1, 1, 1, 1, 1, 1));
        EXPECT_EQ(Bits(out.results.*c.value), Bits(c.expected)) << out.results.*c.value;
        EXPECT_EQ(out.form.errorText, c.message ? c.message : L"");
        EXPECT_EQ(out.results.errorText, out.form.errorText);
    }
}

TEST(WaterCalculator, AllEightChecksFailInTableOrder)
{
    const Outcome out = Calculate(MakeSet(AllChecksFailing()), Masses(1.5, 2.25, 0.75, 3, 0.125, 1.75));
    EXPECT_EQ(out.form.errorText, AllMessages());
    EXPECT_EQ(out.results.errorText, AllMessages());
}

TEST(WaterCalculator, LevelWithoutHeightsGivesNotANumberAndPasses)
{
    std::vector<Injection> injections = WorkedExample();
    std::erase_if(injections, [](const Injection& i) { return i.role == R::Calibration2; });
    const Outcome out = Calculate(MakeSet(injections), Masses(10, 10, 10, 10, 2, 4));
    const CalcResults& r = out.results;
    for (double nan : {r.spread2, r.k2, r.kMean, r.kSpread, r.water, out.form.water})
        EXPECT_TRUE(std::isnan(nan));
    EXPECT_EQ(Bits(r.k1), Bits(1.0));
    EXPECT_EQ(out.form.errorText, L"");
}

TEST(WaterCalculator, SingleHeightPerRole)
{
    const Outcome out = Calculate(MakeSet({{R::DriedCalibration, 0.5}, {R::Calibration1, 1.5}, {R::Calibration2, 1.5},
                                           {R::Calibration3, 2.5}, {R::Calibration4, 3.5}, {R::DriedAnalysis, 2.0},
                                           {R::Analysis, 10.0}}),
                                  Masses(1, 1, 1, 1, 1, 1));
    const CalcResults& r = out.results;
    for (double zero : {r.spread1, r.spread2, r.spread3, r.spread4, r.drySpread, r.dryAnalysisSpread, r.waterSpread})
        EXPECT_EQ(Bits(zero), Bits(0.0));
    EXPECT_EQ(Bits(r.kSpread), Bits(1.1124479204660886e-14));
    // Half of the single sample height less half of the single dried-extractant height.
    EXPECT_EQ(Bits(r.water), Bits(3.992));
    EXPECT_EQ(out.form.errorText, L"");
}

TEST(WaterCalculator, NonPositiveSampleMassKeepsThePreviousWater)
{
    for (double sampleMass : {0.0, -4.0, std::nan("")}) {
        SCOPED_TRACE(sampleMass);
        FormValues form = Masses(1.5, 2.25, 0.75, 3, 0.125, sampleMass);
        form.water = 7.25;
        const Outcome out = Calculate(MakeSet(AllChecksFailing()), form);
        EXPECT_EQ(Bits(out.form.water), Bits(7.25));
        EXPECT_EQ(Bits(out.results.water), Bits(7.25));
        EXPECT_EQ(out.form.errorText, AllMessages());
    }
}

TEST(WaterCalculator, NonPositiveSolventMassLeavesContentZero)
{
    std::vector<Injection> injections = WorkedExample();
    std::erase_if(injections, [](const Injection& i) { return i.role == R::Calibration3; });
    const Outcome out = Calculate(MakeSet(injections), Masses(0, -10, 0, 10, 2, 4));
    const CalcResults& r = out.results;
    EXPECT_EQ(Bits(r.c1), Bits(0.0));
    EXPECT_EQ(Bits(r.c2), Bits(0.0));
    EXPECT_EQ(Bits(r.m2), Bits(-10.0));
    EXPECT_EQ(Bits(r.k1), Bits(0.0));
    EXPECT_TRUE(std::isnan(r.k3)); // no heights and no content: zero over not-a-number
    EXPECT_EQ(Bits(r.k4), Bits(1.0));
}

TEST(WaterCalculator, EveryPeakOfAnEntryCountsAndUnnamedOnesAreSkipped)
{
    AssayEntry entry;
    entry.role = R::Analysis;
    entry.rowChecked = 0;
    entry.peaks = {NamedPeak(L"", 1000.0), NamedPeak(L"вода", 95.0), NamedPeak(L"", 0.0), NamedPeak(L"вода", 105.0)};
    entry.peaks[3].channel = 2;
    SampleSet set;
    set.append(std::move(entry));
    const Outcome out = Calculate(set, Masses(1, 1, 1, 1, 1, 1));
    EXPECT_TRUE(out.stops.empty());
    EXPECT_EQ(Bits(out.results.waterSpread), Bits(10.0));
}

TEST(WaterCalculator, ForeignPeakStopsWithPreviousFormKept)
{
    const wchar_t* const foreignNames[] = {L"Вода", L"ВОДА", L"вОДА", L"вода ", L" вода", L"water", L"метан", L"вод"};
    for (const wchar_t* name : foreignNames) {
        SCOPED_TRACE(testing::Message() << name);
        SampleSet set = MakeSet(AllChecksFailing());
        set.entry(3).peaks.push_back(NamedPeak(name, 1.0));

        FormValues form = Masses(1.5, 2.25, 0.75, 3, 0.125, 1.75);
        form.water = 3.25;
        form.errorText = L"прежние сообщения\r\n";
        // Results of an earlier run that the stopped run must clear.
        const Outcome previous = Calculate(MakeSet(AllChecksFailing()), form);
        const Outcome out = Calculate(set, form, previous.results);

        EXPECT_EQ(out.stops, std::vector<std::wstring>{L"нет воды"});
        EXPECT_EQ(Bits(out.form.water), Bits(3.25));
        EXPECT_EQ(out.form.errorText, L"прежние сообщения\r\n");
        CalcResults expected;
        expected.m1 = 1.5;
        expected.m2 = 2.25;
        expected.m3 = 0.75;
        expected.m4 = 3.0;
        expected.c1 = 0.998 / 1.5;
        expected.c2 = 0.998 / 2.25;
        expected.c3 = 1.996 / 0.75;
        expected.c4 = 2.994 / 3.0;
        for (double CalcResults::* field : kResultNumbers)
            EXPECT_EQ(Bits(out.results.*field), Bits(expected.*field));
        EXPECT_EQ(out.results.errorText, L"");
    }
}

} // namespace
