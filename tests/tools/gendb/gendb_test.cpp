#include "tools/gendb/command_line.h"
#include "tools/gendb/demo_writer.h"
#include "tools/gendb/determination.h"
#include "tools/gendb/expected_water.h"
#include "tools/gendb/synthetic_chromatogram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

DemoAssay Assay(DemoRole role, double height) {
    return {0, role, L"", 0, height};
}

// The masses and heights of a determination whose coefficients are all 1 without a dried-extractant blank.
DemoDetermination UnitDetermination() {
    DemoDetermination d;
    d.m1 = d.m2 = d.m3 = d.m4 = 10.0;
    d.portionMass = 2.0;
    d.sampleMass = 4.0;
    const std::pair<DemoRole, double> heights[] = {
        {DemoRole::Level1, 0.0998}, {DemoRole::Level1, 0.0998},     {DemoRole::Level2, 0.0998},
        {DemoRole::Level2, 0.0998}, {DemoRole::Level3, 0.1996},     {DemoRole::Level3, 0.1996},
        {DemoRole::Level4, 0.2994}, {DemoRole::Level4, 0.2994},     {DemoRole::Sample, 10.0},
        {DemoRole::Sample, 10.0},   {DemoRole::DriedAnalysis, 2.0}, {DemoRole::DriedAnalysis, 2.0},
    };
    for (const auto& [role, height] : heights) d.assays.push_back(Assay(role, height));
    return d;
}

// Dried extractant at 5.3 and every coefficient near 0.001: every check passes.
DemoDetermination PassingDetermination() {
    DemoDetermination d = UnitDetermination();
    d.assays = {Assay(DemoRole::DriedCalibration, 5.3), Assay(DemoRole::DriedCalibration, 5.3)};
    const std::pair<DemoRole, double> heights[] = {
        {DemoRole::Level1, 105.1}, {DemoRole::Level2, 105.1},      {DemoRole::Level3, 204.9},
        {DemoRole::Level4, 304.7}, {DemoRole::DriedAnalysis, 5.3}, {DemoRole::Sample, 150.0},
    };
    for (const auto& [role, height] : heights) {
        d.assays.push_back(Assay(role, height));
        d.assays.push_back(Assay(role, height));
    }
    return d;
}

TEST(ExpectedWater, FollowsTheMethod) {
    const ExpectedResult unit = ComputeExpectedWater(UnitDetermination());
    EXPECT_EQ(unit.water, 4.0);
    EXPECT_TRUE(unit.errors.empty());
    EXPECT_TRUE(ComputeExpectedWater(PassingDetermination()).errors.empty());

    struct Case {
        const char* what;
        std::vector<DemoAssay> changed;
        std::vector<std::wstring> errors;
    };
    const Case cases[] = {
        {"level 1 at 100 and 110 passes", {Assay(DemoRole::Level1, 100), Assay(DemoRole::Level1, 110)}, {}},
        {"level 2 at 100 and 112 fails",
         {Assay(DemoRole::Level2, 100), Assay(DemoRole::Level2, 112)},
         {L"Проверка градуировочного раствора 2 не пройдена (11.1 4в)"}},
        {"dried 5, 5.6 and 5.3 pass",
         {Assay(DemoRole::DriedCalibration, 5), Assay(DemoRole::DriedCalibration, 5.6),
          Assay(DemoRole::DriedCalibration, 5.3)},
         {}},
        {"dried 5 and 5.7 fail",
         {Assay(DemoRole::DriedCalibration, 5), Assay(DemoRole::DriedCalibration, 5.7)},
         {L"Проверка осушенного экстрагента в градуировке не пройдена (11.1 4а)"}},
        {"level 4 far off fails the coefficients",
         {Assay(DemoRole::Level4, 264.7), Assay(DemoRole::Level4, 264.7)},
         {L"Проверка приемлемости градуировочного коэффициента не пройдена (11.2)"}},
        {"sample 200 and 220 pass", {Assay(DemoRole::Sample, 200), Assay(DemoRole::Sample, 220)}, {}},
        {"sample 200 and 224 fail",
         {Assay(DemoRole::Sample, 200), Assay(DemoRole::Sample, 224)},
         {L"Проверка воды в анализе не пройдена (11.1 4г)"}},
        {"dried analysis 200 and 224 fail",
         {Assay(DemoRole::DriedAnalysis, 200), Assay(DemoRole::DriedAnalysis, 224)},
         {L"Проверка осушенного экстрагента в анализе не пройдена (11.1 4б)"}},
    };
    for (const auto& c : cases) {
        DemoDetermination d = PassingDetermination();
        // The changed heights replace those of their roles.
        for (const DemoAssay& assay : c.changed) {
            d.assays.erase(std::remove_if(d.assays.begin(), d.assays.end(),
                                          [&](const DemoAssay& a) { return a.role == assay.role; }),
                           d.assays.end());
        }
        d.assays.insert(d.assays.end(), c.changed.begin(), c.changed.end());
        EXPECT_EQ(ComputeExpectedWater(d).errors, c.errors) << c.what;
    }
}

