#include "db/prepare.h"

#include "db/handle.h"
#include "db/sql_exception.h"
#include "db/utf16.h"

#include <sqlite3.h>

#include <optional>

namespace DataBase {

Statement PrepareText(Handle& handle, const std::wstring& sql) {
    const std::u16string text = ToUtf16(sql);
    sqlite3_stmt* prepared = nullptr;
    const int rc = sqlite3_prepare16_v2(handle.get(), text.c_str(), -1, &prepared, nullptr);
    // Owned before anything can throw; null after a failure.
    Statement statement(prepared);
    if (rc != SQLITE_OK) throw SqlException(sqlite3_errmsg(handle.get()), rc, std::nullopt);
    return statement;
}

}  // namespace DataBase
