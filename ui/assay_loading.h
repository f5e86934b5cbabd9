#pragma once
// Reading picked or stored assay ids into the sample set for the list commands and the restore.

#include <cstdint>
#include <string>
#include <vector>

class SampleSet;

struct AssayLoad {
    // Some id answered an index: a new entry, or one the set already held.
    bool changed = false;
    // Empty when the database answered; otherwise what failed, for the analyst. The load stopped there and
    // the set keeps what was read before.
    std::wstring failure;
};

// Opens one database handle and runs LoadAssay for each id in order. An id the database does not hold is
// passed over; a database that cannot be opened or read ends the run. Only other exceptions (out of
// memory) leave, with the set as LoadAssay left it.
AssayLoad LoadAssays(SampleSet& sampleSet, const std::vector<uint32_t>& ids);

// The message for a database failure that ended a command; detail is SQLite's text (UTF-8).
std::wstring DatabaseFailureText(const char* detail);
