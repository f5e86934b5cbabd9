#include "db/handle.h"

#include "db/database_connection.h"
#include "db/sql_exception.h"
#include "db/utf16.h"

#include <sqlite3.h>

namespace DataBase {

void Handle::Closer::operator()(sqlite3* connection) const noexcept
{
    sqlite3_close(connection);
}

Handle::Handle()
{
    const wchar_t* uri = DataBaseConnection::Instance().ConnectionUri();
    // A missing string is the empty file name: SQLite's private temporary database.
    const std::u16string path = ToUtf16(uri != nullptr ? uri : L"");
    sqlite3* opened = nullptr;
    int rc = sqlite3_open16(path.c_str(), &opened);
    // Owned from here on, so that a failure below closes it.
    connection_.reset(opened);
    if (rc == SQLITE_OK)
        rc = sqlite3_db_config(opened, SQLITE_DBCONFIG_ENABLE_FKEY, 1, nullptr);
    if (rc != SQLITE_OK)
        throw SqlException(sqlite3_errmsg(opened), rc, std::string());
}

} // namespace DataBase
