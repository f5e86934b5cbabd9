#pragma once
// Reading picked or stored assay ids into the sample set for the list commands and the restore.

#include <cstdint>
#include <string>
#include <vector>

class SampleSet;

struct AssayLoad {
    // Some id answered an index: a new entry, or one the set already held.
    bool changed = false;
    // Empty when every id was read or passed over; otherwise what ended the run early, for the analyst (a
    // database that cannot be read, an assay that did not fit in memory). The set keeps what was read before.
    std::wstring failure;
    // One text per entry added without its channels, naming the chromatogram file that could not be read.
    std::vector<std::wstring> fileErrors;
};

// Opens one database handle and runs LoadAssay for each id in order. An id the database does not hold is
// passed over; a database that cannot be opened or read, or an assay whose data does not fit in memory, ends
// the run with the entries read before it kept. Only other exceptions leave, with the set as LoadAssay left it.
AssayLoad LoadAssays(SampleSet& sampleSet, const std::vector<uint32_t>& ids);

// What the analyst is told after a load: the file texts, then the failure, one per line; empty when all
// went well. A long run of file texts is cut, so that the box still fits on the screen.
std::wstring AssayLoadMessage(const AssayLoad& load);

// The message for a database failure that ended a command; detail is SQLite's text (UTF-8).
std::wstring DatabaseFailureText(const char* detail);
