#pragma once
// Reading one assay of the host database, with its peaks and chromatogram file, into the sample set.

#include "db/sql_exception.h"
#include "strings/texts.h"

#include <cstdint>
#include <optional>
#include <string>

class SampleSet;

namespace DataBase {
class Handle;
}

// Adds the assay with this id to the set and answers its index; an id already in the set answers the index
// it has and reads nothing. Answers -1 when the database has no such assay or a database error stopped the
// reading: the set is then as it was (database errors end here, nothing is shown). A caller that must not take
// a failed read for a missing id passes databaseError: it receives the error that stopped the reading, from
// whichever statement or step, and is emptied when the reading ran through. When the new entry's
// chromatogram file could not be read, the entry is still added and *fileError (if given) receives the
// message for the analyst; otherwise it is made empty. The role's name and that message come from texts.
int LoadAssay(DataBase::Handle& handle, SampleSet& sampleSet, uint32_t id, TextSource texts,
              std::wstring* fileError = nullptr, std::optional<DataBase::SqlException>* databaseError = nullptr);
