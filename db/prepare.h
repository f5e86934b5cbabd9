#pragma once
// Turning a printf-style SQL format into a prepared statement on a handle.

#include "db/sql_format.h"
#include "db/statement.h"

#include <array>
#include <string>
#include <string_view>

namespace DataBase {

class Handle;

// Prepares the SQL text. Throws SqlException (without SQL text) when SQLite refuses it: a syntax error, a
// missing table, a locked database.
Statement PrepareText(Handle& handle, const std::wstring& sql);

// Prepares the text the format gives with its arguments (see FormatSql). The caller owns the statement.
template <class... Args>
Statement Prepare(Handle& handle, std::wstring_view format, const Args&... args) {
    const std::array<SqlFormatArg, sizeof...(Args)> formatArgs{SqlFormatArg(args)...};
    return PrepareText(handle, FormatSql(format, formatArgs));
}

}  // namespace DataBase