TEST(ExpectedWater, SumsInTheOrderOfTheAssays) {
    // 0.1 + 0.2 + 0.3 differs from 0.3 + 0.2 + 0.1 in the last bit; the sample mean (sum ÷ count) must use the first.
    DemoDetermination forward = UnitDetermination();
    DemoDetermination backward = UnitDetermination();
    forward.assays.erase(forward.assays.begin() + 8, forward.assays.begin() + 10);
    backward.assays.erase(backward.assays.begin() + 8, backward.assays.begin() + 10);
    for (double h : {0.1, 0.2, 0.3}) forward.assays.push_back(Assay(DemoRole::Sample, h));
    for (double h : {0.3, 0.2, 0.1}) backward.assays.push_back(Assay(DemoRole::Sample, h));
    EXPECT_EQ(ComputeExpectedWater(forward).water, (1.0 * 2.0 / 4.0) * ((0.1 + 0.2 + 0.3) / 3 - 4.0 / 2));
    EXPECT_EQ(ComputeExpectedWater(backward).water, (1.0 * 2.0 / 4.0) * ((0.3 + 0.2 + 0.1) / 3 - 4.0 / 2));
}

TEST(Determination, HoldsEveryRoleTwiceWithItsKeywords) {
    DemoOptions options;
    options.firstId = 40;
    const DemoDetermination d = PlanDetermination(options);
    ASSERT_EQ(d.assays.size(), 14u);
    const std::pair<DemoRole, const wchar_t*> expected[] = {
        {DemoRole::DriedCalibration, L"осуш"}, {DemoRole::DriedCalibration, L"осуш"},
        {DemoRole::Level1, L"град1"},          {DemoRole::Level1, L"град1"},
        {DemoRole::Level2, L"град2"},          {DemoRole::Level2, L"град2"},
        {DemoRole::Level3, L"град3"},          {DemoRole::Level3, L"град3"},
        {DemoRole::Level4, L"град4"},          {DemoRole::Level4, L"град4"},
        {DemoRole::DriedAnalysis, L"проб"},    {DemoRole::DriedAnalysis, L"проб"},
        {DemoRole::Sample, L"проб"},           {DemoRole::Sample, L"проб"},
    };
    for (std::size_t i = 0; i < d.assays.size(); ++i) {
        EXPECT_EQ(d.assays[i].id, 40 + static_cast<int32_t>(i));
        EXPECT_EQ(d.assays[i].role, expected[i].first) << i;
        EXPECT_NE(d.assays[i].sample.find(expected[i].second), std::wstring::npos) << i;
        EXPECT_GT(d.assays[i].height, 0.0);
    }
    EXPECT_TRUE(ComputeExpectedWater(d).errors.empty());

    options.apartLevel = 4;
    const DemoDetermination apart = PlanDetermination(options);
    EXPECT_EQ(apart.assays[9].height, std::nearbyint(apart.assays[8].height * 1.12 * 10000.0) / 10000.0);
}

