#pragma once
// The chromatogram file of an assay entry being made. It is read once, before the entry's peaks, and kept
// with the entry in two steps: the channel records right after a successful load, the traces and block
// values once the peaks are in order. A failed load never stops the entry; it only leaves a message. The
// file's fingerprint is taken from the same reading, so that it describes the very bytes the entry was made of.

#include "chromfile/veltrox_file4.h"
#include "strings/texts.h"

#include <string>

struct AssayEntry;

// Whether the file's fingerprint is taken while it is read. Only a measurement of what it costs skips it.
enum class FileFingerprinting { Take, Skip };

class AssayFile {
public:
    // Loads the file the entry's filename names and, when that succeeds, hands its channel records to the
    // entry's channels (moved, not copied: the samples are the bulk of an entry). A failed load's message comes
    // from texts. The entry's fingerprint is set whenever the file could be read to its end, loaded or not.
    AssayFile(AssayEntry& entry, TextSource texts, FileFingerprinting fingerprinting = FileFingerprinting::Take);

    // One trace per channel record the load gave (after a failed load: what that load left in the reader),
    // and the block values of the last of them.
    void KeepTraces(AssayEntry& entry) const;

    // "Ошибка загрузки файла: '<filename>'" (IDS_FILE_NOT_LOADED) after a failed load, empty after a successful one.
    const std::wstring& LoadError() const { return loadError_; }

private:
    CVeltroxFile4 file_;
    bool loaded_ = false;
    std::wstring loadError_;
};
