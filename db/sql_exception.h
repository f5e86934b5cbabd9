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

// The database could not be opened. The analyst needs to know which file was meant, so the path comes
// along. A file that does not exist is told in the analyst's words (what() is then the built-in
// "База данных не найдена: PATH", IDS_DATABASE_NOT_FOUND, which the tools print; the module tells it from its
// own resources), since SQLite's "unable to open database file" would not say that it is simply missing.
class OpenException : public SqlException {
public:
    // message: SQLite's text, used unless the file is missing.
    OpenException(std::string message, int resultCode, std::wstring path, bool missing);

    const std::wstring& Path() const noexcept { return path_; }
    bool Missing() const noexcept { return missing_; }

private:
    std::wstring path_;
    bool missing_;
};

}  // namespace DataBase
