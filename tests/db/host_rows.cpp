#include "tests/db/host_rows.h"

#include <sqlite3.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace {

struct Closer {
    void operator()(sqlite3* connection) const { sqlite3_close(connection); }
};
struct Finalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

using Connection = std::unique_ptr<sqlite3, Closer>;

Connection Open(const ScratchDatabase& database) {
    sqlite3* opened = nullptr;
    const int rc = sqlite3_open16(database.path().u16string().c_str(), &opened);
    Connection connection(opened);
    if (rc != SQLITE_OK) throw std::runtime_error("cannot open the scratch database");
    return connection;
}

void Run(sqlite3* connection, const char* sql, std::initializer_list<std::u16string_view> texts) {
    sqlite3_stmt* prepared = nullptr;
    if (sqlite3_prepare_v2(connection, sql, -1, &prepared, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(connection));
    const std::unique_ptr<sqlite3_stmt, Finalizer> statement(prepared);
    int position = 1;
    for (std::u16string_view text : texts) {
        // Bound with its length, so that SQLite takes every unit as it is, whatever it is.
        sqlite3_bind_text16(prepared, position++, text.data(), static_cast<int>(text.size() * sizeof(char16_t)),
                            SQLITE_TRANSIENT);
    }
    if (sqlite3_step(prepared) != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(connection));
}

}  // namespace

void ExecWithTexts(const ScratchDatabase& database, const char* sql, std::initializer_list<std::u16string_view> texts) {
    Run(Open(database).get(), sql, texts);
}

void AddAssayRow(const ScratchDatabase& database, int64_t id, std::u16string_view filename) {
    AddAssayRows(database, id, {std::u16string(filename)});
}

void AddAssayRows(const ScratchDatabase& database, int64_t firstId, const std::vector<std::u16string>& filenames) {
    const Connection connection = Open(database);
    Run(connection.get(), "BEGIN;", {});
    int64_t id = firstId;
    for (const std::u16string& filename : filenames) {
        const std::string sql = "INSERT INTO assay VALUES (" + std::to_string(id++) +
                                ", 1767000000, ?1, 'Раствор град1', 'Вода в масле', 'ЗЮЛК', 1);";
        Run(connection.get(), sql.c_str(), {filename});
    }
    Run(connection.get(), "COMMIT;", {});
}

void AddPeakRow(const ScratchDatabase& database, int64_t assayId, double time) {
    const std::string sql =
        "INSERT INTO peak(assayid, nameid, name, area, time, concentration, height, channel,"
        " front, back) VALUES (" +
        std::to_string(assayId) + ", 'g', 'вода', 10, " + std::to_string(time) + ", 0.5, 100, 1, 0, 1);";
    database.Exec(sql.c_str());
}
