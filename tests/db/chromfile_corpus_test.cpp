// Chromatogram files of every shape the reader's fuzzing found, each named by an assay row and read through
// LoadAssay on one handle, as the add command reads a pick: each load ends in the entry's index, never in a
// crash, and the entry holds exactly what the reader makes of the file.

#include "calc/sample_set.h"
#include "chromfile/veltrox_file4.h"
#include "db/handle.h"
#include "db/load_assay.h"
#include "strings/texts.h"
#include "tests/db/file_fingerprint.h"
#include "tests/db/host_rows.h"
#include "tools/chromwriter/chrom_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <limits>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Folders of corpus files: in a fuzz build the reader's working corpus (its seeds are written at build
// time), and the folders the variable TALVEX_CHROMFILE_CORPUS lists, separated as PATH is.
std::vector<fs::path> CorpusFolders() {
    std::vector<fs::path> folders;
#ifdef TALVEX_CHROMFILE_FUZZ_CORPUS
    folders.emplace_back(TALVEX_CHROMFILE_FUZZ_CORPUS);
#endif
#ifdef _WIN32
    constexpr char kSeparator = ';';
#else
    constexpr char kSeparator = ':';
#endif
    if (const char* listed = std::getenv("TALVEX_CHROMFILE_CORPUS")) {
        std::string list = listed;
        for (std::size_t start = 0; start <= list.size();) {
            const std::size_t end = std::min(list.find(kSeparator, start), list.size());
            if (end > start) folders.emplace_back(list.substr(start, end - start));
            start = end + 1;
        }
    }
    return folders;
}

// A small valid file cut at every length, and with each header and block-header byte set to 0xFF: the
// failure classes of the container, so that the replay means something without any fuzz corpus at hand.
std::vector<std::string> DamagedFiles() {
    ChromFileSpec spec;
    spec.passport.sample = L"проба";
    for (uint32_t number : {1u, 2u}) {
        ChannelRecord channel;
        channel.number = number;
        channel.samples = {0.5f, -1.0f, std::numeric_limits<float>::quiet_NaN()};
        channel.blockValueA = number;
        channel.blockValueB = -1.0 * number;
        PeakTableItem peak;
        peak.name = L"вода";
        peak.time = 1.5;
        channel.table.push_back(peak);
        spec.channels.push_back(channel);
    }
    const std::string whole = WriteChromFile(spec);
    std::vector<std::string> files;
    for (std::size_t length = 0; length <= whole.size(); ++length) files.push_back(whole.substr(0, length));
    for (std::size_t offset = 0; offset < 16 + 32; ++offset) {
        std::string damaged = whole;
        damaged[offset] = '\xFF';
        files.push_back(damaged);
    }
    return files;
}

// Bit for bit, so that NaN samples compare too.
bool SameBits(double a, double b) {
    return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

template <class Kept>
bool SameBits(const std::vector<Kept>& kept, const std::vector<float>& samples) {
    return std::equal(kept.begin(), kept.end(), samples.begin(), samples.end(),
                      [](Kept k, float s) { return SameBits(static_cast<double>(k), static_cast<double>(s)); });
}

// The entry against what the reader made of the same file.
void ExpectEntryFromFile(const AssayEntry& entry, const std::wstring& fileError, const CVeltroxFile4& reader,
                         int32_t loadResult) {
    const std::vector<ChannelRecord>& read = reader.channels;
    if (loadResult == CVeltroxFile4::kLoaded) {
        EXPECT_EQ(fileError, L"");
        ASSERT_EQ(entry.channels.size(), read.size());
        for (std::size_t i = 0; i < read.size(); ++i) {
            EXPECT_EQ(entry.channels[i].number, read[i].number);
            EXPECT_TRUE(SameBits(entry.channels[i].samples, read[i].samples)) << "channel " << i;
            EXPECT_EQ(entry.channels[i].table.size(), read[i].table.size());
        }
    } else {
        EXPECT_EQ(fileError, L"Ошибка загрузки файла: '" + entry.filename + L"'");
        EXPECT_TRUE(entry.channels.empty());
    }
    ASSERT_EQ(entry.traces.size(), read.size());
    for (std::size_t i = 0; i < read.size(); ++i)
        EXPECT_TRUE(SameBits(entry.traces[i], read[i].samples)) << "trace " << i;
    const double lowest = std::numeric_limits<double>::lowest();
    EXPECT_TRUE(SameBits(entry.blockValueA, read.empty() ? lowest : read.back().blockValueA));
    EXPECT_TRUE(SameBits(entry.blockValueB, read.empty() ? lowest : read.back().blockValueB));
}

TEST(ChromfileCorpus, EveryFileNamedByAnAssayLoadsIntoAnEntry) {
    ScratchDatabase database(kHostSchema);
    database.Use();
    std::vector<fs::path> files;
    int damaged = 0;
    for (const std::string& bytes : DamagedFiles()) {
        files.push_back(database.folder() / ("damaged" + std::to_string(damaged++) + ".chr"));
        ASSERT_TRUE(SaveBytes(files.back(), bytes));
    }
    for (const fs::path& folder : CorpusFolders()) {
        std::error_code error;
        for (const auto& item : fs::directory_iterator(folder, error)) {
            if (item.is_regular_file()) files.push_back(item.path());
        }
    }
    std::vector<std::u16string> names;
    for (const fs::path& file : files) names.push_back(file.u16string());
    AddAssayRows(database, 1, names);

    SampleSet set;
    DataBase::Handle handle;
    for (std::size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i].string());
        const std::wstring path = files[i].wstring();
        CVeltroxFile4 reader;
        const int32_t loadResult = reader.Load(path.c_str());
        const AssayLoadResult result = LoadAssay(handle, set, static_cast<uint32_t>(i + 1), &BuiltInText);
        ASSERT_EQ(result.index, static_cast<int>(i));
        ExpectEntryFromFile(set.entry(static_cast<int>(i)), result.fileError, reader, loadResult);
        // Every byte once, in order, however far the reader got.
        EXPECT_EQ(set.entry(static_cast<int>(i)).fingerprint, FingerprintOfFile(files[i]));
    }
    RecordProperty("files", static_cast<int>(files.size()));
    std::cout << files.size() << " chromatogram files replayed through LoadAssay\n";
}

}  // namespace
