#include "db/sql_exception.h"

#include <utility>

namespace DataBase {

SqlException::SqlException(std::string message, int resultCode, std::optional<std::string> sql)
    : message_(std::move(message)), resultCode_(resultCode), sql_(std::move(sql))
{
}

} // namespace DataBase
