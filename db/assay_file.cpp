#include "db/assay_file.h"

#include "calc/sample_set.h"
#include "digest/sha256.h"
#include "strings/format_text.h"
#include "strings/string_ids.h"

#include <optional>
#include <utility>

namespace {

// Hashes and counts the bytes the reader shows it.
class FileHash : public CVeltroxFile4::ByteObserver {
public:
    void Seen(const void* bytes, size_t count) override {
        hash_.Update(bytes, count);
        size_ += count;
    }

    std::optional<FileFingerprint> Finish() {
        const auto digest = hash_.Finish();
        if (!digest) return std::nullopt;
        return FileFingerprint{size_, *digest};
    }

private:
    digest::Sha256 hash_;
    uint64_t size_ = 0;
};

}  // namespace

AssayFile::AssayFile(AssayEntry& entry, TextSource texts, FileFingerprinting fingerprinting) {
    int32_t result = CVeltroxFile4::kCannotOpen;
    if (fingerprinting == FileFingerprinting::Take) {
        FileHash hash;
        const CVeltroxFile4::ObservedLoad load = file_.LoadObserved(entry.filename.c_str(), hash);
        result = load.result;
        if (load.wholeFileSeen) entry.fingerprint = hash.Finish();
    } else {
        result = file_.Load(entry.filename.c_str());
    }
    loaded_ = result == CVeltroxFile4::kLoaded;
    if (loaded_)
        entry.channels = std::move(file_.channels);
    else
        loadError_ = FormatText(texts(IDS_FILE_NOT_LOADED), {entry.filename});
}

void AssayFile::KeepTraces(AssayEntry& entry) const {
    // After a successful load the reader's records live on in the entry, unchanged.
    for (const ChannelRecord& channel : loaded_ ? entry.channels : file_.channels) {
        entry.traces.emplace_back(channel.samples.begin(), channel.samples.end());
        entry.blockValueB = channel.blockValueB;
        entry.blockValueA = channel.blockValueA;
    }
}
