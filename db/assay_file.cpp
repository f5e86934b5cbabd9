#include "db/assay_file.h"

#include "calc/sample_set.h"

AssayFile::AssayFile(AssayEntry& entry)
{
    if (file_.Load(entry.filename.c_str()) == CVeltroxFile4::kLoaded)
        entry.channels = file_.channels;
    else
        loadError_ = L"Ошибка загрузки файла: '" + entry.filename + L"'";
}

void AssayFile::KeepTraces(AssayEntry& entry) const
{
    for (const ChannelRecord& channel : file_.channels) {
        entry.traces.emplace_back(channel.samples.begin(), channel.samples.end());
        entry.blockValueB = channel.blockValueB;
        entry.blockValueA = channel.blockValueA;
    }
}
