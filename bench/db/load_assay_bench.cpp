// LoadAssay against the bare work it consists of: the same chromatogram files read by the bare reader and
// the same two queries through bare SQLite calls. 256 assays, each with a file of 2 channels x 100 000
// samples and 20 peaks. The program prints the ratio of the two at the end (goal: at most 2), and the ratio
// to the bare work that also keeps the samples as an entry does (and, for comparison, to the bare work that
// keeps each sample once, as floats only). Counters: the minor page faults each
// iteration took (the memory a set keeps is touched fresh), and for LoadAssay the statements prepared per
// assay (one per query). Apart from these, the cost of the fingerprint: LoadAssay of one 128 MB file with its
// fingerprint against the same without (goal: at most 1.3).

#include "bench/page_faults.h"
#include "bench/ratio_reporter.h"
#include "bench/scratch_folder.h"
#include "calc/sample_set.h"
#include "chromfile/veltrox_file4.h"
#include "db/assay_queries.h"
#include "db/database_connection.h"
#include "db/handle.h"
#include "db/load_assay.h"
#include "db/utf16.h"
#include "strings/texts.h"
#include "tools/chromwriter/chrom_writer.h"
#include "tools/gendb/host_database.h"
#include "tools/gendb/synthetic_chromatogram.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kAssays = 256;
constexpr int kPeaks = 20;
constexpr uint32_t kSamples = 100000;

// The generated database and files, made once for both benchmarks and removed at exit.
class Fixture {
public:
    Fixture() {
        std::vector<HostAssay> assays;
        for (int id = 1; id <= kAssays; ++id) {
            SyntheticChromatogram chromatogram;
            chromatogram.sampleCount = kSamples;
            chromatogram.seed = static_cast<uint64_t>(id);
            chromatogram.channels = {{1, 0.8, 0.02, {}}, {2, 1.2, 0.01, {}}};
            HostAssay assay;
            assay.id = id;
            assay.date = 1772440200 + id * 60;
            assay.sample = L"Раствор град" + std::to_wstring(id % 4 + 1);
            assay.mixture = L"Вода в трансформаторном масле";
            assay.method = L"ЗЮЛК-04-04";
            for (int p = 0; p < kPeaks; ++p) {
                const double time = 20.0 + 45.0 * p;
                const double height = 10.0 + p;
                const int channel = p % 2 + 1;
                chromatogram.channels[channel - 1].peaks.push_back(
                    {L"компонент " + std::to_wstring(p), time, height, 1.5});
                assay.peaks.push_back({L"{00000000-0000-0000-0000-0000000000" + std::to_wstring(10 + p) + L"}",
                                       L"компонент " + std::to_wstring(p), GaussianArea(height, 1.5), time, 0.0, height,
                                       channel, time - 6.0, time + 6.0});
            }
            const auto file = folder_.path() / ("assay" + std::to_string(id) + ".stg");
            assay.filename = file.wstring();
            SaveBytes(file, SynthesizeFile(chromatogram));
            assays.push_back(std::move(assay));
        }
        WriteHostDatabase(database(), assays);
    }

    std::filesystem::path database() const { return folder_.path() / "host.db"; }

private:
    ScratchFolder folder_{"talvex-bench-db-"};
};

const Fixture& TheFixture() {
    static const Fixture fixture;
    return fixture;
}

// Counts the SELECT statements SQLite compiles on a connection: its authorizer is asked once for each.
int CountSelects(void* count, int action, const char*, const char*, const char*, const char*) {
    if (action == SQLITE_SELECT) ++*static_cast<int64_t*>(count);
    return SQLITE_OK;
}

// Page faults per iteration, from the count before the loop.
void ReportPageFaults(benchmark::State& state, int64_t before) {
    state.counters["faults"] =
        benchmark::Counter(static_cast<double>(MinorPageFaults() - before), benchmark::Counter::kAvgIterations);
}

