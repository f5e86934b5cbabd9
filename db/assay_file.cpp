#include "db/assay_file.h"

#include "calc/sample_set.h"
#include "strings/format_text.h"
#include "strings/string_ids.h"

#include <utility>

AssayFile::AssayFile(AssayEntry& entry, TextSource texts) {
    loaded_ = file_.Load(entry.filename.c_str()) == CVeltroxFile4::kLoaded;
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
