#include "tests/calc/calc_fixture.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

using namespace calctest;
using R = AssayRole;

constexpr double kInf = std::numeric_limits<double>::infinity();

// The determination of the method's worked example: no dried extractant in the calibration, masses 10,
// two equal injections per level, sample 10 and 10, dried extractant in the analysis 2 and 2.
std::vector<Injection> WorkedExample() {
    return {{R::Calibration1, 0.0998}, {R::Calibration1, 0.0998}, {R::Calibration2, 0.0998}, {R::Calibration2, 0.0998},
            {R::Calibration3, 0.1996}, {R::Calibration3, 0.1996}, {R::Calibration4, 0.2994}, {R::Calibration4, 0.2994},
            {R::Analysis, 10.0},       {R::Analysis, 10.0},       {R::DriedAnalysis, 2.0},   {R::DriedAnalysis, 2.0}};
}

// A determination in which every check fails, the sample with a third injection.
std::vector<Injection> AllChecksFailing() {
    return {{R::DriedCalibration, 5.0}, {R::DriedCalibration, 5.7}, {R::Calibration1, 100.0}, {R::Calibration1, 112.0},
            {R::Calibration2, 50.3},    {R::Calibration2, 61.9},    {R::Calibration3, 80.0},  {R::Calibration3, 99.0},
            {R::Calibration4, 140.0},   {R::Calibration4, 120.0},   {R::DriedAnalysis, 3.0},  {R::DriedAnalysis, 3.9},
            {R::Analysis, 200.0},       {R::Analysis, 224.0},       {R::Analysis, 231.5}};
}

std::wstring AllMessages() {
    std::wstring all;
    for (const wchar_t* message : kMessages) all += message;
    return all;
}

TEST(WaterCalculator, WorkedExampleGivesFour) {
    FormValues form = Masses(10, 10, 10, 10, 2, 4);
    form.errorText = L"прежнее\r\n";
    const Outcome out = Calculate(MakeSet(WorkedExample()), form);
    const CalcResults& r = out.results;
    EXPECT_EQ(Bits(r.c1), Bits(0.0998));
    EXPECT_EQ(Bits(r.c3), Bits(0.1996));
    EXPECT_EQ(Bits(r.c4), Bits(0.2994));
    for (double k : {r.k1, r.k2, r.k3, r.k4, r.kMean}) EXPECT_EQ(Bits(k), Bits(1.0));
    for (double zero : {r.spread1, r.spread2, r.spread3, r.spread4, r.kSpread, r.dryAnalysisSpread, r.waterSpread})
        EXPECT_EQ(Bits(zero), Bits(0.0));
    // Without dried-extractant heights the range is taken from the starting minimum over a zero mean.
    EXPECT_EQ(Bits(r.drySpread), Bits(-kInf));
    EXPECT_EQ(Bits(out.form.water), Bits(4.0));
    EXPECT_EQ(Bits(r.water), Bits(4.0));
    EXPECT_EQ(Bits(r.m2), Bits(10.0));
    EXPECT_EQ(Bits(r.portionMass), Bits(2.0));
    EXPECT_EQ(Bits(r.sampleMass), Bits(4.0));
    // Without a blank the value stands, and the list says what was missing.
    const wchar_t* const noBlank = L"Неполный набор: «осуш. градуировка» — пиков воды 0, нужно не меньше 2\r\n";
    EXPECT_EQ(out.form.errorText, noBlank);
    EXPECT_EQ(r.errorText, noBlank);
    EXPECT_TRUE(out.stops.empty());
}

struct ThresholdCase {
    const char* what;
    std::vector<Injection> injections;
    double CalcResults::*value;
    double expected;
    const wchar_t* message;  // nullptr: the check passes
};

