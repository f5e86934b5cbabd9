// The document part: the passport and channel trees, the value parsing rules and the writer's round trip.

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <functional>

#include <pugixml.hpp>

#include "chromfile/file_document.h"
#include "tests/chromfile/chrom_test_files.h"

namespace {

bool ReadDocument(const std::string& document, Passport& passport, std::vector<ChannelRecord>& channels) {
    return ReadFileDocument(document.data(), document.size(), passport, channels);
}

// The one peak of channel 1 whose "item" holds children.
PeakTableItem ItemOf(const std::string& children) {
    Passport passport;
    std::vector<ChannelRecord> channels = {MakeChannel(1, {})};
    EXPECT_TRUE(ReadDocument(DocumentWith("<channels><channel><number value=\"1\"/><table><item>" + children +
                                          "</item></table></channel></channels>"),
                             passport, channels));
    return channels[0].table.empty() ? PeakTableItem{} : channels[0].table[0];
}

struct ItemCase {
    const char* children;
    std::function<void(PeakTableItem&)> expect;
};

class PeakItemParsing : public ::testing::TestWithParam<ItemCase> {};

TEST_P(PeakItemParsing, GivesExpectedItem) {
    PeakTableItem expected;
    GetParam().expect(expected);
    EXPECT_EQ(ItemOf(GetParam().children), expected) << GetParam().children;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PeakItemParsing,
    ::testing::Values(ItemCase{"", [](PeakTableItem&) {}},
                      ItemCase{"<left/><right/>", [](PeakTableItem& p) { p.left = p.right = -1; }},
                      ItemCase{"<left value=\"abc\"/>", [](PeakTableItem& p) { p.left = 0; }},
                      ItemCase{"<left value=\"\"/>", [](PeakTableItem& p) { p.left = 0; }},
                      ItemCase{"<left value=\" \t+12x\"/>", [](PeakTableItem& p) { p.left = 12; }},
                      ItemCase{"<left value=\"0x1F\"/><right value=\"-0x10\"/>",
                               [](PeakTableItem& p) { p.left = 31, p.right = -16; }},
                      ItemCase{"<left value=\"99999999999\"/><right value=\"-99999999999\"/>",
                               [](PeakTableItem& p) { p.left = INT_MAX, p.right = INT_MIN; }},
                      ItemCase{"<flags value=\"-1\"/>", [](PeakTableItem& p) { p.flags = 0; }},
                      ItemCase{"<flags value=\"4294967296\"/>", [](PeakTableItem& p) { p.flags = 4294967295u; }},
                      ItemCase{"<flags value=\"0xFFFFFFFF\"/>", [](PeakTableItem& p) { p.flags = 4294967295u; }},
                      ItemCase{"<reference value=\"Yes\"/>", [](PeakTableItem& p) { p.reference = true; }},
                      ItemCase{"<reference value=\"yes\"/>", [](PeakTableItem& p) { p.reference = true; }},
                      ItemCase{"<reference value=\"T\"/>", [](PeakTableItem& p) { p.reference = true; }},
                      ItemCase{"<reference value=\"1\"/>", [](PeakTableItem& p) { p.reference = true; }},
                      ItemCase{"<reference value=\"no\"/>", [](PeakTableItem&) {}},
                      ItemCase{"<reference value=\"0\"/>", [](PeakTableItem&) {}},
                      ItemCase{"<reference value=\" true\"/>", [](PeakTableItem&) {}},
                      ItemCase{"<reference/>", [](PeakTableItem&) {}},
                      ItemCase{"<time value=\"1e3\"/><area value=\" -2.5\"/><height value=\"abc\"/>",
                               [](PeakTableItem& p) { p.time = 1000, p.area = -2.5; }},
                      ItemCase{"<index value=\"0.10000000000000001\"/><concent value=\"4.9406564584124654e-324\"/>",
                               [](PeakTableItem& p) { p.index = 0.1, p.concent = 4.9406564584124654e-324; }},
                      ItemCase{"<name value=\"a&amp;b&#10;&#x44B;\"/>", [](PeakTableItem& p) { p.name = L"a&b\nы"; }},
                      ItemCase{"<name>text only</name><Time value=\"3\"/>", [](PeakTableItem&) {}},
                      // The first of two elements of one name counts.
                      ItemCase{"<time value=\"1\"/><time value=\"2\"/>", [](PeakTableItem& p) { p.time = 1; }}));

// Reads a passport over one that already holds values, as a second load does.
Passport PassportOf(const std::string& document) {
    Passport passport;
    passport.series = L"kept";
    passport.columns = {ColumnRecord{}};
    passport.extras = {{L"old", L"", L""}};
    std::vector<ChannelRecord> channels;
    EXPECT_TRUE(ReadDocument(document, passport, channels));
    return passport;
}

struct PassportCase {
    const char* name;
    const char* document;
    std::function<void(Passport&)> expect;
};

class PassportReading : public ::testing::TestWithParam<PassportCase> {};

TEST_P(PassportReading, GivesExpectedPassport) {
    Passport expected;
    expected.series = L"kept";
    GetParam().expect(expected);
    EXPECT_EQ(PassportOf(GetParam().document), expected);
}

ColumnRecord Column(int32_t channel, const wchar_t* name) {
    ColumnRecord column;
    column.channel = channel;
    column.name = name;
    return column;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PassportReading,
    ::testing::Values(
        PassportCase{"NoRoot", "<other><passport><sample value=\"x\"/></passport></other>", [](Passport&) {}},
        PassportCase{"NoPassport", "<root/>", [](Passport&) {}},
        PassportCase{"EmptyPassport", "<root><passport/></root>", [](Passport&) {}},
        PassportCase{"CapitalisedNameIsExtra", "<root><passport><Sample title=\"T\" value=\"V\"/></passport></root>",
                     [](Passport& p) {
                         p.extras = {{L"Sample", L"T", L"V"}};
                     }},
        PassportCase{"ExtraWithoutAttributes", "<root><passport><note/></passport></root>",
                     [](Passport& p) {
                         p.extras = {{L"note", L"", L""}};
                     }},
        PassportCase{"TextAndCdataAreEmptyExtras",
                     "<root><passport>text<![CDATA[data]]><sample value=\"s\"/></passport></root>",
                     [](Passport& p) {
                         p.extras = {{}, {}}, p.sample = L"s";
                     }},
        PassportCase{"TwoColumnsInOrder",
                     "<root><passport><column><channel value=\"2\"/><name value=\"B\"/></column>"
                     "<column><channel value=\"1\"/><name value=\"A\"/></column></passport></root>",
                     [](Passport& p) {
                         p.columns = {Column(2, L"B"), Column(1, L"A")};
                     }},
        PassportCase{"LaterValueWins",
                     "<root><passport><sample value=\"a\"/><sample value=\"b\"/><series/></passport></root>",
                     [](Passport& p) { p.sample = L"b", p.series = L""; }},
        PassportCase{"Integers",
                     "<root><passport><andate value=\"9223372036854775808\"/><date value=\"-x\"/>"
                     "<duration value=\"12.5\"/></passport></root>",
                     [](Passport& p) { p.andate = LLONG_MAX, p.duration = 12.5; }},
        PassportCase{"Booleans", "<root><passport><graduation value=\"Y\"/><defect value=\"false\"/></passport></root>",
                     [](Passport& p) { p.graduation = true; }},
        PassportCase{"AssayIdWithoutValueIsEmpty", "<root><passport><assayid/></passport></root>",
                     [](Passport& p) { p.assayid = L""; }},
        PassportCase{"ColumnValuesOnlyFromTheirOwnElements",
                     "<root><passport><column value=\"9\"><channel/><type value=\"0x10\"/>"
                     "<film value=\"1e-3\"/></column></passport></root>",
                     [](Passport& p) {
                         ColumnRecord column;
                         column.type = 16;
                         column.film = 1e-3;
                         p.columns = {column};
                     }}),
    [](const auto& instance) { return std::string(instance.param.name); });

struct ChannelsCase {
    const char* name;
    const char* channels;
    std::vector<uint32_t> blocks;
    // Names of the peaks each block ends up with.
    std::vector<std::vector<std::wstring>> tables;
};

class ChannelReading : public ::testing::TestWithParam<ChannelsCase> {};

TEST_P(ChannelReading, FillsMatchingBlocks) {
    std::vector<ChannelRecord> channels;
    for (uint32_t number : GetParam().blocks) channels.push_back(MakeChannel(number, {}));
    Passport passport;
    ASSERT_TRUE(ReadDocument(DocumentWith(GetParam().channels), passport, channels));

    std::vector<std::vector<std::wstring>> tables;
    for (const ChannelRecord& channel : channels) {
        tables.emplace_back();
        for (const PeakTableItem& item : channel.table) tables.back().push_back(item.name);
    }
    EXPECT_EQ(tables, GetParam().tables);
}

#define CHANNEL(number, items) "<channel><number value=\"" number "\"/><table>" items "</table></channel>"
#define ITEM(name) "<item><name value=\"" name "\"/></item>"

INSTANTIATE_TEST_SUITE_P(
    Rules, ChannelReading,
    ::testing::Values(
        ChannelsCase{"NoChannelsElement", "", {1, 2}, {{}, {}}},
        ChannelsCase{"InDocumentOrderOfItems",
                     "<channels>" CHANNEL("2", ITEM("a") ITEM("b")) "</channels>",
                     {1, 2},
                     {{}, {L"a", L"b"}}},
        ChannelsCase{"RepeatedNumberReplaces",
                     "<channels>" CHANNEL("1", ITEM("first")) CHANNEL("1", ITEM("second")) "</channels>",
                     {1},
                     {{L"second"}}},
        ChannelsCase{"RepeatWithoutTableEmpties",
                     "<channels>" CHANNEL("1", ITEM("first")) "<channel><number value=\"1\"/></channel></channels>",
                     {1},
                     {{}}},
        ChannelsCase{
            "FirstOfTwoBlocksWithNumber", "<channels>" CHANNEL("5", ITEM("x")) "</channels>", {5, 5}, {{L"x"}, {}}},
        ChannelsCase{
            "Number300MatchesNoBlock", "<channels>" CHANNEL("300", ITEM("x")) "</channels>", {44, 255}, {{}, {}}},
        ChannelsCase{"NegativeSkipped", "<channels>" CHANNEL("-1", ITEM("x")) "</channels>", {255}, {{}}},
        ChannelsCase{"NumberWithoutValueSkipped",
                     "<channels><channel><number/><table>" ITEM("x") "</table></channel></channels>",
                     {0},
                     {{}}},
        ChannelsCase{"NumberWithoutDigitsIsZero", "<channels>" CHANNEL("abc", ITEM("x")) "</channels>", {0}, {{L"x"}}},
        ChannelsCase{"OtherElementsSkipped",
                     "<channels><chan><number value=\"1\"/></chan>" CHANNEL("1", ITEM("x") "<peak/>") "</channels>",
                     {1},
                     {{L"x"}}}),
    [](const auto& instance) { return std::string(instance.param.name); });

#undef ITEM
#undef CHANNEL

TEST(FileDocument, MalformedLeavesTargetsUntouched) {
    Passport passport;
    passport.columns = {ColumnRecord{}};
    std::vector<ChannelRecord> channels = {MakeChannel(1, {})};
    channels[0].table = {MakePeak(1.0, L"kept")};
    EXPECT_FALSE(ReadDocument("<root><passport></root>", passport, channels));
    EXPECT_EQ(passport.columns.size(), 1u);
    EXPECT_EQ(channels[0].table.size(), 1u);
}

// Lets the XML parser allocate a number of times, then refuses, for as long as the object lives.
class ParserAllocationLimit {
public:
    explicit ParserAllocationLimit(int allowed)
        : allocate_(pugi::get_memory_allocation_function()), deallocate_(pugi::get_memory_deallocation_function()) {
        left_ = allowed;
        pugi::set_memory_management_functions(&Allocate, &std::free);
    }
    ~ParserAllocationLimit() { pugi::set_memory_management_functions(allocate_, deallocate_); }
    ParserAllocationLimit(const ParserAllocationLimit&) = delete;
    ParserAllocationLimit& operator=(const ParserAllocationLimit&) = delete;

private:
    static void* Allocate(size_t size) { return left_-- > 0 ? std::malloc(size) : nullptr; }