TEST(Synthetic, ChannelsAreReproducibleAndCarryTheirPeaks) {
    SyntheticChromatogram chromatogram;
    chromatogram.sampleCount = 3000;
    chromatogram.seed = 7;
    chromatogram.channels = {{1, 0.5, 0.01, {{L"вода", 12.0, 100.0, 0.5}}}, {2, 1.0, 0.0, {}}};
    const auto channels = SynthesizeChannels(chromatogram);
    EXPECT_EQ(channels[0].samples, SynthesizeChannels(chromatogram)[0].samples);
    ASSERT_EQ(channels.size(), 2u);
    ASSERT_EQ(channels[0].samples.size(), 3000u);
    const float top = *std::max_element(channels[0].samples.begin(), channels[0].samples.end());
    EXPECT_NEAR(top, 100.5, 0.05);
    EXPECT_NEAR(channels[0].samples[1200], 100.5, 0.05);
    ASSERT_EQ(channels[0].table.size(), 1u);
    EXPECT_EQ(channels[0].table[0].area, GaussianArea(100.0, 0.5));
    EXPECT_EQ(channels[0].table[0].name, L"вода");
    EXPECT_TRUE(channels[1].table.empty());
    EXPECT_NEAR(channels[1].samples[0], 1.0, 1e-6);
}

TEST(StoredPath, UsesTheFoldersOwnSeparator) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"C:\\users\\Public\\demo", L"C:\\users\\Public\\demo\\a.stg"},
        {L"Z:\\tmp\\", L"Z:\\tmp\\a.stg"},
        {L"Z:", L"Z:\\a.stg"},
        {L"/tmp/demo", L"/tmp/demo/a.stg"},
        {L"/tmp/demo/", L"/tmp/demo/a.stg"},
        {L"", L"a.stg"},
    };
    for (const auto& [folder, path] : cases) EXPECT_EQ(StoredPath(folder, L"a.stg"), path) << folder.size();
}

TEST(CommandLine, NumbersAreReadWhole) {
    EXPECT_EQ(ParseDouble(L"0.10000000000000001"), 0.1);
    EXPECT_EQ(ParseDouble(L"9.9931999999999999"), 9.9932);
    EXPECT_EQ(ParseDouble(L"-2.5e-3"), -0.0025);
    EXPECT_EQ(ParseUnsigned(L"4294967295"), 4294967295u);
    const wchar_t* const notNumbers[] = {L"", L"1x", L" 1", L"1,5", L"один", L"+1"};
    for (const wchar_t* text : notNumbers) {
        EXPECT_EQ(ParseDouble(text), std::nullopt) << text;
        EXPECT_EQ(ParseUnsigned(text), std::nullopt) << text;
    }
    EXPECT_EQ(ParseUnsigned(L"18446744073709551616"), std::nullopt);
    EXPECT_EQ(ParseUnsigned(L"-1"), std::nullopt);
}

TEST(CommandLine, OptionsComeInPairsOfKnownNames) {
    const std::vector<std::wstring> known = {L"db", L"ids"};
    const auto options = ParseOptions({L"tool", L"--db", L"a b.db", L"--ids", L"1,2"}, known);
    ASSERT_TRUE(options.has_value());
    EXPECT_EQ(options->at(L"db"), L"a b.db");
    EXPECT_EQ(options->at(L"ids"), L"1,2");
    const std::vector<std::vector<std::wstring>> refused = {
        {L"tool", L"--db"},
        {L"tool", L"db", L"x"},
        {L"tool", L"--other", L"x"},
        {L"tool", L"--db", L"x", L"--db", L"y"},
    };
    for (const auto& args : refused) EXPECT_EQ(ParseOptions(args, known), std::nullopt) << args.size();
}

}  // namespace
