// The memory a typical determination keeps in the sample set: 13 chromatograms (one dried extractant of the
// calibration, four calibration solutions twice, the dried extractant and the sample of the analysis twice),
// each a file of 2 channels x 50 000 samples, read through LoadAssay on one handle as the add command does.
// Prints the bytes the set's data structures hold, counted from their capacities, and the growth of the
// heap in use that the loading left, measured by the C library's allocator.

#include "bench/scratch_folder.h"
#include "calc/sample_set.h"
#include "db/database_connection.h"
#include "db/handle.h"
#include "db/load_assay.h"
#include "strings/texts.h"
#include "tools/gendb/demo_writer.h"
#include "tools/gendb/determination.h"

#include <malloc.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kChromatograms = 13;

std::size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Heap bytes of a text beyond the object itself: none while it fits the small-text buffer.
std::size_t TextBytes(const std::wstring& text) {
    static const std::size_t inPlace = std::wstring().capacity();
    return text.capacity() > inPlace ? (text.capacity() + 1) * sizeof(wchar_t) : 0;
}

template <class T>
std::size_t ArrayBytes(const std::vector<T>& items) {
    return items.capacity() * sizeof(T);
}

struct Tally {
    std::size_t samples = 0;
    std::size_t sampleBytes = 0;
    std::size_t traceBytes = 0;
    std::size_t otherBytes = 0;
};

void Count(const AssayEntry& entry, Tally& tally) {
    tally.otherBytes += TextBytes(entry.filename) + TextBytes(entry.sample) + TextBytes(entry.method) +
                        TextBytes(entry.mixture) + TextBytes(entry.roleText);
    tally.otherBytes += ArrayBytes(entry.channels) + ArrayBytes(entry.peaks) + ArrayBytes(entry.traces);
    for (const ChannelRecord& channel : entry.channels) {
        tally.samples += channel.samples.size();
        tally.sampleBytes += ArrayBytes(channel.samples);
        tally.otherBytes += ArrayBytes(channel.table);
        for (const PeakTableItem& item : channel.table) tally.otherBytes += TextBytes(item.name);
    }
    for (const PeakRecord& peak : entry.peaks)
        tally.otherBytes += TextBytes(peak.nameid) + TextBytes(peak.name) + TextBytes(peak.spareText);
    for (const std::vector<double>& trace : entry.traces) tally.traceBytes += ArrayBytes(trace);
}

double MiB(std::size_t bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

}  // namespace

int main() {
    const ScratchFolder scratch("talvex-memory-");
    const std::filesystem::path& folder = scratch.path();
    DemoDetermination determination = PlanDetermination({});
    // The plan measures the dried extractant of the calibration twice; a typical determination once.
    determination.assays.erase(determination.assays.begin());
    determination.assays.resize(kChromatograms);
    DemoFiles files;
    files.database = folder / "host.db";
    files.folder = folder;
    files.storedFolder = folder.wstring();
    WriteDemo(determination, files);
    DataBaseConnection::Instance().SetConnectionUri(files.database.wstring().c_str());

    Tally tally;
    std::size_t grown = 0;
    {
        SampleSet set;
        const std::size_t before = HeapInUse();
        {
            DataBase::Handle handle;
            for (const DemoAssay& assay : determination.assays) {
                if (!LoadAssay(handle, set, static_cast<uint32_t>(assay.id), &BuiltInText))
                    std::fprintf(stderr, "assay %d was not loaded\n", assay.id);
            }
        }
        grown = HeapInUse() - before;
        tally.otherBytes += set.count() * sizeof(AssayEntry);
        for (const AssayEntry& entry : set) Count(entry, tally);
        std::printf("chromatograms: %d, samples kept: %zu\n", set.count(), tally.samples);
    }
    const std::size_t counted = tally.sampleBytes + tally.traceBytes + tally.otherBytes;
    std::printf("channel samples (float): %zu bytes (%.2f MiB)\n", tally.sampleBytes, MiB(tally.sampleBytes));
    std::printf("traces (double):         %zu bytes (%.2f MiB)\n", tally.traceBytes, MiB(tally.traceBytes));
    std::printf("everything else:         %zu bytes (%.2f MiB)\n", tally.otherBytes, MiB(tally.otherBytes));
    std::printf("counted from the data structures: %zu bytes (%.2f MiB), %.2f bytes per sample\n", counted,
                MiB(counted), static_cast<double>(counted) / static_cast<double>(tally.samples));
    std::printf("heap in use grown by the loading: %zu bytes (%.2f MiB)\n", grown, MiB(grown));

    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
