#include "db/statement.h"

#include "db/sql_exception.h"
#include "db/utf16.h"

#include <sqlite3.h>

namespace DataBase {

void Statement::Finalizer::operator()(sqlite3_stmt* statement) const noexcept {
    sqlite3_finalize(statement);
}

void Statement::BindUnsigned(int position, uint32_t value) {
    sqlite3_bind_int64(statement_.get(), position, static_cast<sqlite3_int64>(value));
}

void Statement::BindSigned(int position, int32_t value) {
    sqlite3_bind_int(statement_.get(), position, value);
}

bool Statement::Step() {
    // A text of only blanks or comments prepares to no statement at all: it has no rows.
    if (!statement_) return false;
    const int rc = sqlite3_step(statement_.get());
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) {
        statement_.reset();
        return false;
    }
    // Copy the text first: finalizing frees it, and the handle must not meet an open statement when it closes.
    const char* text = sqlite3_sql(statement_.get());
    std::string sql = text != nullptr ? text : "";
    statement_.reset();
    throw SqlException(sqlite3_errstr(rc), rc, std::move(sql));
}

namespace {

bool IsNull(sqlite3_stmt* statement, int index) {
    return sqlite3_column_type(statement, index) == SQLITE_NULL;
}

}  // namespace

template <>
int32_t Statement::Column<int32_t>(int index) const {
    return IsNull(get(), index) ? 0 : sqlite3_column_int(get(), index);
}

template <>
uint32_t Statement::Column<uint32_t>(int index) const {
    return static_cast<uint32_t>(Column<int64_t>(index));
}

template <>
int64_t Statement::Column<int64_t>(int index) const {
    return IsNull(get(), index) ? 0 : sqlite3_column_int64(get(), index);
}

template <>
double Statement::Column<double>(int index) const {
    return IsNull(get(), index) ? 0.0 : sqlite3_column_double(get(), index);
}

template <>
std::wstring Statement::Column<std::wstring>(int index) const {
    return IsNull(get(), index) ? std::wstring() : FromUtf16(sqlite3_column_text16(get(), index));
}

}  // namespace DataBase
