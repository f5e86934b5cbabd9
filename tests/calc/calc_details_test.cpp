#include "tests/calc/calc_fixture.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace calctest;
using R = AssayRole;

// The eight checks as one text: '+' passed, '-' failed, '?' not judged.
std::string Verdicts(const CalcDetails& details) {
    std::string text;
    for (const CheckOutcome& check : details.checks) text += !check.judged ? '?' : check.passed ? '+' : '-';
    return text;
}

std::vector<Injection> Complete(double secondLevel1) {
    return {{R::DriedCalibration, 0.5}, {R::Calibration1, 10.0}, {R::Calibration1, secondLevel1},
            {R::Calibration2, 10.0},    {R::Calibration2, 10.0}, {R::Calibration3, 20.0},
            {R::Calibration3, 20.0},    {R::Calibration4, 30.0}, {R::Calibration4, 30.0},
            {R::DriedAnalysis, 2.0},    {R::DriedAnalysis, 2.0}, {R::Analysis, 10.0},
            {R::Analysis, 10.5}};
}

TEST(CalcDetails, ChecksAreJudgedOnlyOnWhatTheyNeed) {
    struct Case {
        const char* what;
        std::vector<Injection> injections;
        FormValues form;
        const char* verdicts;
    } const cases[] = {
        {"complete", Complete(10.0), Masses(1, 1, 1, 1, 1, 1), "++++++++"},
        {"level 1 apart", Complete(12.0), Masses(1, 1, 1, 1, 1, 1), "-+++++++"},
        {"no solvent mass 3", Complete(10.0), Masses(1, 1, 0, 1, 1, 1), "+++++?++"},
        // One injection each: no difference to judge; the blank needs only one.
        {"single injections",
         {{R::DriedCalibration, 0.5},
          {R::Calibration1, 1.5},
          {R::Calibration2, 1.5},
          {R::Calibration3, 2.5},
          {R::Calibration4, 3.5},
          {R::DriedAnalysis, 2.0},
          {R::Analysis, 10.0}},
         Masses(1, 1, 1, 1, 1, 1),
         "????++??"},
        // No blank: its range is not a number and the coefficients lack it.
        {"no blank",
         {{R::Calibration1, 1.0},
          {R::Calibration1, 1.0},
          {R::Calibration2, 1.0},
          {R::Calibration2, 1.0},
          {R::Calibration3, 2.0},
          {R::Calibration3, 2.0},
          {R::Calibration4, 3.0},
          {R::Calibration4, 3.0}},
         Masses(1, 1, 1, 1, 1, 1),
         "++++????"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CalcResults r = Calculate(MakeSet(c.injections), c.form).results;
        const CalcDetails& d = r.details;
        ASSERT_TRUE(d.complete);
        EXPECT_EQ(Verdicts(d), c.verdicts);
        // Each check carries the value the calculation compared and the limit of its clause.
        const double values[] = {r.spread1,   r.spread2, r.spread3,           r.spread4,
                                 r.drySpread, r.kSpread, r.dryAnalysisSpread, r.waterSpread};
        const double limits[] = {10, 10, 10, 10, 12, 14, 10, 10};
        for (std::size_t i = 0; i < 8; ++i) {
            EXPECT_EQ(Bits(d.checks[i].value), Bits(values[i])) << i;
            EXPECT_EQ(d.checks[i].limit, limits[i]) << i;
        }
    }
}

TEST(CalcDetails, HeightsAndInjectionsOfTheCalibrationAndAnalysis) {
    std::vector<Injection> injections = Complete(12.0);
    injections.push_back({R::DriedCalibration, 0.75});
    const CalcDetails d = Calculate(MakeSet(injections), Masses(1, 1, 1, 1, 1, 1)).results.details;
    EXPECT_EQ(d.blank, 0.625);
    const double heights[] = {11.0, 10.0, 20.0, 30.0};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(d.levels[i].height, heights[i]);
        EXPECT_EQ(d.levels[i].injections, 2u);
    }
    EXPECT_EQ(d.analysisBlank, 2.0);
    EXPECT_EQ(d.analysisHeight, 10.25);
    // Net 10.25 - 2 against levels 11, 10, 20, 30 above the blank 0.625.
    EXPECT_EQ(d.net, 8.25);
    EXPECT_EQ(d.low, 9.375);
    EXPECT_EQ(d.high, 29.375);
    EXPECT_EQ(d.inRange, std::optional<bool>(false));
    ASSERT_EQ(d.injections.size(), injections.size());
    for (std::size_t i = 0; i < injections.size(); ++i)
        EXPECT_EQ(d.injections[i].heights, std::vector<double>{injections[i].height}) << i;
    for (const LevelDetails& level : d.levels)
        EXPECT_DOUBLE_EQ(level.deviation, (level.coefficient - d.kMean) / d.kMean * 100.0);
}

// Two water peaks of one chromatogram are both taken, in peak order; a level without heights leaves the
// range and the deviations not a number.
TEST(CalcDetails, InjectionsAndRangeOfAnIncompleteSet) {
    SampleSet set = MakeSet({{R::Calibration1, 4.0}, {R::Analysis, 3.0}, {R::Calibration2, 5.0}});
    set.entry(0).peaks.push_back(NamedPeak(L"вода", 6.0));
    set.entry(1).peaks.push_back(PeakRecord{});
    const CalcDetails d = Calculate(set, Masses(1, 1, 1, 1, 1, 1)).results.details;
    ASSERT_EQ(d.injections.size(), 3u);
    EXPECT_EQ(d.injections[0].heights, (std::vector<double>{4.0, 6.0}));
    EXPECT_EQ(d.injections[1].heights, std::vector<double>{3.0});
    EXPECT_EQ(d.net, 3.0);
    EXPECT_TRUE(std::isnan(d.low));
    EXPECT_TRUE(std::isnan(d.high));
    EXPECT_FALSE(d.inRange.has_value());
    EXPECT_TRUE(std::isnan(d.levels[0].deviation));
}

// After a stop on a foreign peak nothing of a finished calculation may stand, an earlier one's neither.
TEST(CalcDetails, AStopLeavesNoDetails) {
    SampleSet set = MakeSet(Complete(10.0));
    set.entry(3).peaks.push_back(NamedPeak(L"метан", 1.0));
    CalcResults earlier = Calculate(MakeSet(Complete(10.0)), Masses(1, 1, 1, 1, 1, 1)).results;
    ASSERT_TRUE(earlier.details.complete);
    const CalcDetails d = Calculate(set, Masses(1, 1, 1, 1, 1, 1), earlier).results.details;
    EXPECT_FALSE(d.complete);
    EXPECT_EQ(Verdicts(d), "????????");
}

}  // namespace
