// Load of a large chromatogram file (4 channels of 1,000,000 samples, a 200-peak table) against the plain
// reading of the same bytes into memory, in the same run: the reader should cost at most half again as much.
// The program prints that ratio at the end.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "bench/ratio_reporter.h"
#include "chromfile/file_open.h"
#include "chromfile/veltrox_file4.h"
#include "tools/chromwriter/chrom_writer.h"

namespace {

constexpr int kChannels = 4;
constexpr int kSamples = 1000000;
constexpr int kPeaks = 200;

ChromFileSpec LargeSpec() {
    ChromFileSpec spec;
    spec.passport.sample = L"анализ";
    for (int c = 0; c < kChannels; ++c) {
        ChannelRecord channel;
        channel.number = static_cast<uint32_t>(c + 1);
        channel.samples.resize(kSamples);
        for (int i = 0; i < kSamples; ++i)
            channel.samples[static_cast<size_t>(i)] = static_cast<float>(i % 4096) * 0.001f + static_cast<float>(c);
        spec.channels.push_back(std::move(channel));
    }
    for (int i = 0; i < kPeaks; ++i) {
        PeakTableItem peak;
        peak.time = 0.5 + i * 0.37;
        peak.front = peak.time - 0.05;
        peak.back = peak.time + 0.05;
        peak.area = 1000.0 / (i + 1);
        peak.height = 10.0 / (i + 3);
        peak.name = L"пик " + std::to_wstring(i);
        peak.left = i * 100;
        peak.right = i * 100 + 50;
        spec.channels[0].table.push_back(peak);
    }
    return spec;
}

// The file is written once per run into the temporary folder and removed at the end.
class LargeFile {
public:
    LargeFile() : path_(std::filesystem::temp_directory_path() / "talvex_bench_large.stg") {
        SaveBytes(path_, WriteChromFile(LargeSpec()));
        size_ = std::filesystem::file_size(path_);
    }
    ~LargeFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }
    uintmax_t Size() const { return size_; }

private:
    std::filesystem::path path_;
    uintmax_t size_ = 0;
};

const LargeFile& File() {
    static const LargeFile file;
    return file;
}

void BM_LoadLargeFile(benchmark::State& state) {
    const std::wstring path = File().Path().wstring();
    for (auto _ : state) {
        CVeltroxFile4 reader;
        if (reader.Load(path.c_str()) != 0) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(reader.channels.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * File().Size()));
}

void BM_ReadBytesBaseline(benchmark::State& state) {
    const std::wstring path = File().Path().wstring();
    for (auto _ : state) {
        const FilePtr file = OpenForBinaryReading(path.c_str());
        std::vector<char> bytes(File().Size());
        if (!file || std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * File().Size()));
}

BENCHMARK(BM_ReadBytesBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLargeFile)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("BM_LoadLargeFile", "BM_ReadBytesBaseline", "goal: at most 1.5");
    benchmark::Shutdown();
    return 0;
}
