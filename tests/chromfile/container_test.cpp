// The container: header, channel blocks and where the document starts, by failure class.

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "tests/chromfile/chrom_test_files.h"

namespace {

constexpr size_t kHeader = 16;
constexpr size_t kBlockHeader = 32;

// A reader that already holds another file, so that what a failed load keeps can be told from what it sets.
CVeltroxFile4 PreviouslyLoaded() {
    ChromFileSpec previous;
    previous.passport.sample = L"earlier";
    previous.channels = {MakeChannel(7, {1.0f}), MakeChannel(8, {}), MakeChannel(9, {2.0f, 3.0f})};
    previous.channels[0].table = {MakePeak(1.0, L"old")};
    CVeltroxFile4 file;
    EXPECT_EQ(LoadBytes(file, WriteChromFile(previous)), 0);
    return file;
}

void SetCount(std::string& bytes, size_t blockStart, uint64_t count) {
    std::memcpy(&bytes[blockStart + 24], &count, sizeof count);
}

TEST(ChromContainer, MissingFileCannotBeOpened) {
    CVeltroxFile4 file = PreviouslyLoaded();
    const TempFile absent;
    EXPECT_EQ(file.Load(absent.WidePath().c_str()), CVeltroxFile4::kCannotOpen);
    EXPECT_EQ(Numbers(file), (std::vector<uint32_t>{7, 8, 9}));
    EXPECT_EQ(file.passport.sample, L"earlier");
}

struct HeaderCase {
    const char* name;
    size_t offset;
    char byte;
    int32_t result;
};

class ChromHeader : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(ChromHeader, LeavesObjectUntouchedUnlessLoaded) {
    std::string bytes = WriteChromFile(FullSpec());
    bytes[GetParam().offset] = GetParam().byte;
    CVeltroxFile4 file = PreviouslyLoaded();
    ASSERT_EQ(LoadBytes(file, bytes), GetParam().result);
    if (GetParam().result != CVeltroxFile4::kLoaded) {
        EXPECT_EQ(file.version, 1);
        EXPECT_EQ(Numbers(file), (std::vector<uint32_t>{7, 8, 9}));
        EXPECT_EQ(file.passport.sample, L"earlier");
    } else {
        EXPECT_EQ(file.version, static_cast<uint8_t>(bytes[3]));
        EXPECT_EQ(Numbers(file), (std::vector<uint32_t>{1, 255}));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ChromHeader,
                         ::testing::Values(HeaderCase{"LowerCaseS", 0, 's', CVeltroxFile4::kBadSignature},
                                           HeaderCase{"LowerCaseT", 1, 't', CVeltroxFile4::kBadSignature},
                                           HeaderCase{"LowerCaseG", 2, 'g', CVeltroxFile4::kBadSignature},
                                           HeaderCase{"ZeroSignature", 0, '\0', CVeltroxFile4::kBadSignature},
                                           HeaderCase{"Version0", 3, '\0', CVeltroxFile4::kLoaded},
                                           HeaderCase{"Version2", 3, '\2', CVeltroxFile4::kBadVersion},
                                           HeaderCase{"Version255", 3, '\xFF', CVeltroxFile4::kBadVersion},
                                           HeaderCase{"ReservedIgnored", 5, '\x7F', CVeltroxFile4::kLoaded}),
                         [](const auto& instance) { return std::string(instance.param.name); });

TEST(ChromContainer, AllLowerCaseSignatureRefused) {
    std::string bytes = WriteChromFile(FullSpec());
    bytes.replace(0, 3, "stg");
    CVeltroxFile4 file;
    EXPECT_EQ(LoadBytes(file, bytes), CVeltroxFile4::kBadSignature);
}

// Sample counts: the upper half must be zero, and a count must be satisfiable by the bytes left.
struct CountCase {
    const char* name;
    uint64_t count;
    int32_t result;
};

class ChromSampleCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(ChromSampleCount, ReadsOrRefusesLastBlock) {
    ChromFileSpec spec;
    spec.channels = {MakeChannel(3, {1.0f, 2.0f}), MakeChannel(4, {5.0f, 6.0f, 7.0f})};
    spec.document = "<root/>";
    std::string bytes = WriteChromFile(spec);
    const size_t lastBlock = kHeader + kBlockHeader + 2 * sizeof(float);
    SetCount(bytes, lastBlock, GetParam().count);