    static inline int left_ = 0;
    pugi::allocation_function allocate_;
    pugi::deallocation_function deallocate_;
};

// Running out of memory at any allocation of the parser is a failed document, never a half-read one.
TEST(FileDocument, ParserOutOfMemoryAtEveryAllocation) {
    const ChromFileSpec spec = FullSpec();
    const std::string document = WriteChromDocument(spec.passport, spec.channels);
    Passport before;
    before.sample = L"before";
    std::vector<ChannelRecord> blocks = spec.channels;
    for (ChannelRecord& channel : blocks) channel.table.clear();

    bool loaded = false;
    int allowed = 0;
    for (; !loaded && allowed < 1000; ++allowed) {
        SCOPED_TRACE("allocations allowed: " + std::to_string(allowed));
        Passport passport = before;
        std::vector<ChannelRecord> channels = blocks;
        {
            const ParserAllocationLimit limit(allowed);
            loaded = ReadDocument(document, passport, channels);
        }
        if (loaded) {
            EXPECT_EQ(channels, spec.channels);
        } else {
            EXPECT_EQ(passport, before);
            EXPECT_EQ(channels, blocks);
        }
    }
    EXPECT_TRUE(loaded);
    EXPECT_GT(allowed, 2);
}

TEST(FileDocument, LoadReportsParserOutOfMemory) {
    const std::string bytes = WriteChromFile(FullSpec());
    CVeltroxFile4 file;
    const ParserAllocationLimit limit(0);
    EXPECT_EQ(LoadBytes(file, bytes), CVeltroxFile4::kBadDocument);
    EXPECT_EQ(file.channels.size(), 2u);
}

// What the writer writes, the reader gives back field for field.
TEST(FileDocument, WriterRoundTrip) {
    ChromFileSpec spec = FullSpec();
    spec.passport.extras.push_back({});
    CVeltroxFile4 file;
    const TempFile temp;
    temp.Write(WriteChromFile(spec));
    ASSERT_EQ(file.Load(temp.WidePath().c_str()), CVeltroxFile4::kLoaded);
    spec.passport.path = temp.WidePath();
    EXPECT_EQ(file.passport, spec.passport);
    EXPECT_EQ(file.channels, spec.channels);
}

TEST(FileDocument, AbsentPassportKeepsInitialAssayId) {
    ChromFileSpec spec;
    spec.document = DocumentWith("<channels/>");
    CVeltroxFile4 file;
    ASSERT_EQ(LoadBytes(file, WriteChromFile(spec)), CVeltroxFile4::kLoaded);
    EXPECT_EQ(file.passport.assayid, L"00000000-0000-0000-0000-000000000000");
    EXPECT_FALSE(file.passport.path.empty());
}

}  // namespace
