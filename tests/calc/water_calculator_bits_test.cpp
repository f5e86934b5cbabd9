// Fixed determinations whose every result is compared bit for bit. The expected patterns were computed
// independently in the method's groupings; the native and the Windows build must both reproduce them.
#include "tests/calc/calc_fixture.h"

#include <array>
#include <cstdio>
#include <iterator>

namespace {

using namespace calctest;

struct Chromatogram {
    const wchar_t* sample;
    double height;
};

struct Determination {
    const char* name;
    std::vector<Chromatogram> chromatograms;
    FormValues form;
    std::array<uint64_t, std::size(kResultNumbers)> expected;
};

// Roles come from the sample names, as the list refresh assigns them.
SampleSet FromSamples(const std::vector<Chromatogram>& chromatograms) {
    SampleSet set;
    uint32_t id = 100;
    for (const Chromatogram& c : chromatograms) {
        AssayEntry entry;
        entry.id = id++;
        entry.sample = c.sample;
        entry.peaks.push_back(NamedPeak(L"вода", c.height));
        AssignRole(entry, &BuiltInText);
        set.append(std::move(entry));
    }
    return set;
}

const Determination kDeterminations[] = {
    {"typical",
     {{L"осуш. град", 0.0123},
      {L"осуш. град", 0.0131},
      {L"осуш. град", 0.0127},
      {L"град1 a", 0.1125},
      {L"град1 b", 0.1098},
      {L"град2 a", 0.1089},
      {L"град2 b", 0.1102},
      {L"град3 a", 0.2154},
      {L"град3 b", 0.2201},
      {L"град4 a", 0.3211},
      {L"град4 b", 0.3189},
      {L"осуш. проба", 0.0140},
      {L"осуш. проба", 0.0136},
      {L"проба 1", 0.0874},
      {L"проба 2", 0.0861}},
     Masses(9.87, 10.12, 10.03, 9.95, 3.117, 8.412),
     {0x4023BD70A3D70A3Du, 0x40243D70A3D70A3Du, 0x40240F5C28F5C28Fu, 0x4023E66666666666u, 0x3FB9E2A39C9BD4A3u,
      0x3FB93EF0033CE9F2u, 0x3FC978EE1522267Eu, 0x3FD342050AF5DCE9u, 0x3FF06EDB0F8FC864u, 0x3FF04AB6A41F1D83u,
      0x3FEF0E6A1FA24D44u, 0x3FEF55826A4DF9B9u, 0x3FEFF5C3FC5384B3u, 0x40036EE616CD36FFu, 0x3FF2FC9C9159DA10u,
      0x4001447B71BEC026u, 0x3FE5FFFFFFFFFFC7u, 0x40193264C9932651u, 0x4016A67478B7988Du, 0x4007303B5CC0ED84u,
      0x3FF7FA19156512A3u, 0x4008EF9DB22D0E56u, 0x4020D2F1A9FBE76Du, 0x3F9BA52C6C53D6EEu}},
    {"every check failing",
     {{L"осуш град", 5.0},
      {L"осуш град", 5.7},
      {L"град1", 100.0},
      {L"град1", 112.0},
      {L"град2", 50.3},
      {L"град2", 61.9},
      {L"град3", 80.0},
      {L"град3", 99.0},
      {L"град4", 140.0},
      {L"град4", 120.0},
      {L"проб осуш", 3.0},
      {L"проб осуш", 3.9},
      {L"проба", 200.0},
      {L"проба", 224.0},
      {L"проба", 231.5}},
     Masses(1.5, 2.25, 0.75, 3.0, 0.125, 1.75),
     {0x3FF8000000000000u, 0x4002000000000000u, 0x3FE8000000000000u, 0x4008000000000000u, 0x3FE54A6921735EE4u,
      0x3FDC6336D7447E85u, 0x40054A6921735EE4u, 0x3FEFEF9DB22D0E57u, 0x3F7B1378996F7E66u, 0x3F81E64869781D56u,
      0x3FA0314AA208F3BFu, 0x3F8065AB3AB995CAu, 0x3F8C26B69E435054u, 0x4026A439F656F183u, 0x4034AD679621C4AFu,
      0x40353AA30A02DC3Fu, 0x402EC4EC4EC4EC4Fu, 0x402A2B10BF66E0E8u, 0x4066BFA675BD2D44u, 0x403A1642C8590B20u,
      0x4026A439F656F183u, 0x3FC0000000000000u, 0x3FFC000000000000u, 0x3FCB06C43C6589DDu}},
    // Heights whose four coefficients sum to a different double in 22 of the 23 other orders (k1 + k2 + k4 + k3
    // among them), so the mean coefficient shows the method's grouping.
    {"grouping-sensitive",
     {{L"осуш. град", 0.0123},
      {L"осуш. град", 0.0127},
      {L"осуш. град", 0.0128},
      {L"град1 a", 0.1124},
      {L"град1 b", 0.1081},
      {L"град2 a", 0.1106},
      {L"град2 b", 0.1121},
      {L"град3 a", 0.2149},
      {L"град3 b", 0.2159},
      {L"град4 a", 0.3206},
      {L"град4 b", 0.3114},
      {L"осуш. проба", 0.0137},
      {L"осуш. проба", 0.0135},
      {L"проба 1", 0.0853},
      {L"проба 2", 0.0858}},
     Masses(9.87, 10.12, 10.03, 9.95, 3.117, 8.412),
     {0x4023BD70A3D70A3Du, 0x40243D70A3D70A3Du, 0x40240F5C28F5C28Fu, 0x4023E66666666666u, 0x3FB9E2A39C9BD4A3u,
      0x3FB93EF0033CE9F2u, 0x3FC978EE1522267Eu, 0x3FD342050AF5DCE9u, 0x3FF091520A93B6A1u, 0x3FEFF4EF00DBB03Cu,
      0x3FEF669F2EC112ABu, 0x3FEFBC9ED6D4765Au, 0x3FF0075A237314D1u, 0x400F33AA160F17CAu, 0x3FF58DBCA33BA91Eu,
      0x3FDDB6505778FCF0u, 0x40074A8819EC8E8Bu, 0x400FBEFBEFBEFBF7u, 0x4015A44B72E1B559u, 0x3FF7878787878799u,
      0x3FE2B3D7E6DD237Au, 0x4008EF9DB22D0E56u, 0x4020D2F1A9FBE76Du, 0x3F9B596F802B57A1u}},
};

TEST(WaterCalculatorBits, SameResultsOnEveryTarget) {
    for (const Determination& d : kDeterminations) {
        SCOPED_TRACE(d.name);
        const Outcome out = Calculate(FromSamples(d.chromatograms), d.form);
        ASSERT_TRUE(out.stops.empty());
        for (std::size_t i = 0; i < std::size(kResultNumbers); ++i) {
            const uint64_t actual = Bits(out.results.*kResultNumbers[i]);
            char line[64];
            std::snprintf(line, sizeof line, "field %u: %016llX", static_cast<unsigned>(i),
                          static_cast<unsigned long long>(actual));
            EXPECT_EQ(actual, d.expected[i]) << line;
        }
        EXPECT_EQ(Bits(out.form.water), d.expected.back());
    }
}

}  // namespace
