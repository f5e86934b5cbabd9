#include "hostsim/assay_rows.h"

#include <sqlite3.h>

#include <memory>

#include "db/for_each_row.h"
#include "db/sql_exception.h"
#include "db/utf16.h"
#include "text/utf8_text.h"

namespace {

// Ids beyond 32 bits, or negative ones, would reach the plug-in as some other assay's id: not offered.
constexpr wchar_t kAssayRows[] =
    L"SELECT id, date, sample, method, filename FROM [assay] WHERE id BETWEEN 0 AND 4294967295 ORDER BY id;";

struct Closer {
    void operator()(sqlite3* connection) const noexcept { sqlite3_close(connection); }
};
using Connection = std::unique_ptr<sqlite3, Closer>;

[[noreturn]] void Fail(sqlite3* connection, int rc) {
    throw DataBase::SqlException(connection ? sqlite3_errmsg(connection) : sqlite3_errstr(rc), rc, std::nullopt);
}

// Read-only and without creating: a mistyped path must not leave an empty database behind.
Connection OpenReadOnly(const std::wstring& path) {
    sqlite3* opened = nullptr;
    const int rc = sqlite3_open_v2(Utf8FromWide(path).c_str(), &opened, SQLITE_OPEN_READONLY, nullptr);
    Connection connection(opened);
    if (rc != SQLITE_OK) Fail(opened, rc);
    return connection;
}

DataBase::Statement Prepare(sqlite3* connection) {
    const std::u16string sql = DataBase::ToUtf16(kAssayRows);
    sqlite3_stmt* prepared = nullptr;
    const int rc = sqlite3_prepare16_v2(connection, sql.c_str(), -1, &prepared, nullptr);
    DataBase::Statement statement(prepared);
    if (rc != SQLITE_OK) Fail(connection, rc);
    return statement;
}

}  // namespace

std::vector<AssayRow> ReadAssayRows(const std::wstring& databasePath) {
    const Connection connection = OpenReadOnly(databasePath);
    std::vector<AssayRow> rows;
    DataBase::ForEachRow<int64_t, int64_t, std::wstring, std::wstring,
                         std::wstring>(Prepare(connection.get()), [&rows](int64_t id, int64_t date, std::wstring sample,
                                                                          std::wstring method, std::wstring filename) {
        rows.push_back({static_cast<uint32_t>(id), date, std::move(sample), std::move(method), std::move(filename)});
    });
    return rows;
}
