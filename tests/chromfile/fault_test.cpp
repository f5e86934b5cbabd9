// The reader against damaged and vanishing files: every prefix of a valid file, seeded random corruption,
// and files that are gone or changed between being picked and being loaded. Each ends in its result code,
// with the object in the state that code stands for, and never in a crash.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <set>

#include "tests/chromfile/chrom_test_files.h"

namespace {

constexpr size_t kHeader = 16;
constexpr size_t kBlockHeader = 32;

// A reader holding a version-0 file with three channels and a table, so that what a failed load keeps can be
// told from what it sets.
CVeltroxFile4 PreviouslyLoaded() {
    ChromFileSpec previous;
    previous.version = 0;
    previous.passport.sample = L"earlier";
    previous.channels = {MakeChannel(7, {1.0f}), MakeChannel(8, {}), MakeChannel(9, {2.0f, 3.0f})};
    previous.channels[0].table = {MakePeak(1.0, L"old")};
    CVeltroxFile4 file;
    EXPECT_EQ(LoadBytes(file, WriteChromFile(previous)), CVeltroxFile4::kLoaded);
    return file;
}

// Every block shape in one version-1 file: samples or none, the lowest and highest numbers, peaks on several
// channels and none on one.
ChromFileSpec ShapesSpec() {
    ChromFileSpec spec = FullSpec();
    spec.channels.push_back(MakeChannel(7, {4.0f, 5.0f, 6.0f}));
    spec.channels.push_back(MakeChannel(0, {8.0f}));
    spec.channels[3].table = {MakePeak(3.5, L"метанол")};
    return spec;
}

// What a prefix of the file must give: its result and how many of the file's channel records the reader then
// holds (none without a header: it keeps the earlier ones).
struct PrefixOutcome {
    int32_t result;
    size_t channels;
};

PrefixOutcome ExpectedForPrefix(const ChromFileSpec& spec, const std::string& document, size_t length) {
    if (length < kHeader) return {CVeltroxFile4::kNoHeader, 0};
    size_t blockStart = kHeader;
    for (size_t i = 0; i < spec.channels.size(); ++i) {
        const size_t samplesStart = blockStart + kBlockHeader;
        const size_t blockEnd = samplesStart + spec.channels[i].samples.size() * sizeof(float);
        if (length < samplesStart) return {CVeltroxFile4::kShortBlockHeader, i};
        if (length < blockEnd) return {CVeltroxFile4::kBadSampleCount, i};
        blockStart = blockEnd;
    }
    // The document is well-formed exactly when what is kept still closes "root".
    const bool closed = document.substr(0, length - blockStart).find("</root>") != std::string::npos;
    return {closed ? CVeltroxFile4::kLoaded : CVeltroxFile4::kBadDocument, spec.channels.size()};
}

TEST(ChromFaults, EveryPrefixEndsInItsResult) {
    const ChromFileSpec spec = ShapesSpec();
    const std::string bytes = WriteChromFile(spec);
    const std::string document = WriteChromDocument(spec.passport, spec.channels);
    const CVeltroxFile4 before = PreviouslyLoaded();
    std::set<int32_t> seen;
    for (size_t length = 0; length < bytes.size(); ++length) {
        SCOPED_TRACE("prefix of " + std::to_string(length) + " bytes");
        CVeltroxFile4 file = before;
        const int32_t result = LoadBytes(file, bytes.substr(0, length));
        const PrefixOutcome expected = ExpectedForPrefix(spec, document, length);
        ASSERT_EQ(result, expected.result);
        seen.insert(result);

        if (result == CVeltroxFile4::kNoHeader) {
            EXPECT_EQ(file.version, 0);
            EXPECT_EQ(file.channels, before.channels);
        } else {
            EXPECT_EQ(file.version, 1);
            ASSERT_EQ(file.channels.size(), expected.channels);
            for (size_t i = 0; i < expected.channels; ++i) {
                EXPECT_EQ(file.channels[i].number, spec.channels[i].number);
                EXPECT_EQ(file.channels[i].samples, spec.channels[i].samples);
            }
            EXPECT_EQ(AnyTable(file), result == CVeltroxFile4::kLoaded);
        }
        if (result == CVeltroxFile4::kLoaded)
            EXPECT_EQ(file.channels, spec.channels);
        else
            EXPECT_EQ(file.passport, before.passport);
    }
    // The file's shape reaches every failure class of a cut.
    EXPECT_EQ(seen,
              (std::set<int32_t>{CVeltroxFile4::kLoaded, CVeltroxFile4::kNoHeader, CVeltroxFile4::kShortBlockHeader,
                                 CVeltroxFile4::kBadSampleCount, CVeltroxFile4::kBadDocument}));
}

// One kind of damage done to a valid file, at places and with values the generator picks.
struct Corruption {
    const char* name;
    std::function<void(std::string& bytes, size_t documentStart, std::mt19937& random)> damage;
    // Result codes the damage must reach among its files, so that it is known to hit its part of the file.
    std::set<int32_t> reached;
};

size_t Below(std::mt19937& random, size_t bound) {
    return bound == 0 ? 0 : random() % bound;
}

void OverwriteBytes(std::string& bytes, size_t begin, size_t end, size_t count, std::mt19937& random) {
    for (size_t i = 0; i < count; ++i) bytes[begin + Below(random, end - begin)] = static_cast<char>(random());
}

void PrintTo(const Corruption& corruption, std::ostream* out) {
    *out << corruption.name;
}

class ChromCorruption : public ::testing::TestWithParam<Corruption> {};

TEST_P(ChromCorruption, NeverCrashesAndKeepsItsStates) {
    const ChromFileSpec spec = ShapesSpec();
    const std::string valid = WriteChromFile(spec);
    const size_t documentStart = valid.size() - WriteChromDocument(spec.passport, spec.channels).size();
    const CVeltroxFile4 before = PreviouslyLoaded();
    const TempFile temp;
    std::mt19937 random(20240611);
    std::set<int32_t> seen;
    for (int round = 0; round < 400; ++round) {
        std::string bytes = valid;
        GetParam().damage(bytes, documentStart, random);
        SCOPED_TRACE("round " + std::to_string(round) + ", " + std::to_string(bytes.size()) + " bytes");
        temp.Write(bytes);
        CVeltroxFile4 file = before;
        int32_t result = CVeltroxFile4::kCannotOpen;
        ASSERT_NO_THROW(result = file.Load(temp.WidePath().c_str()));
        ASSERT_TRUE(result <= CVeltroxFile4::kLoaded && result >= CVeltroxFile4::kBadDocument &&
                    result != CVeltroxFile4::kCannotOpen);
        seen.insert(result);

        // Nothing the reader holds is invented: every record's block lies inside the file.
        size_t blockBytes = 0;
        for (const ChannelRecord& channel : file.channels)
            blockBytes += kBlockHeader + channel.samples.size() * sizeof(float);
        if (result < CVeltroxFile4::kBadVersion || result == CVeltroxFile4::kLoaded) {
            EXPECT_LE(kHeader + blockBytes, bytes.size());
        }
        if (result == CVeltroxFile4::kLoaded) {
            EXPECT_EQ(file.passport.path, temp.WidePath());
        } else {
            EXPECT_EQ(file.passport, before.passport);
            if (result < CVeltroxFile4::kBadVersion) {
                EXPECT_FALSE(AnyTable(file));
            }
        }
        if (result >= CVeltroxFile4::kBadVersion && result < CVeltroxFile4::kLoaded) {
            EXPECT_EQ(file.channels, before.channels);
        }
    }
    for (int32_t result : GetParam().reached) EXPECT_EQ(seen.count(result), 1u) << "never reached result " << result;
}

INSTANTIATE_TEST_SUITE_P(
    Seeded, ChromCorruption,
    ::testing::Values(
        Corruption{"FlippedBitsAnywhere",
                   [](std::string& bytes, size_t, std::mt19937& random) {
                       for (size_t i = 1 + Below(random, 8); i > 0; --i)
                           bytes[Below(random, bytes.size())] ^= static_cast<char>(1u << Below(random, 8));
                   },
                   {CVeltroxFile4::kLoaded, CVeltroxFile4::kBadDocument}},
        Corruption{"HeaderBytes",
                   [](std::string& bytes, size_t, std::mt19937& random) {
                       OverwriteBytes(bytes, 0, kHeader, 1 + Below(random, 3), random);
                   },
                   {CVeltroxFile4::kLoaded, CVeltroxFile4::kBadSignature, CVeltroxFile4::kBadVersion,
                    CVeltroxFile4::kBadSampleCount, CVeltroxFile4::kBadDocument}},
        Corruption{"BlockBytes",
                   [](std::string& bytes, size_t documentStart, std::mt19937& random) {
                       OverwriteBytes(bytes, kHeader, documentStart, 1 + Below(random, 4), random);
                   },
                   {CVeltroxFile4::kLoaded, CVeltroxFile4::kBadSampleCount, CVeltroxFile4::kBadDocument}},
        Corruption{"DocumentBytes",
                   [](std::string& bytes, size_t documentStart, std::mt19937& random) {
                       OverwriteBytes(bytes, documentStart, bytes.size(), 1 + Below(random, 8), random);
                   },
                   {CVeltroxFile4::kLoaded, CVeltroxFile4::kBadDocument}},
        Corruption{"CutAndGarbage",
                   [](std::string& bytes, size_t, std::mt19937& random) {
                       bytes.resize(Below(random, bytes.size()));
                       for (size_t i = Below(random, 64); i > 0; --i) bytes.push_back(static_cast<char>(random()));
                   },
                   {CVeltroxFile4::kShortBlockHeader, CVeltroxFile4::kBadSampleCount, CVeltroxFile4::kBadDocument}},
        Corruption{"SpanCopiedElsewhere",
                   [](std::string& bytes, size_t, std::mt19937& random) {
                       const size_t from = Below(random, bytes.size());
                       const size_t to = Below(random, bytes.size());
                       const size_t length = std::min(Below(random, 96), bytes.size() - std::max(from, to));
                       std::memmove(&bytes[to], &bytes[from], length);
                   },
                   {CVeltroxFile4::kLoaded, CVeltroxFile4::kBadSampleCount, CVeltroxFile4::kBadDocument}}),
    [](const auto& instance) { return std::string(instance.param.name); });

// Between the analyst's pick and the load the file may be removed, replaced or emptied.
struct VanishCase {
    const char* name;
    std::function<void(const std::filesystem::path& picked)> change;
    int32_t result;
};

void PrintTo(const VanishCase& vanish, std::ostream* out) {
    *out << vanish.name;
}

class ChromVanishedFile : public ::testing::TestWithParam<VanishCase> {};

TEST_P(ChromVanishedFile, GivesItsResultAndKeepsTheObject) {
    const TempFile folder(L"_folder");
    std::filesystem::create_directory(folder.Path());
    const std::filesystem::path picked = folder.Path() / "picked.stg";
    ASSERT_TRUE(SaveBytes(picked, WriteChromFile(FullSpec())));
    GetParam().change(picked);

    CVeltroxFile4 file = PreviouslyLoaded();
    const CVeltroxFile4 before = file;
    EXPECT_EQ(file.Load(picked.wstring().c_str()), GetParam().result);
    EXPECT_EQ(file.version, before.version);
    EXPECT_EQ(file.channels, before.channels);
    EXPECT_EQ(file.passport, before.passport);
    std::error_code ignored;
    std::filesystem::remove_all(folder.Path(), ignored);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChromVanishedFile,
    ::testing::Values(
        VanishCase{"Removed", [](const auto& picked) { std::filesystem::remove(picked); }, CVeltroxFile4::kCannotOpen},
        VanishCase{"FolderRemoved", [](const auto& picked) { std::filesystem::remove_all(picked.parent_path()); },
                   CVeltroxFile4::kCannotOpen},
        // A folder cannot be read as a file on any target.
        VanishCase{"ReplacedByFolder",
                   [](const auto& picked) {
                       std::filesystem::remove(picked);
                       std::filesystem::create_directory(picked);
                   },
                   CVeltroxFile4::kCannotOpen},
        VanishCase{"Emptied", [](const auto& picked) { std::filesystem::resize_file(picked, 0); },
                   CVeltroxFile4::kNoHeader}),
    [](const auto& instance) { return std::string(instance.param.name); });

}  // namespace