std::vector<ThresholdCase> ThresholdCases() {
    std::vector<ThresholdCase> cases;
    const R levels[] = {R::Calibration1, R::Calibration2, R::Calibration3, R::Calibration4};
    double CalcResults::*const spreads[] = {&CalcResults::spread1, &CalcResults::spread2, &CalcResults::spread3,
                                            &CalcResults::spread4};
    for (int i = 0; i < 4; ++i) {
        cases.push_back({"level at 10", {{levels[i], 95.0}, {levels[i], 105.0}}, spreads[i], 10.0, nullptr});
        cases.push_back(
            {"level above 10", {{levels[i], 94.99}, {levels[i], 105.0}}, spreads[i], 10.010500525026256, kMessages[i]});
    }
    const double h3 = 1.996;  // with m3 = 1 the coefficient of level 3 is 1
    const double h4 = 2.994;
    auto coefficients = [&](double h1) {
        return std::vector<Injection>{{R::Calibration1, h1},
                                      {R::Calibration1, h1},
                                      {R::Calibration2, 0.9327102803738317},
                                      {R::Calibration2, 0.9327102803738317},
                                      {R::Calibration3, h3},
                                      {R::Calibration3, h3},
                                      {R::Calibration4, h4},
                                      {R::Calibration4, h4}};
    };
    const std::vector<ThresholdCase> fixed = {
        {"level 100/110",
         {{R::Calibration1, 100.0}, {R::Calibration1, 110.0}},
         &CalcResults::spread1,
         9.523809523809524,
         nullptr},
        {"level 100/112",
         {{R::Calibration1, 100.0}, {R::Calibration1, 112.0}},
         &CalcResults::spread1,
         11.320754716981133,
         kMessages[0]},
        {"dried at 12",
         {{R::DriedCalibration, 94.0}, {R::DriedCalibration, 106.0}},
         &CalcResults::drySpread,
         12.0,
         nullptr},
        {"dried above 12",
         {{R::DriedCalibration, 94.0}, {R::DriedCalibration, 106.01}},
         &CalcResults::drySpread,
         12.009399530023504,
         kMessages[4]},
        {"dried 5/5.6/5.3",
         {{R::DriedCalibration, 5.0}, {R::DriedCalibration, 5.6}, {R::DriedCalibration, 5.3}},
         &CalcResults::drySpread,
         11.320754716981126,
         nullptr},
        {"dried 5/5.7",
         {{R::DriedCalibration, 5.0}, {R::DriedCalibration, 5.7}},
         &CalcResults::drySpread,
         13.084112149532714,
         kMessages[4]},
        {"blanks above 100000, from their own minimum",
         {{R::DriedCalibration, 200000.0}, {R::DriedCalibration, 300000.0}},
         &CalcResults::drySpread,
         40.0,
         kMessages[4]},
        // No double gives exactly 14 here: 0.93, 1.07, 1, 1 land one step above, and fail.
        {"coefficients just below 14", coefficients(1.0731182795698921), &CalcResults::kSpread, 13.999999999999979,
         nullptr},
        {"coefficients 0.93/1.07/1/1", coefficients(1.0731182795698924), &CalcResults::kSpread, 14.000000000000002,
         kMessages[5]},
        {"dried analysis at 10",
         {{R::DriedAnalysis, 95.0}, {R::DriedAnalysis, 105.0}},
         &CalcResults::dryAnalysisSpread,
         10.0,
         nullptr},
        {"dried analysis above 10",
         {{R::DriedAnalysis, 94.99}, {R::DriedAnalysis, 105.0}},
         &CalcResults::dryAnalysisSpread,
         10.010500525026256,
         kMessages[6]},
        {"sample at 10", {{R::Analysis, 95.0}, {R::Analysis, 105.0}}, &CalcResults::waterSpread, 10.0, nullptr},
        {"sample above 10",
         {{R::Analysis, 94.99}, {R::Analysis, 105.0}},
         &CalcResults::waterSpread,
         10.010500525026256,
         kMessages[7]},
        {"sample 200/220",
         {{R::Analysis, 200.0}, {R::Analysis, 220.0}},
         &CalcResults::waterSpread,
         9.523809523809524,
         nullptr},
        {"sample 200/224",
         {{R::Analysis, 200.0}, {R::Analysis, 224.0}},
         &CalcResults::waterSpread,
         11.320754716981133,
         kMessages[7]},
        {"third height counts in the mean, not the spread",
         {{R::Calibration1, 100.0}, {R::Calibration1, 104.0}, {R::Calibration1, 400.0}},
         &CalcResults::spread1,
         1.986754966887417,
         nullptr},
    };
    cases.insert(cases.end(), fixed.begin(), fixed.end());
    return cases;
}

