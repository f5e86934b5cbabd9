#include "tests/calc/calc_fixture.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace calctest;
using R = AssayRole;

// The eight checks as one text: '+' passed, '-' failed, '?' not judged.
std::string Outcomes(const CalcDetails& details) {
    std::string text;
    for (const CheckOutcome& check : details.checks) text += "?+-"[static_cast<int>(check.result)];
    return text;
}

// Two blanks of 0.5, two injections of every other role; each level and the sample well above their blanks.
std::vector<Injection> Complete(double secondLevel1 = 10.0) {
    return {{R::DriedCalibration, 0.5}, {R::DriedCalibration, 0.5},
            {R::Calibration1, 10.0},    {R::Calibration1, secondLevel1},
            {R::Calibration2, 10.0},    {R::Calibration2, 10.0},
            {R::Calibration3, 20.0},    {R::Calibration3, 20.0},
            {R::Calibration4, 30.0},    {R::Calibration4, 30.0},
            {R::DriedAnalysis, 2.0},    {R::DriedAnalysis, 2.0},
            {R::Analysis, 10.0},        {R::Analysis, 10.5}};
}

// The complete set with the heights of one role replaced.
std::vector<Injection> With(R role, std::vector<double> heights) {
    std::vector<Injection> injections;
    for (const Injection& i : Complete())
        if (i.role != role) injections.push_back(i);
    for (double h : heights) injections.push_back({role, h});
    return injections;
}

std::wstring Level(int i) {
    return L"Градуировка " + std::to_wstring(i) +
           L": средняя высота пика воды не больше, чем у осушенного экстрагента\r\n";
}

std::wstring Incomplete(const wchar_t* role, int count, const wchar_t* needed = L"2") {
    return L"Неполный набор: «" + std::wstring(role) + L"» — пиков воды " + std::to_wstring(count) + L", нужно " +
           needed + L"\r\n";
}

const std::wstring kBlankOnce = Incomplete(L"осуш. градуировка", 1, L"не меньше 2");
const std::wstring kSampleLow = L"Анализ: средняя высота пика воды пробы не больше, чем у осушенного экстрагента\r\n";
const std::wstring kNotFinite =
    L"Молярная доля воды не рассчитана: результат не является конечным положительным числом\r\n";

std::wstring Mass(const wchar_t* which) {
    return L"Масса " + std::wstring(which) + L" должна быть больше нуля\r\n";
}

