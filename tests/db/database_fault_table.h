#pragma once
// The database faults every reader of the host database is tested against: the layer itself, the dialog's
// add and restore, and recalc. Each breaks a host database that holds assays 1 to 3 with one peak each.

#include "tests/db/scratch_database.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

struct sqlite3;

// The path the module is given for the scene's database.
enum class Given { Database, MissingFile, Folder };

struct DatabaseFault {
    const char* name;
    Given given;
    // What breaks the database file: SQL run on it, a change of its bytes, or neither.
    const char* sql;
    void (*damage)(const ScratchDatabase&);
    // Another connection holds an exclusive transaction while the module reads.
    bool locked;
    // SQLite's text for it; null for the missing file, whose text the module makes.
    const char* message;
    // Only assay 2 is affected: assays 1 and 3 still read whole.
    bool onlyAssay2;
};

extern const std::vector<DatabaseFault> kDatabaseFaults;

// The fault applied to a database: the file broken as it says, DataBaseConnection pointed at the given
// path, and the other connection's lock held for as long as the object lives.
class AppliedFault {
public:
    AppliedFault(const DatabaseFault& fault, const ScratchDatabase& database);
    ~AppliedFault();

    AppliedFault(const AppliedFault&) = delete;
    AppliedFault& operator=(const AppliedFault&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // What the database layer raises for it (UTF-8), the missing file's text naming the path.
    std::string Message() const;

private:
    const DatabaseFault& fault_;
    std::filesystem::path path_;
    struct Closer {
        void operator()(sqlite3* connection) const;
    };
    std::unique_ptr<sqlite3, Closer> locker_;
};