void BM_LoadAssay(benchmark::State& state) {
    DataBaseConnection::Instance().SetConnectionUri(TheFixture().database().wstring().c_str());
    int64_t prepared = 0;
    const int64_t faults = MinorPageFaults();
    for (auto _ : state) {
        SampleSet set;
        DataBase::Handle handle;
        sqlite3_set_authorizer(handle.get(), CountSelects, &prepared);
        for (uint32_t id = 1; id <= kAssays; ++id)
            benchmark::DoNotOptimize(LoadAssay(handle, set, id, &BuiltInText).index);
        if (set.count() != kAssays || set.entry(0).peaks.size() != kPeaks || set.entry(0).traces.size() != 2)
            state.SkipWithError("LoadAssay did not read everything");
    }
    ReportPageFaults(state, faults);
    state.counters["prepared/assay"] =
        static_cast<double>(prepared) / static_cast<double>(state.iterations() * kAssays);
}

struct CloseConnection {
    void operator()(sqlite3* connection) const { sqlite3_close(connection); }
};
struct Finalize {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

std::unique_ptr<sqlite3_stmt, Finalize> BarePrepare(sqlite3* connection, const wchar_t* sql) {
    const std::u16string text = DataBase::ToUtf16(sql);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare16_v2(connection, text.c_str(), -1, &statement, nullptr);
    return std::unique_ptr<sqlite3_stmt, Finalize>(statement);
}

// What an entry keeps of its file: the channels and their samples widened to double.
struct KeptFile {
    std::vector<ChannelRecord> channels;
    std::vector<std::vector<double>> traces;
};

// What the bare work keeps of each file.
enum class Keep { Nothing, Channels, ChannelsAndTraces };

// The bare work of one assay: both queries with every column read, and the file read; the file's samples
// are kept into kept as keep says.
std::size_t BareAssay(sqlite3* connection, uint32_t id, Keep keep, std::vector<KeptFile>& kept) {
    std::size_t work = 0;
    const auto assay = BarePrepare(connection, DataBase::kAssayStatement);
    sqlite3_bind_int64(assay.get(), 1, id);
    while (sqlite3_step(assay.get()) == SQLITE_ROW) {
        const int assayId = sqlite3_column_int(assay.get(), 0);
        work += static_cast<std::size_t>(sqlite3_column_int64(assay.get(), 1));
        const std::wstring filename = DataBase::FromUtf16(sqlite3_column_text16(assay.get(), 2));
        for (int column = 3; column <= 5; ++column)
            work += DataBase::FromUtf16(sqlite3_column_text16(assay.get(), column)).size();
        work += static_cast<std::size_t>(sqlite3_column_int(assay.get(), 6));
        CVeltroxFile4 file;
        work += static_cast<std::size_t>(file.Load(filename.c_str())) + file.channels.size();
        if (keep != Keep::Nothing) {
            KeptFile& keptFile = kept.emplace_back();
            if (keep == Keep::ChannelsAndTraces) {
                for (const ChannelRecord& channel : file.channels)
                    keptFile.traces.emplace_back(channel.samples.begin(), channel.samples.end());
            }
            keptFile.channels = std::move(file.channels);
        }
        const auto peaks = BarePrepare(connection, DataBase::kPeakStatement);
        sqlite3_bind_int(peaks.get(), 1, assayId);
        while (sqlite3_step(peaks.get()) == SQLITE_ROW) {
            for (int column : {0, 1}) work += DataBase::FromUtf16(sqlite3_column_text16(peaks.get(), column)).size();
            for (int column : {2, 3, 4, 5, 7, 8})
                work += static_cast<std::size_t>(sqlite3_column_double(peaks.get(), column));
            work += static_cast<std::size_t>(sqlite3_column_int(peaks.get(), 6));
        }
    }
    return work;
}

void RunBare(benchmark::State& state, Keep keep) {
    const std::u16string path = DataBase::ToUtf16(TheFixture().database().wstring());
    const int64_t faults = MinorPageFaults();
    for (auto _ : state) {
        std::vector<KeptFile> kept;
        sqlite3* opened = nullptr;
        sqlite3_open16(path.c_str(), &opened);
        const std::unique_ptr<sqlite3, CloseConnection> connection(opened);
        for (uint32_t id = 1; id <= kAssays; ++id) benchmark::DoNotOptimize(BareAssay(opened, id, keep, kept));
    }
    ReportPageFaults(state, faults);
}

void BM_BareReaderAndQueries(benchmark::State& state) {
    RunBare(state, Keep::Nothing);
}

// The same, keeping every file's samples as the sample set does: the part of LoadAssay's time that is the
// memory an entry holds rather than the reading.
void BM_BareKeepingSamples(benchmark::State& state) {
    RunBare(state, Keep::ChannelsAndTraces);
}

// The same keeping each sample once, as the file's floats: what an entry that held no second, widened copy
// would cost.
void BM_BareKeepingFloatsOnly(benchmark::State& state) {
    RunBare(state, Keep::Channels);
}

// One chromatogram of 128 MB (one channel of 32 Mi samples) in a database of its own, made at the first use.
class LargeFileFixture {
public:
    static constexpr uint32_t kSamples = 32u << 20;

