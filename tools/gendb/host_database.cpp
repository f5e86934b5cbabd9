#include "tools/gendb/host_database.h"

#include "text/utf8_text.h"

#include <sqlite3.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace {

const char kSchema[] =
    "CREATE TABLE assay(id INTEGER PRIMARY KEY, date INTEGER NOT NULL, filename TEXT NOT NULL, sample TEXT,"
    " mixture TEXT, method TEXT, iscalibration INTEGER NOT NULL DEFAULT 0);"
    "CREATE TABLE peak(id INTEGER PRIMARY KEY, assayid INTEGER NOT NULL REFERENCES assay(id) ON DELETE CASCADE,"
    " nameid TEXT, name TEXT, area REAL, time REAL, concentration REAL, height REAL, channel INTEGER,"
    " front REAL, back REAL);"
    "CREATE INDEX peak_assayid ON peak(assayid);";

struct Closer {
    void operator()(sqlite3* connection) const { sqlite3_close(connection); }
};
struct Finalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Connection = std::unique_ptr<sqlite3, Closer>;
using Statement = std::unique_ptr<sqlite3_stmt, Finalizer>;

[[noreturn]] void Fail(sqlite3* connection) {
    throw std::runtime_error(std::string("host database: ") + sqlite3_errmsg(connection));
}

void Exec(sqlite3* connection, const char* sql) {
    if (sqlite3_exec(connection, sql, nullptr, nullptr, nullptr) != SQLITE_OK) Fail(connection);
}

Statement Prepare(sqlite3* connection, const char* sql) {
    sqlite3_stmt* prepared = nullptr;
    if (sqlite3_prepare_v2(connection, sql, -1, &prepared, nullptr) != SQLITE_OK) Fail(connection);
    return Statement(prepared);
}

void BindText(sqlite3_stmt* statement, int position, const std::wstring& text) {
    const std::string utf8 = Utf8FromWide(text);
    sqlite3_bind_text(statement, position, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

// Steps an insert once and makes it ready for the next row.
void Insert(sqlite3* connection, sqlite3_stmt* statement) {
    if (sqlite3_step(statement) != SQLITE_DONE) Fail(connection);
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
}

void InsertAssay(sqlite3* connection, sqlite3_stmt* statement, const HostAssay& assay) {
    sqlite3_bind_int64(statement, 1, assay.id);
    sqlite3_bind_int64(statement, 2, assay.date);
    BindText(statement, 3, assay.filename);
    BindText(statement, 4, assay.sample);
    BindText(statement, 5, assay.mixture);
    BindText(statement, 6, assay.method);
    sqlite3_bind_int(statement, 7, assay.iscalibration);
    Insert(connection, statement);
}

void InsertPeak(sqlite3* connection, sqlite3_stmt* statement, int64_t assayId, const HostPeak& peak) {
    sqlite3_bind_int64(statement, 1, assayId);
    BindText(statement, 2, peak.nameid);
    BindText(statement, 3, peak.name);
    sqlite3_bind_double(statement, 4, peak.area);
    sqlite3_bind_double(statement, 5, peak.time);
    sqlite3_bind_double(statement, 6, peak.concentration);
    sqlite3_bind_double(statement, 7, peak.height);
    sqlite3_bind_int(statement, 8, peak.channel);
    sqlite3_bind_double(statement, 9, peak.front);
    sqlite3_bind_double(statement, 10, peak.back);
    Insert(connection, statement);
}

}  // namespace

void WriteHostDatabase(const std::filesystem::path& path, const std::vector<HostAssay>& assays) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    sqlite3* opened = nullptr;
    const int rc = sqlite3_open16(path.u16string().c_str(), &opened);
    Connection connection(opened);
    if (rc != SQLITE_OK) Fail(opened);
    Exec(opened, kSchema);
    Exec(opened, "BEGIN;");
    const Statement assayInsert = Prepare(
        opened,
        "INSERT INTO assay(id, date, filename, sample, mixture, method, iscalibration) VALUES (?,?,?,?,?,?,?);");
    const Statement peakInsert =
        Prepare(opened,
                "INSERT INTO peak(assayid, nameid, name, area, time, concentration, height, channel, front, back)"
                " VALUES (?,?,?,?,?,?,?,?,?,?);");
    for (const HostAssay& assay : assays) {
        InsertAssay(opened, assayInsert.get(), assay);
        for (const HostPeak& peak : assay.peaks) InsertPeak(opened, peakInsert.get(), assay.id, peak);
    }
    Exec(opened, "COMMIT;");
}