// Each case feeds one check only; every other check sees no data or not-a-number values and passes (the
// lines naming the roles left out follow the checks').
TEST(WaterCalculator, ThresholdsAreStrict) {
    for (const ThresholdCase& c : ThresholdCases()) {
        SCOPED_TRACE(c.what);
        const Outcome out = Calculate(MakeSet(c.injections), Masses(1, 1, 1, 1, 1, 1));
        EXPECT_EQ(Bits(out.results.*c.value), Bits(c.expected)) << out.results.*c.value;
        EXPECT_EQ(ChecksOnly(out.form.errorText), c.message ? c.message : L"");
        EXPECT_EQ(out.results.errorText, out.form.errorText);
    }
}

TEST(WaterCalculator, AllEightChecksFailInTableOrder) {
    const Outcome out = Calculate(MakeSet(AllChecksFailing()), Masses(1.5, 2.25, 0.75, 3, 0.125, 1.75));
    const std::wstring expected = AllMessages() + L"Неполный набор: «анализ» — пиков воды 3, нужно 2\r\n";
    EXPECT_EQ(out.form.errorText, expected);
    EXPECT_EQ(out.results.errorText, expected);
}

TEST(WaterCalculator, SingleHeightPerRole) {
    const Outcome out = Calculate(MakeSet({{R::DriedCalibration, 0.5},
                                           {R::Calibration1, 1.5},
                                           {R::Calibration2, 1.5},
                                           {R::Calibration3, 2.5},
                                           {R::Calibration4, 3.5},
                                           {R::DriedAnalysis, 2.0},
                                           {R::Analysis, 10.0}}),
                                  Masses(1, 1, 1, 1, 1, 1));
    const CalcResults& r = out.results;
    for (double zero : {r.spread1, r.spread2, r.spread3, r.spread4, r.drySpread, r.dryAnalysisSpread, r.waterSpread})
        EXPECT_EQ(Bits(zero), Bits(0.0));
    EXPECT_EQ(Bits(r.kSpread), Bits(1.1124479204660886e-14));
    // The single sample height less the single dried-extractant height.
    EXPECT_EQ(Bits(r.water), Bits(7.984));
    EXPECT_EQ(ChecksOnly(out.form.errorText), L"");
}

