#include "tests/db/database_fault_table.h"

#include "db/database_connection.h"
#include "text/utf8_text.h"
#include "tools/chromwriter/chrom_writer.h"

#include <sqlite3.h>

#include <fstream>
#include <stdexcept>

namespace {

void Overwrite(const std::filesystem::path& path, std::streamoff offset, const std::string& bytes) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(offset);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void MakeEmpty(const ScratchDatabase& database) {
    std::filesystem::resize_file(database.path(), 0);
}

void MakeForeign(const ScratchDatabase& database) {
    SaveBytes(database.path(), std::string(8192, 'x'));
}

void DamageTablePages(const ScratchDatabase& database) {
    // Page 1 is the schema, read as the statements are prepared; the tables' own pages follow it.
    Overwrite(database.path(), 4096, std::string(2 * 4096, '\xFF'));
}

std::filesystem::path GivenPath(const ScratchDatabase& database, Given given) {
    switch (given) {
    case Given::MissingFile:
        return database.folder() / "missing.db";
    case Given::Folder:
        return database.folder();
    case Given::Database:
        break;
    }
    return database.path();
}

// Windows refuses to open a folder; POSIX opens it for reading, and the first read fails.
#ifdef _WIN32
constexpr char kFolderMessage[] = "unable to open database file";
#else
constexpr char kFolderMessage[] = "disk I/O error";
#endif

}  // namespace

const std::vector<DatabaseFault> kDatabaseFaults = {
    {"missing file", Given::MissingFile, nullptr, nullptr, false, nullptr, false},
    {"folder instead of a file", Given::Folder, nullptr, nullptr, false, kFolderMessage, false},
    {"empty file", Given::Database, nullptr, MakeEmpty, false, "no such table: assay", false},
    {"not a database", Given::Database, nullptr, MakeForeign, false, "file is not a database", false},
    {"damaged table pages", Given::Database, nullptr, DamageTablePages, false, "database disk image is malformed",
     false},
    {"no assay table", Given::Database, "DROP TABLE peak; DROP TABLE assay;", nullptr, false, "no such table: assay",
     false},
    {"no peak table", Given::Database, "DROP TABLE peak;", nullptr, false, "no such table: peak", false},
    {"assay table without a column", Given::Database, "ALTER TABLE assay DROP COLUMN iscalibration;", nullptr, false,
     "no such column: iscalibration", false},
    {"assay column renamed", Given::Database, "ALTER TABLE assay RENAME COLUMN sample TO probe;", nullptr, false,
     "no such column: sample", false},
    {"peak table without a column", Given::Database, "ALTER TABLE peak DROP COLUMN back;", nullptr, false,
     "no such column: back", false},
    {"locked by another connection", Given::Database, nullptr, nullptr, true, "database is locked", false},
    // The peak rows of assay 2 cannot be computed: the failure comes while stepping, after its assay row. A
    // failed step gives SQLite's text of the result code.
    {"a peak row that cannot be read", Given::Database,
     "ALTER TABLE peak RENAME TO peak_rows;"
     "CREATE VIEW peak AS SELECT assayid, nameid, name, area,"
     " CASE WHEN assayid = 2 THEN abs(-9223372036854775807 - 1) ELSE time END AS time,"
     " concentration, height, channel, front, back FROM peak_rows;",
     nullptr, false, "SQL logic error", true},
};

void AppliedFault::Closer::operator()(sqlite3* connection) const {
    sqlite3_close(connection);
}

AppliedFault::AppliedFault(const DatabaseFault& fault, const ScratchDatabase& database)
    : fault_(fault), path_(GivenPath(database, fault.given)) {
    if (fault.sql != nullptr) database.Exec(fault.sql);
    if (fault.damage != nullptr) fault.damage(database);
    if (fault.locked) {
        sqlite3* opened = nullptr;
        sqlite3_open16(database.path().u16string().c_str(), &opened);
        locker_.reset(opened);
        if (sqlite3_exec(opened, "BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr) != SQLITE_OK)
            throw std::runtime_error("the exclusive lock was refused");
    }
    DataBaseConnection::Instance().SetConnectionUri(path_.wstring().c_str());
}

AppliedFault::~AppliedFault() = default;

std::string AppliedFault::Message() const {
    return fault_.message != nullptr ? fault_.message : Utf8FromWide(L"База данных не найдена: " + path_.wstring());
}