    CVeltroxFile4 file;
    ASSERT_EQ(LoadBytes(file, bytes), GetParam().result);
    if (GetParam().result == CVeltroxFile4::kBadSampleCount)
        EXPECT_EQ(Numbers(file), std::vector<uint32_t>{3});
    else
        EXPECT_EQ(Numbers(file), (std::vector<uint32_t>{3, 4}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChromSampleCount,
    ::testing::Values(CountCase{"Exact", 3, CVeltroxFile4::kLoaded},
                      CountCase{"Byte28Set", 3 + (uint64_t{1} << 32), CVeltroxFile4::kBadSampleCount},
                      CountCase{"Byte29Set", 3 + (uint64_t{1} << 40), CVeltroxFile4::kBadSampleCount},
                      CountCase{"Byte30Set", 3 + (uint64_t{1} << 48), CVeltroxFile4::kBadSampleCount},
                      CountCase{"Byte31Set", 3 + (uint64_t{1} << 63), CVeltroxFile4::kBadSampleCount},
                      CountCase{"LargestLowHalf", 0xFFFFFFFFu, CVeltroxFile4::kBadSampleCount},
                      CountCase{"OneMoreThanFileHolds", 100000, CVeltroxFile4::kBadSampleCount},
                      // Reaches into the document: "<roo" is read as a sample, "t/>" is no document.
                      CountCase{"IntoDocument", 4, CVeltroxFile4::kBadDocument}),
    [](const auto& instance) { return std::string(instance.param.name); });

TEST(ChromContainer, CountOfWholeRemainderLeavesEmptyDocument) {
    ChromFileSpec spec;
    spec.channels = {MakeChannel(3, {1.0f})};
    spec.document = std::string(8, ' ');
    std::string bytes = WriteChromFile(spec);
    SetCount(bytes, kHeader, 3);
    CVeltroxFile4 file;
    EXPECT_EQ(LoadBytes(file, bytes), CVeltroxFile4::kBadDocument);
    ASSERT_EQ(file.channels.size(), 1u);
    EXPECT_EQ(file.channels[0].samples.size(), 3u);
}

TEST(ChromContainer, HeaderOnlyFileHasNoChannels) {
    ChromFileSpec spec = FullSpec();
    spec.channels.clear();
    CVeltroxFile4 file = PreviouslyLoaded();
    ASSERT_EQ(LoadBytes(file, WriteChromFile(spec)), CVeltroxFile4::kLoaded);
    EXPECT_TRUE(file.channels.empty());
    EXPECT_EQ(file.passport.sample, L"Градуировка 1");
}

TEST(ChromContainer, BlockWithoutSamples) {
    ChromFileSpec spec;
    spec.channels = {MakeChannel(0, {})};
    CVeltroxFile4 file;
    ASSERT_EQ(LoadBytes(file, WriteChromFile(spec)), CVeltroxFile4::kLoaded);
    ASSERT_EQ(file.channels.size(), 1u);
    EXPECT_TRUE(file.channels[0].samples.empty());
    EXPECT_EQ(file.channels[0].blockValueA, spec.channels[0].blockValueA);
}

struct DocumentCase {
    const char* name;
    const char* document;
    int32_t result;
};

class ChromDocumentPart : public ::testing::TestWithParam<DocumentCase> {};

// The document's well-formedness decides -7; a failed document keeps every block, without tables.
TEST_P(ChromDocumentPart, ParsedFromEndOfBlocks) {
    ChromFileSpec spec = FullSpec();
    spec.document = GetParam().document;
    CVeltroxFile4 file = PreviouslyLoaded();
    ASSERT_EQ(LoadBytes(file, WriteChromFile(spec)), GetParam().result);
    EXPECT_EQ(Numbers(file), (std::vector<uint32_t>{1, 255}));
    EXPECT_FALSE(AnyTable(file));
    if (GetParam().result == CVeltroxFile4::kBadDocument)
        EXPECT_EQ(file.passport.sample, L"earlier");
    else
        EXPECT_EQ(file.passport.path.empty(), false);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChromDocumentPart,
    ::testing::Values(DocumentCase{"Empty", "", CVeltroxFile4::kBadDocument},
                      DocumentCase{"Blanks", " \r\n\t", CVeltroxFile4::kBadDocument},
                      DocumentCase{"NotXml", "not xml at all", CVeltroxFile4::kBadDocument},
                      DocumentCase{"DeclarationOnly", "<?xml version=\"1.0\" encoding=\"utf-8\"?>",
                                   CVeltroxFile4::kBadDocument},
                      DocumentCase{"Unclosed", "<root><passport>", CVeltroxFile4::kBadDocument},
                      DocumentCase{"TwoTopElements", "<root/><root/>", CVeltroxFile4::kLoaded},
                      DocumentCase{"OtherElement", "<other/>", CVeltroxFile4::kLoaded},
                      DocumentCase{"ByteOrderMark", "\xEF\xBB\xBF<root><channels/></root>", CVeltroxFile4::kLoaded},
                      DocumentCase{"Utf16IsNotGuessed", "\xFF\xFE<\0r\0/\0>\0", CVeltroxFile4::kBadDocument}),
    [](const auto& instance) { return std::string(instance.param.name); });

// The stored offset only ends the block loop.
struct OffsetCase {
    const char* name;
    uint64_t offset;
    int32_t result;
    std::vector<uint32_t> numbers;
};

class ChromDocumentOffset : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(ChromDocumentOffset, EndsBlockLoop) {
    ChromFileSpec spec;
    spec.channels = {MakeChannel(1, {1.0f}), MakeChannel(2, {2.0f})};
    spec.channels[1].table = {MakePeak(3.0, L"x")};
    spec.documentOffset = GetParam().offset;
    CVeltroxFile4 file;
    ASSERT_EQ(LoadBytes(file, WriteChromFile(spec)), GetParam().result);
    EXPECT_EQ(Numbers(file), GetParam().numbers);
}

INSTANTIATE_TEST_SUITE_P(Cases, ChromDocumentOffset,
                         ::testing::Values(
                             // A block boundary: the second block is taken for the document.
                             OffsetCase{"AfterFirstBlock", kHeader + 36, CVeltroxFile4::kBadDocument, {1}},
                             // Inside the second block: the whole block is read, the document follows it.
                             OffsetCase{"InsideSecondBlock", kHeader + 37, CVeltroxFile4::kLoaded, {1, 2}},
                             OffsetCase{"NoBlocks", kHeader, CVeltroxFile4::kBadDocument, {}},
                             OffsetCase{"Zero", 0, CVeltroxFile4::kBadDocument, {}},
                             // The document's text is taken for a block header: its count field holds letters.
                             OffsetCase{
                                 "Huge", std::numeric_limits<uint64_t>::max(), CVeltroxFile4::kBadSampleCount, {1, 2}}),
                         [](const auto& instance) { return std::string(instance.param.name); });

TEST(ChromContainer, HugeOffsetPastShortDocumentEndsInBlockHeader) {
    ChromFileSpec spec;
    spec.channels = {MakeChannel(1, {1.0f})};
    spec.document = "<root/>";
    spec.documentOffset = std::numeric_limits<uint64_t>::max();
    CVeltroxFile4 file;
    EXPECT_EQ(LoadBytes(file, WriteChromFile(spec)), CVeltroxFile4::kShortBlockHeader);
    EXPECT_EQ(Numbers(file), std::vector<uint32_t>{1});
}

TEST(ChromContainer, SecondLoadReplacesChannels) {
    CVeltroxFile4 file;
    const ChromFileSpec full = FullSpec();
    ASSERT_EQ(LoadBytes(file, WriteChromFile(full)), CVeltroxFile4::kLoaded);
    ASSERT_EQ(LoadBytes(file, WriteChromFile(full)), CVeltroxFile4::kLoaded);
    EXPECT_EQ(file.channels, full.channels);

    ChromFileSpec other;
    other.channels = {MakeChannel(42, {9.0f})};
    ASSERT_EQ(LoadBytes(file, WriteChromFile(other)), CVeltroxFile4::kLoaded);
    EXPECT_EQ(file.channels, other.channels);
}

TEST(ChromContainer, UnicodePath) {
    const TempFile temp(L"_хроматограмма_色谱.stg");
    temp.Write(WriteChromFile(FullSpec()));
    CVeltroxFile4 file;
    ASSERT_EQ(file.Load(temp.WidePath().c_str()), CVeltroxFile4::kLoaded);
    EXPECT_EQ(file.passport.path, temp.WidePath());
}

}  // namespace