// A complete determination (three blanks, two injections of every other role) changed in one way each: the
// water value, or none, and the error list. Values computed independently in the method's groupings.
TEST(WaterCalculator, IncompleteOrInvalidDeterminationsAreNamed) {
    const std::vector<Injection> complete = {
        {R::DriedCalibration, 0.0123}, {R::DriedCalibration, 0.0131}, {R::DriedCalibration, 0.0127},
        {R::Calibration1, 0.1125},     {R::Calibration1, 0.1098},     {R::Calibration2, 0.1089},
        {R::Calibration2, 0.1102},     {R::Calibration3, 0.2154},     {R::Calibration3, 0.2201},
        {R::Calibration4, 0.3211},     {R::Calibration4, 0.3189},     {R::DriedAnalysis, 0.0140},
        {R::DriedAnalysis, 0.0136},    {R::Analysis, 0.0874},         {R::Analysis, 0.0861}};
    constexpr double FormValues::*kMasses[] = {&FormValues::m1, &FormValues::m2,          &FormValues::m3,
                                               &FormValues::m4, &FormValues::portionMass, &FormValues::sampleMass};
    constexpr std::optional<uint64_t> kNone;
    struct Case {
        const char* name;
        int role = -1;  // keeps this many injections of the role (0 or 1), or adds a third (3)
        int injections = 2;
        int mass = -1;  // sets this mass (index into kMasses)
        double massValue = 0.0;
        std::optional<uint64_t> water;
        std::wstring errors;
    };
    auto incomplete = [](const wchar_t* role, int n) {
        return L"Неполный набор: «" + std::wstring(role) + L"» — пиков воды " + std::to_wstring(n) +
               (std::wstring(role) == L"осуш. градуировка" ? L", нужно не меньше 2\r\n" : L", нужно 2\r\n");
    };
    auto mass = [](const wchar_t* text) { return L"Масса " + std::wstring(text) + L" должна быть больше нуля\r\n"; };
    const Case cases[] = {
        {"complete", -1, 2, -1, 0, 0x3F9BA52C6C53D6EEu, L""},
        {"no blank", 0, 0, -1, 0, 0x3F995B0D092B7C1Eu, incomplete(L"осуш. градуировка", 0)},
        {"one blank", 0, 1, -1, 0, 0x3F9B90CA19D297A7u, incomplete(L"осуш. градуировка", 1)},
        {"level 1 missing", 1, 0, -1, 0, kNone, incomplete(L"Градуировка 1", 0)},
        {"level 1 once", 1, 1, -1, 0, 0x3F9B8C8FCC59D63Du, incomplete(L"Градуировка 1", 1)},
        {"level 1 thrice", 1, 3, -1, 0, 0x3F9B9CE51A4D66B3u, incomplete(L"Градуировка 1", 3)},
        {"level 2 missing", 2, 0, -1, 0, kNone, incomplete(L"Градуировка 2", 0)},
        {"level 2 once", 2, 1, -1, 0, 0x3F9BB15C8B455532u, incomplete(L"Градуировка 2", 1)},
        {"level 2 thrice", 2, 3, -1, 0, 0x3F9BA937CCB1C08Bu, incomplete(L"Градуировка 2", 3)},
        {"level 3 missing", 3, 0, -1, 0, kNone, incomplete(L"Градуировка 3", 0)},
        {"level 3 once", 3, 1, -1, 0, 0x3F9BB91B156A9FF7u, incomplete(L"Градуировка 3", 1)},
        {"level 3 thrice", 3, 3, -1, 0, 0x3F9BABC443C1C49Eu, incomplete(L"Градуировка 3", 3)},
        {"level 4 missing", 4, 0, -1, 0, kNone, incomplete(L"Градуировка 4", 0)},
        {"level 4 once", 4, 1, -1, 0, 0x3F9B9EFC8672B66Au, incomplete(L"Градуировка 4", 1)},
        {"level 4 thrice", 4, 3, -1, 0, 0x3F9BA31B32E0BC08u, incomplete(L"Градуировка 4", 3)},
        {"no dried extractant in the analysis", 5, 0, -1, 0, 0x3FA06FFBCB8D440Du, incomplete(L"осуш. анализ", 0)},
        {"dried extractant once", 5, 1, -1, 0, 0x3F9B91C54E06C1D1u, incomplete(L"осуш. анализ", 1)},
        {"dried extractant thrice", 5, 3, -1, 0, 0x3F9B9EB4B78F7A90u, incomplete(L"осуш. анализ", 3)},
        {"no sample", 6, 0, -1, 0, kNone, incomplete(L"анализ", 0)},
        {"sample once", 6, 1, -1, 0, 0x3F9BE43B8ECE5B92u, incomplete(L"анализ", 1)},
        {"sample thrice", 6, 3, -1, 0, 0x3F9BBA3177D20328u, incomplete(L"анализ", 3)},
        {"m1 zero", -1, 2, 0, 0.0, kNone, mass(L"растворителя m1")},
        {"m2 negative", -1, 2, 1, -1.0, kNone, mass(L"растворителя m2")},
        {"m3 zero", -1, 2, 2, 0.0, kNone, mass(L"растворителя m3")},
        {"m4 negative", -1, 2, 3, -1.0, kNone, mass(L"растворителя m4")},
        {"portion zero", -1, 2, 4, 0.0, kNone, mass(L"навески")},
        {"portion negative", -1, 2, 4, -1.0, kNone, mass(L"навески")},
        {"sample mass zero", -1, 2, 5, 0.0, kNone, mass(L"пробы")},
        {"sample mass negative", -1, 2, 5, -1.0, kNone, mass(L"пробы")},
        {"sample mass not a number", -1, 2, 5, std::nan(""), kNone, mass(L"пробы")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Injection> injections;
        int kept = 0;
        for (const Injection& i : complete) {
            if (static_cast<int>(i.role) != c.role || kept++ < std::min(c.injections, 2)) injections.push_back(i);
        }
        if (c.injections == 3)
            injections.push_back(*std::find_if(complete.begin(), complete.end(),
                                               [&](const Injection& i) { return static_cast<int>(i.role) == c.role; }));
        FormValues form = Masses(9.87, 10.12, 10.03, 9.95, 3.117, 8.412);
        form.water = 7.25;  // an earlier value, never kept
        if (c.mass >= 0) form.*kMasses[c.mass] = c.massValue;
        const Outcome out = Calculate(MakeSet(injections), form);
        if (c.water)
            EXPECT_EQ(Bits(out.form.water), *c.water) << out.form.water;
        else
            EXPECT_TRUE(std::isnan(out.form.water)) << out.form.water;
        EXPECT_EQ(Bits(out.results.water), Bits(out.form.water));
        EXPECT_EQ(out.form.errorText, c.errors);
        EXPECT_EQ(out.results.errorText, c.errors);
    }
}

// A sample name no rule matches still counts as a blank of the calibration, and is named.
TEST(WaterCalculator, UnmatchedSampleIsNamed) {
    SampleSet set = MakeSet(WorkedExample());
    AssayEntry unmatched;
    unmatched.id = 99;
    unmatched.sample = L"образец";
    unmatched.peaks.push_back(NamedPeak(L"вода", 0.0));
    set.append(std::move(unmatched));
    const Outcome out = Calculate(set, Masses(10, 10, 10, 10, 2, 4));
    EXPECT_EQ(Bits(out.form.water), Bits(4.0));
    EXPECT_EQ(out.form.errorText,
              L"Неполный набор: «осуш. градуировка» — пиков воды 1, нужно не меньше 2\r\n"
              L"Тип расчёта не определён: «образец» учтена как «осуш. градуировка»\r\n");
}

// A content not computed is not a number, and so is every coefficient that would stand on it.
TEST(WaterCalculator, InvalidSolventMassLeavesContentNotANumber) {
    std::vector<Injection> injections = WorkedExample();
    std::erase_if(injections, [](const Injection& i) { return i.role == R::Calibration3; });
    const Outcome out = Calculate(MakeSet(injections), Masses(0, -10, kInf, 10, 2, 4));
    const CalcResults& r = out.results;
    for (double notComputed : {r.c1, r.c2, r.c3, r.k1, r.k2, r.k3, r.kMean, r.kSpread})
        EXPECT_TRUE(std::isnan(notComputed)) << notComputed;
    EXPECT_EQ(Bits(r.m2), Bits(-10.0));
    EXPECT_EQ(Bits(r.k4), Bits(1.0));
}

TEST(WaterCalculator, EveryPeakOfAnEntryCountsAndUnnamedOnesAreSkipped) {
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

TEST(WaterCalculator, ForeignPeakStopsWithNothingOfAnEarlierRun) {
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
        const std::wstring line =
            L"Расчёт остановлен: пик «" + std::wstring(name) + L"» в хроматограмме «assay4.stg» — не вода\r\n";
        EXPECT_TRUE(std::isnan(out.form.water));
        EXPECT_EQ(out.form.errorText, line);
        EXPECT_EQ(out.results.errorText, line);
        CalcResults expected;
        expected.water = out.form.water;
        expected.m1 = 1.5;
        expected.m2 = 2.25;
        expected.m3 = 0.75;
        expected.m4 = 3.0;
        expected.c1 = 0.998 / 1.5;
        expected.c2 = 0.998 / 2.25;
        expected.c3 = 1.996 / 0.75;
        expected.c4 = 2.994 / 3.0;
        // The masses the analyst typed stay, for the report to print.
        expected.portionMass = 0.125;
        expected.sampleMass = 1.75;
        for (double CalcResults::*field : kResultNumbers) EXPECT_EQ(Bits(out.results.*field), Bits(expected.*field));
        EXPECT_EQ(out.results.verdict, Verdict::Incomplete);
    }
}

}  // namespace
