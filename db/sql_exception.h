#pragma once
// The one error of the database layer: SQLite's error text, the result code that failed and the SQL text of
// the failing statement. Everything is owned: the statement is finalized before the exception leaves.

#include <exception>
#include <optional>
#include <string>

namespace DataBase {

class SqlException : public std::exception {
public:
    // sql: the statement's text; empty for a failed open, absent for a failed prepare.
    SqlException(std::string message, int resultCode, std::optional<std::string> sql);

    // SQLite's error text, UTF-8.
    const char* what() const noexcept override { return message_.c_str(); }
    int ResultCode() const noexcept { return resultCode_; }
    // The failing statement's SQL text (UTF-8), or null when the failure happened while preparing.
    const char* Sql() const noexcept { return sql_ ? sql_->c_str() : nullptr; }

private:
    std::string message_;
    int resultCode_;
    std::optional<std::string> sql_;
};

} // namespace DataBase
