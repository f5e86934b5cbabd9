#pragma once
// Reading picked or stored assay ids into the sample set for the list commands and the restore.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class SampleSet;

struct AssayLoad {
    // Some id answered an index: a new entry, or one the set already held.
    bool changed = false;
    // Empty when every id was read or passed over; otherwise what ended the run early, for the analyst (a
    // database that cannot be read, an assay that did not fit in memory). The set keeps what was read before.
    std::wstring failure;
    // The ids a failed database read left unread: the one it failed on and those after it.
    std::vector<uint32_t> unread;
    // One text per entry added without its channels, naming the chromatogram file that could not be read.
    std::vector<std::wstring> fileErrors;
};

// Ids read in several parts, between which the dialog answers the analyst: the restore of a long list.
struct AssayQueue {
    explicit AssayQueue(std::vector<uint32_t> idsToRead) : ids(std::move(idsToRead)) {}

    std::vector<uint32_t> ids;
    // The first id not read yet.
    std::size_t next = 0;
    AssayLoad load;

    bool done() const { return next == ids.size() || !load.failure.empty(); }
};

// Opens one database handle and runs LoadAssay for each id in order. An id the database does not hold is
// passed over; a database that cannot be opened or read, or an assay whose data does not fit in memory, ends
// the run with the entries read before it kept. Only other exceptions leave, with the set as LoadAssay left it.
AssayLoad LoadAssays(SampleSet& sampleSet, const std::vector<uint32_t>& ids);

// The same for the queue's ids from its next one on, pausing after an id when enough asks for it; the
// queue then says where to go on.
void LoadAssays(SampleSet& sampleSet, AssayQueue& queue, const std::function<bool()>& enough);

// What the analyst is told after a load: the file texts, then the failure and the ids it left unread, one
// per line; empty when all went well. A long run of file texts or ids is cut, so that the box still fits on
// the screen.
std::wstring AssayLoadMessage(const AssayLoad& load);

namespace DataBase {
class SqlException;
}

// The message for a database failure that ended a command: a database that is missing or cannot be opened
// named by its path, a failed read with SQLite's text.
std::wstring DatabaseFailureText(const DataBase::SqlException& error);
