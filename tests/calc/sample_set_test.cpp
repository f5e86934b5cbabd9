#include "calc/sample_set.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <utility>

namespace {

AssayEntry EntryWithSample(const wchar_t* sample) {
    AssayEntry entry;
    entry.sample = sample;
    return entry;
}

AssayEntry EntryWithId(uint32_t id, const wchar_t* sample = L"") {
    AssayEntry entry;
    entry.id = id;
    entry.sample = sample;
    return entry;
}

struct RoleCase {
    const wchar_t* sample;
    AssayRole role;
    const wchar_t* text;  // nullptr: no rule holds
};

const RoleCase kRoleCases[] = {
    // One rule each, in table order.
    {L"осуш град", AssayRole::DriedCalibration, L"осуш. градуировка"},
    {L"р-р град1", AssayRole::Calibration1, L"Градуировка 1"},
    {L"град2", AssayRole::Calibration2, L"Градуировка 2"},
    {L"xград3x", AssayRole::Calibration3, L"Градуировка 3"},
    {L"град4", AssayRole::Calibration4, L"Градуировка 4"},
    {L"проба осуш", AssayRole::DriedAnalysis, L"осуш. анализ"},
    {L"проба 17", AssayRole::Analysis, L"анализ"},
    // The first rule that holds decides.
    {L"осуш град1", AssayRole::DriedCalibration, L"осуш. градуировка"},
    {L"проб осуш град1", AssayRole::DriedCalibration, L"осуш. градуировка"},
    {L"град12", AssayRole::Calibration1, L"Градуировка 1"},
    {L"град3 град2", AssayRole::Calibration2, L"Градуировка 2"},
    {L"проба град4", AssayRole::Calibration4, L"Градуировка 4"},
    {L"осушенная проба", AssayRole::DriedAnalysis, L"осуш. анализ"},
    // Keywords are lower case and case-sensitive.
    {L"Проба", AssayRole::DriedCalibration, nullptr},
    {L"Градуировка 1", AssayRole::DriedCalibration, nullptr},
    {L"ОСУШ град", AssayRole::DriedCalibration, nullptr},
    {L"град", AssayRole::DriedCalibration, nullptr},
    {L"осуш", AssayRole::DriedCalibration, nullptr},
    {L"", AssayRole::DriedCalibration, nullptr},
};

TEST(AssignRole, RoleTable) {
    for (const RoleCase& c : kRoleCases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - kRoleCases));
        AssayEntry entry = EntryWithSample(c.sample);
        const std::optional<std::wstring> reported = AssignRole(entry, &BuiltInText);
        EXPECT_EQ(entry.role, c.role);
        if (c.text == nullptr) {
            EXPECT_FALSE(reported.has_value());
            EXPECT_TRUE(entry.roleText.empty());
        } else {
            EXPECT_EQ(reported, std::wstring(c.text));
            EXPECT_EQ(entry.roleText, c.text);
        }
    }
}

TEST(AssignRole, NoMatchKeepsWhatTheEntryHad) {
    AssayEntry entry = EntryWithSample(L"Проба");
    entry.role = AssayRole::Analysis;
    entry.roleText = L"анализ";
    EXPECT_FALSE(AssignRole(entry, &BuiltInText).has_value());
    EXPECT_EQ(entry.role, AssayRole::Analysis);
    EXPECT_EQ(entry.roleText, L"анализ");
}

TEST(AssayEntry, NewEntryStartsEmptyWithLowestBlockValues) {
    const AssayEntry entry;
    EXPECT_EQ(entry.role, AssayRole::DriedCalibration);
    EXPECT_EQ(entry.rowChecked, 0);
    EXPECT_TRUE(entry.roleText.empty());
    EXPECT_TRUE(entry.peaks.empty() && entry.channels.empty() && entry.traces.empty());
    EXPECT_EQ(std::bit_cast<uint64_t>(entry.blockValueA), 0xFFEFFFFFFFFFFFFFu);
    EXPECT_EQ(std::bit_cast<uint64_t>(entry.blockValueB), 0xFFEFFFFFFFFFFFFFu);
}

std::vector<uint32_t> Ids(const SampleSet& set) {
    std::vector<uint32_t> ids;
    for (const AssayEntry& entry : set) ids.push_back(entry.id);
    return ids;
}

