#include "db/handle.h"

#include "db/database_connection.h"
#include "db/sql_exception.h"
#include "text/utf8_text.h"

#include <sqlite3.h>

#include <filesystem>
#include <system_error>

namespace DataBase {

namespace {

// A host that writes its database holds its lock for moments; a reader that waits this long rides over
// them, and one that is still refused then tells the analyst instead of hanging.
constexpr int kBusyTimeoutMs = 2000;

// Whether anything (a file, a folder) is there. SQLite's own access check is no help: it takes an empty
// file, and on Windows a folder, for a missing one. The name is UTF-8 on every target, as SQLite took it.
bool PathExists(const std::string& name) {
    std::error_code error;
    const bool exists = std::filesystem::exists(std::filesystem::path(std::u8string(name.begin(), name.end())), error);
    // When the file system cannot say, SQLite's own text is the better message.
    return exists || error;
}

}  // namespace

void Handle::Closer::operator()(sqlite3* connection) const noexcept {
    sqlite3_close(connection);
}

Handle::Handle() {
    const wchar_t* uri = DataBaseConnection::Instance().ConnectionUri();
    // A missing string is the empty file name: SQLite's private temporary database.
    const std::wstring path = uri != nullptr ? uri : L"";
    const std::string name = Utf8FromWide(path);
    sqlite3* opened = nullptr;
    // The host's database is only read: never created where it is missing, never written. The name is a
    // plain path, as the host gives it ("file:" is no URI here).
    int rc = sqlite3_open_v2(name.c_str(), &opened, SQLITE_OPEN_READONLY, nullptr);
    // Owned from here on, so that a failure below closes it.
    connection_.reset(opened);
    if (rc != SQLITE_OK) throw OpenException(sqlite3_errmsg(opened), rc, path, !PathExists(name));
    sqlite3_busy_timeout(opened, kBusyTimeoutMs);
    rc = sqlite3_db_config(opened, SQLITE_DBCONFIG_ENABLE_FKEY, 1, nullptr);
    if (rc != SQLITE_OK) throw SqlException(sqlite3_errmsg(opened), rc, std::string());
}

}  // namespace DataBase