    LargeFileFixture() {
        SyntheticChromatogram chromatogram;
        chromatogram.sampleCount = kSamples;
        chromatogram.channels = {{1, 0.8, 0.02, {{L"вода", 120.0, 40.0, 1.5}}}};
        HostAssay assay;
        assay.id = 1;
        assay.sample = L"Раствор град1";
        const auto file = folder_.path() / "large.stg";
        assay.filename = file.wstring();
        SaveBytes(file, SynthesizeFile(chromatogram));
        WriteHostDatabase(database(), {assay});
    }

    std::filesystem::path database() const { return folder_.path() / "host.db"; }

private:
    ScratchFolder folder_{"talvex-bench-large-"};
};

// LoadAssay of the large file into a fresh set, taking its fingerprint or not.
void RunLargeLoad(benchmark::State& state, FileFingerprinting fingerprinting) {
    static const LargeFileFixture fixture;
    DataBaseConnection::Instance().SetConnectionUri(fixture.database().wstring().c_str());
    const int64_t faults = MinorPageFaults();
    for (auto _ : state) {
        SampleSet set;
        DataBase::Handle handle;
        const AssayLoadResult result = LoadAssay(handle, set, 1, &BuiltInText, fingerprinting);
        if (result.status != AssayLoadStatus::Added || set.entry(0).traces.size() != 1 ||
            set.entry(0).fingerprint.has_value() != (fingerprinting == FileFingerprinting::Take))
            state.SkipWithError("LoadAssay did not read the large file");
    }
    ReportPageFaults(state, faults);
}

void BM_LargeFileWithFingerprint(benchmark::State& state) {
    RunLargeLoad(state, FileFingerprinting::Take);
}

void BM_LargeFileWithoutFingerprint(benchmark::State& state) {
    RunLargeLoad(state, FileFingerprinting::Skip);
}

// A warm-up first, so that the process's first touch of the memory a set keeps does not fall on whichever
// benchmark happens to run first.
BENCHMARK(BM_LoadAssay)->Unit(benchmark::kMillisecond)->MinWarmUpTime(1.0)->MinTime(3.0);
BENCHMARK(BM_BareReaderAndQueries)->Unit(benchmark::kMillisecond)->MinWarmUpTime(1.0)->MinTime(3.0);
BENCHMARK(BM_BareKeepingSamples)->Unit(benchmark::kMillisecond)->MinWarmUpTime(1.0)->MinTime(3.0);
BENCHMARK(BM_BareKeepingFloatsOnly)->Unit(benchmark::kMillisecond)->MinWarmUpTime(1.0)->MinTime(3.0);
BENCHMARK(BM_LargeFileWithFingerprint)->Unit(benchmark::kMillisecond)->MinWarmUpTime(1.0)->MinTime(3.0);
BENCHMARK(BM_LargeFileWithoutFingerprint)->Unit(benchmark::kMillisecond)->MinWarmUpTime(1.0)->MinTime(3.0);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("BM_LoadAssay", "BM_BareReaderAndQueries", "goal: at most 2");
    reporter.PrintRatio("BM_LoadAssay", "BM_BareKeepingSamples", "the same bare work keeping the samples");
    reporter.PrintRatio("BM_BareKeepingFloatsOnly", "BM_BareReaderAndQueries", "keeping each sample once");
    reporter.PrintRatio("BM_LargeFileWithFingerprint", "BM_LargeFileWithoutFingerprint",
                        "a 128 MB file's fingerprint, goal: at most 1.3");
    benchmark::Shutdown();
    return 0;
}