TEST(SampleSet, AppendAnswersIndexAndKeepsIdsUnique) {
    SampleSet set;
    EXPECT_EQ(set.append(EntryWithId(7, L"first")), 0);
    EXPECT_EQ(set.append(EntryWithId(0xFFFFFFFDu)), 1);
    EXPECT_EQ(set.append(EntryWithId(7, L"second")), 0);
    EXPECT_EQ(set.count(), 2);
    EXPECT_EQ(set.entry(0).sample, L"first");
    EXPECT_EQ(set.indexOf(0xFFFFFFFDu), 1);
    EXPECT_EQ(set.indexOf(8), -1);
}

TEST(SampleSet, AppendMovesSequencesWithoutCopying) {
    AssayEntry entry = EntryWithId(1);
    entry.peaks.resize(3);
    entry.traces.assign(2, std::vector<double>(1000, 1.5));
    const PeakRecord* peaks = entry.peaks.data();
    const double* trace = entry.traces[1].data();
    SampleSet set;
    set.append(std::move(entry));
    EXPECT_EQ(set.entry(0).peaks.data(), peaks);
    EXPECT_EQ(set.entry(0).traces[1].data(), trace);
}

TEST(SampleSet, RemoveClosesTheGapAndKeepsOrder) {
    SampleSet set;
    for (uint32_t id : {10u, 20u, 30u}) set.append(EntryWithId(id));
    set.remove(20);
    EXPECT_EQ(Ids(set), (std::vector<uint32_t>{10, 30}));
    set.remove(99);
    EXPECT_EQ(Ids(set), (std::vector<uint32_t>{10, 30}));
    EXPECT_EQ(set.indexOf(30), 1);
    EXPECT_EQ(set.append(EntryWithId(20)), 2);
    EXPECT_EQ(Ids(set), (std::vector<uint32_t>{10, 30, 20}));
    set.removeAll();
    EXPECT_EQ(set.count(), 0);
    EXPECT_EQ(set.begin(), set.end());
}

struct PeakKey {
    int32_t channel;
    double time;
    friend bool operator==(const PeakKey&, const PeakKey&) = default;
};

std::vector<PeakKey> Sorted(const std::vector<PeakKey>& keys) {
    AssayEntry entry;
    for (const PeakKey& key : keys) {
        PeakRecord peak;
        peak.channel = key.channel;
        peak.time = key.time;
        entry.peaks.push_back(peak);
    }
    SortPeaks(entry);
    std::vector<PeakKey> sorted;
    for (const PeakRecord& peak : entry.peaks) sorted.push_back({peak.channel, peak.time});
    return sorted;
}

struct OrderCase {
    std::vector<PeakKey> input;
    std::vector<PeakKey> expected;
};

TEST(PeakOrder, ByChannelThenTime) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    const OrderCase cases[] = {
        {{{2, 1.0}, {1, 5.0}, {1, 2.0}}, {{1, 2.0}, {1, 5.0}, {2, 1.0}}},
        {{{0, 3.5}, {0, -1.0}, {0, 0.0}}, {{0, -1.0}, {0, 0.0}, {0, 3.5}}},
        // Channel numbers whose 32-bit product with 1000 would overflow.
        {{{3000000, 1.0}, {2147483, 9.0}, {2147484, 0.5}, {2147484, 0.25}},
         {{2147483, 9.0}, {2147484, 0.25}, {2147484, 0.5}, {3000000, 1.0}}},
        {{{kMax, 2.0}, {kMin, 5.0}, {kMax, 1.0}, {-1, 0.0}, {kMax - 1, 7.0}},
         {{kMin, 5.0}, {-1, 0.0}, {kMax - 1, 7.0}, {kMax, 1.0}, {kMax, 2.0}}},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_TRUE(Sorted(c.input) == c.expected);
    }
}

TEST(PeakOrder, EqualChannelAndTimeKeepReadingOrder) {
    AssayEntry entry;
    for (const wchar_t* id : {L"a", L"b", L"c"}) {
        PeakRecord peak;
        peak.nameid = id;
        peak.channel = 4;
        peak.time = 1.25;
        entry.peaks.push_back(peak);
    }
    SortPeaks(entry);
    EXPECT_EQ(entry.peaks[0].nameid + entry.peaks[1].nameid + entry.peaks[2].nameid, L"abc");
}

TEST(PeakOrder, TimeThatIsNotANumberStillOrdersChannels) {
    const double nan = std::nan("");
    const std::vector<PeakKey> sorted = Sorted({{3, 1.0}, {1, nan}, {2, 4.0}, {1, 0.5}, {2, nan}, {1, 2.0}});
    ASSERT_EQ(sorted.size(), 6u);
    for (std::size_t i = 1; i < sorted.size(); ++i) EXPECT_LE(sorted[i - 1].channel, sorted[i].channel);
}

}  // namespace
