// Sample counts and documents of hundreds of megabytes: a count the file cannot hold is refused before
// anything is reserved for it, and one the file can hold but the process cannot (a 32-bit host) ends in
// the block's result code instead of an exception.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "tests/chromfile/allocation_probe.h"
#include "tests/chromfile/chrom_test_files.h"

namespace {

constexpr uint64_t kHeader = 16;
constexpr uint64_t kBlockHeader = 32;
constexpr uint64_t kMiB = 1024 * 1024;
// What one request may reserve in a 32-bit process whose address space is already in use.
constexpr size_t kRoomOf32BitProcess = 256 * kMiB;
// The reader's own bookkeeping for such files stays far below this.
constexpr size_t kSmallRequest = 64 * 1024;

struct CountCase {
    const char* name;
    // Size of the whole file; past the written bytes it reads as zeros (a sparse file).
    uint64_t fileSize;
    // Sample count stored in the second block, as a function of the bytes that follow its header.
    std::function<uint64_t(uint64_t bytesAfterHeader)> count;
    size_t allocationLimit;
    int32_t result;
    // Whether the reader may ask for memory in proportion to the file.
    bool reservesForFile;
};

void PrintTo(const CountCase& count, std::ostream* out) {
    *out << count.name;
}

class ChromHugeCount : public ::testing::TestWithParam<CountCase> {};

// A first block of two samples, then a second block whose count the case sets, in a file of the case's size.
TEST_P(ChromHugeCount, EndsInResultWithoutReservingWhatFileCannotHold) {
    ChromFileSpec spec;
    spec.channels = {MakeChannel(1, {1.0f, 2.0f}), MakeChannel(2, {})};
    spec.document = "";
    std::string bytes = WriteChromFile(spec);
    const uint64_t secondBlock = kHeader + kBlockHeader + 2 * sizeof(float);
    const uint64_t count = GetParam().count(GetParam().fileSize - secondBlock - kBlockHeader);
    std::memcpy(&bytes[secondBlock + 24], &count, sizeof count);

    const TempFile temp;
    temp.Write(bytes);
    std::filesystem::resize_file(temp.Path(), GetParam().fileSize);

    CVeltroxFile4 file;
    int32_t result = CVeltroxFile4::kLoaded;
    size_t largest = 0;
    {
        const AllocationProbe probe(GetParam().allocationLimit);
        ASSERT_NO_THROW(result = file.Load(temp.WidePath().c_str()));
        largest = probe.Largest();
    }
    EXPECT_EQ(result, GetParam().result);
    // The block before the failing one is kept whole.
    ASSERT_EQ(file.channels.size(), 1u);
    EXPECT_EQ(file.channels[0].samples, (std::vector<float>{1.0f, 2.0f}));
    if (!GetParam().reservesForFile) {
        EXPECT_LT(largest, kSmallRequest);
    }
}

uint64_t Fill(uint64_t bytesAfterHeader) {
    return bytesAfterHeader / sizeof(float);
}

INSTANTIATE_TEST_SUITE_P(Cases, ChromHugeCount,
                         ::testing::Values(
                             // 16 GiB of samples claimed by a small file: more than a 32-bit address space holds.
                             CountCase{"LargestCountInSmallFile", 4096, [](uint64_t) { return uint64_t{0xFFFFFFFF}; },
                                       SIZE_MAX, CVeltroxFile4::kBadSampleCount, false},
                             CountCase{"UpperHalfSet", 4096, [](uint64_t) { return uint64_t{1} << 32; }, SIZE_MAX,
                                       CVeltroxFile4::kBadSampleCount, false},
                             // A file of 600 MiB whose count asks for one sample more than it holds.
                             CountCase{"OneSampleBeyondBigFile", 600 * kMiB,
                                       [](uint64_t after) { return Fill(after) + 1; }, SIZE_MAX,
                                       CVeltroxFile4::kBadSampleCount, false},
                             CountCase{"FarBeyondBigFile", 600 * kMiB, [](uint64_t after) { return Fill(after) * 2; },
                                       SIZE_MAX, CVeltroxFile4::kBadSampleCount, false},
                             // The whole 600 MiB is samples: the file can hold them, a 32-bit process cannot.
                             CountCase{"BigFileBeyondProcessMemory", 600 * kMiB, Fill, kRoomOf32BitProcess,
                                       CVeltroxFile4::kBadSampleCount, true}),
                         [](const auto& instance) { return std::string(instance.param.name); });

// A document of 600 MiB that a 32-bit process cannot hold is a document that cannot be read.
TEST(ChromHugeDocument, BeyondProcessMemoryIsBadDocument) {
    ChromFileSpec spec;
    spec.channels = {MakeChannel(1, {1.0f})};
    spec.document = "<root/>";
    const TempFile temp;
    temp.Write(WriteChromFile(spec));
    std::filesystem::resize_file(temp.Path(), 600 * kMiB);

    CVeltroxFile4 file;
    int32_t result = CVeltroxFile4::kLoaded;
    {
        const AllocationProbe probe(kRoomOf32BitProcess);
        ASSERT_NO_THROW(result = file.Load(temp.WidePath().c_str()));
    }
    EXPECT_EQ(result, CVeltroxFile4::kBadDocument);
    ASSERT_EQ(file.channels.size(), 1u);
    EXPECT_TRUE(file.channels[0].table.empty());
}

// Whichever request of the reader finds no memory, Load ends in the code of the part it was reading, with the
// object in that code's state, and throws nothing.
TEST(ChromAllocationFailure, AnyRequestThatFailsEndsInItsResult) {
    ChromFileSpec earlier;
    earlier.passport.sample = L"earlier";
    earlier.channels = {MakeChannel(9, {9.0f})};
    ChromFileSpec spec = FullSpec();
    spec.channels.push_back(MakeChannel(3, {1.0f, 2.0f, 3.0f}));
    const TempFile temp;
    temp.Write(WriteChromFile(spec));
    const std::wstring path = temp.WidePath();
    std::vector<ChannelRecord> withoutTables = spec.channels;
    for (ChannelRecord& channel : withoutTables) channel.table.clear();

    std::set<int32_t> seen;
    for (size_t failAt = 1;; ++failAt) {
        SCOPED_TRACE("request " + std::to_string(failAt) + " fails");
        CVeltroxFile4 file;
        ASSERT_EQ(LoadBytes(file, WriteChromFile(earlier)), CVeltroxFile4::kLoaded);
        const CVeltroxFile4 before = file;
        int32_t result = CVeltroxFile4::kLoaded;
        bool threw = false;
        bool failed = false;
        {
            const AllocationProbe probe(SIZE_MAX, failAt);
            try {
                result = file.Load(path.c_str());
            } catch (...) {
                threw = true;
            }
            failed = probe.Requests() >= failAt;
        }
        ASSERT_FALSE(threw);
        seen.insert(result);
        if (!failed) {
            EXPECT_EQ(result, CVeltroxFile4::kLoaded);
            break;
        }
        switch (result) {
        case CVeltroxFile4::kCannotOpen:
            EXPECT_EQ(file.channels, before.channels);
            break;
        case CVeltroxFile4::kBadSampleCount:
            ASSERT_LT(file.channels.size(), withoutTables.size());
            EXPECT_TRUE(std::equal(file.channels.begin(), file.channels.end(), withoutTables.begin()));
            break;
        case CVeltroxFile4::kBadDocument:
            EXPECT_EQ(file.channels, withoutTables);
            break;
        default:
            ADD_FAILURE() << "result " << result;
        }
        EXPECT_EQ(file.passport, before.passport);
    }
    EXPECT_TRUE(seen.count(CVeltroxFile4::kBadSampleCount));
    EXPECT_TRUE(seen.count(CVeltroxFile4::kBadDocument));
}

}  // namespace
