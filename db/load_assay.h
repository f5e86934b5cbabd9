#pragma once
// Reading one assay of the host database, with its peaks and chromatogram file, into the sample set.

#include "db/assay_file.h"
#include "db/sql_exception.h"
#include "strings/texts.h"

#include <cstdint>
#include <optional>
#include <string>

class SampleSet;

namespace DataBase {
class Handle;
}

// How a LoadAssay ended.
enum class AssayLoadStatus {
    // The assay's entry is in the set: made now with its file read, or there already (then nothing was read).
    Added,
    // The entry was made, but its chromatogram file could not be read: it has no channels.
    FileUnreadable,
    // The database holds no assay with this id: nothing was added.
    NotFound,
    // A database error stopped the reading; an entry made before it stays, a partly made one is gone.
    DatabaseFailure,
};

// What LoadAssay did: its outcome, the entry's index and what goes with the outcome.
struct AssayLoadResult {
    AssayLoadStatus status = AssayLoadStatus::NotFound;
    // The index of the id's entry in the set, or -1 when there is none.
    int index = -1;
    // For the analyst, "Ошибка загрузки файла: '<filename>'" when the new entry's file could not be read (also
    // when a database failure came after the entry was made); otherwise empty.
    std::wstring fileError;
    // With DatabaseFailure: the error that stopped the reading, from whichever statement or step.
    std::optional<DataBase::SqlException> databaseError;

    // The id's entry is in the set.
    explicit operator bool() const { return index >= 0; }
};

// Adds the assay with this id to the set; an id already in the set answers the index it has and reads
// nothing. The new entry keeps its file's fingerprint, taken as the file is read. Database errors end here,
// in the result: the set then holds what was complete before. The role's name and the file's message come
// from texts.
AssayLoadResult LoadAssay(DataBase::Handle& handle, SampleSet& sampleSet, uint32_t id, TextSource texts,
                          FileFingerprinting fingerprinting = FileFingerprinting::Take);
