#include "db/sql_exception.h"

#include "strings/format_text.h"
#include "strings/string_ids.h"
#include "strings/texts.h"
#include "text/utf8_text.h"

#include <utility>

namespace DataBase {

SqlException::SqlException(std::string message, int resultCode, std::optional<std::string> sql)
    : message_(std::move(message)), resultCode_(resultCode), sql_(std::move(sql)) {}

namespace {

std::string OpenMessage(std::string message, const std::wstring& path, bool missing) {
    return missing ? Utf8FromWide(FormatText(BuiltInText(IDS_DATABASE_NOT_FOUND), {path})) : std::move(message);
}

}  // namespace

OpenException::OpenException(std::string message, int resultCode, std::wstring path, bool missing)
    : SqlException(OpenMessage(std::move(message), path, missing), resultCode, std::string()),
      path_(std::move(path)),
      missing_(missing) {}

}  // namespace DataBase