// Determinations with their outcomes, lines and verdict worked out by hand from the method. With blanks of
// 0.5 the coefficients are 0.998/9.5, 0.998/9.5, 1.996/19.5, 2.994/29.5 (range 3.4 %), the water value
// kMean x 8.25.
TEST(CalcDetails, OutcomesLinesAndVerdict) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const FormValues ones = Masses(1, 1, 1, 1, 1, 1);
    struct Case {
        const char* what;
        std::vector<Injection> injections;
        FormValues form;
        const char* outcomes;
        std::wstring lines;
        Verdict verdict;
        bool water;  // the water value is a number
    } const cases[] = {
        {"complete", Complete(), ones, "++++++++", L"", Verdict::Passed, true},
        {"level 1 apart", Complete(12.0), ones, "-+++++++", kMessages[0], Verdict::Failed, true},
        {"a failure outweighs what is missing", Complete(12.0), Masses(1, 1, 0, 1, 1, 1), "-++++?++",
         kMessages[0] + Mass(L"растворителя m3"), Verdict::Failed, false},
        // No content, no coefficient: 11.2 is not judged and names no failure.
        {"m4 zero", Complete(), Masses(1, 1, 1, 0, 1, 1), "+++++?++", Mass(L"растворителя m4"), Verdict::Incomplete,
         false},
        {"sample mass infinite", Complete(), Masses(1, 1, 1, 1, 1, kInf), "++++++++", Mass(L"пробы"),
         Verdict::Incomplete, false},
        {"sample mass 1e-320", Complete(), Masses(1, 1, 1, 1, 1, 1e-320), "++++++++", kNotFinite, Verdict::Incomplete,
         false},
        // A wet blank above levels 1 and 2: their coefficients turn negative, the range means nothing.
        {"blank above levels 1 and 2", With(R::DriedCalibration, {15.0, 15.0}), ones, "+++++?++", Level(1) + Level(2),
         Verdict::Incomplete, false},
        {"sample at its blank", With(R::Analysis, {2.0, 2.0}), ones, "++++++++", kSampleLow, Verdict::Incomplete,
         false},
        // One blank: a range of one value is no range; the water value stands.
        {"one blank", With(R::DriedCalibration, {0.5}), ones, "++++?+++", kBlankOnce, Verdict::Incomplete, true},
        // One injection each: no difference to judge; the coefficients stand on their one height each.
        {"single injections",
         {{R::DriedCalibration, 0.5},
          {R::Calibration1, 1.5},
          {R::Calibration2, 1.5},
          {R::Calibration3, 2.5},
          {R::Calibration4, 3.5},
          {R::DriedAnalysis, 2.0},
          {R::Analysis, 10.0}},
         ones,
         "?????+??",
         kBlankOnce + Incomplete(L"Градуировка 1", 1) + Incomplete(L"Градуировка 2", 1) +
             Incomplete(L"Градуировка 3", 1) + Incomplete(L"Градуировка 4", 1) + Incomplete(L"осуш. анализ", 1) +
             Incomplete(L"анализ", 1),
         Verdict::Incomplete,
         true},
        // No blank: no range to judge; the coefficients are taken without it.
        {"no blank",
         {{R::Calibration1, 1.0},
          {R::Calibration1, 1.0},
          {R::Calibration2, 1.0},
          {R::Calibration2, 1.0},
          {R::Calibration3, 2.0},
          {R::Calibration3, 2.0},
          {R::Calibration4, 3.0},
          {R::Calibration4, 3.0}},
         ones,
         "++++?+??",
         Incomplete(L"осуш. градуировка", 0, L"не меньше 2") + Incomplete(L"осуш. анализ", 0) +
             Incomplete(L"анализ", 0),
         Verdict::Incomplete,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CalcResults r = Calculate(MakeSet(c.injections), c.form).results;
        const CalcDetails& d = r.details;
        ASSERT_TRUE(d.complete);
        EXPECT_EQ(Outcomes(d), c.outcomes);
        EXPECT_EQ(r.errorText, c.lines);
        EXPECT_EQ(r.verdict, c.verdict);
        EXPECT_EQ(std::isnan(r.water), !c.water) << r.water;
        // A judged check carries the value it compared, one not judged none; each the limit of its clause.
        const double values[] = {r.spread1,   r.spread2, r.spread3,           r.spread4,
                                 r.drySpread, r.kSpread, r.dryAnalysisSpread, r.waterSpread};
        const double limits[] = {10, 10, 10, 10, 12, 14, 10, 10};
        for (std::size_t i = 0; i < 8; ++i) {
            const bool judged = c.outcomes[i] != '?';
            EXPECT_EQ(Bits(d.checks[i].value), Bits(judged ? values[i] : std::nan(""))) << i;
            EXPECT_EQ(d.checks[i].limit, limits[i]) << i;
        }
    }
}

TEST(CalcDetails, HeightsAndInjectionsOfTheCalibrationAndAnalysis) {
    std::vector<Injection> injections = Complete(12.0);
    injections[1].height = 0.75;
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
}

// After a stop on a foreign peak nothing of a finished calculation may stand, an earlier one's neither.
TEST(CalcDetails, AStopLeavesNoDetails) {
    SampleSet set = MakeSet(Complete(10.0));
    set.entry(3).peaks.push_back(NamedPeak(L"метан", 1.0));
    CalcResults earlier = Calculate(MakeSet(Complete(10.0)), Masses(1, 1, 1, 1, 1, 1)).results;
    ASSERT_TRUE(earlier.details.complete);
    const CalcDetails d = Calculate(set, Masses(1, 1, 1, 1, 1, 1), earlier).results.details;
    EXPECT_FALSE(d.complete);
    EXPECT_EQ(Outcomes(d), "????????");
}

}  // namespace
