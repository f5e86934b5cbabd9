#include "report/local_time.h"

#include <ctime>

std::optional<LocalTime> PlatformLocalTime(int64_t secondsSince1970) {
    const auto moment = static_cast<std::time_t>(secondsSince1970);
    std::tm local{};
    // localtime_r alone may keep a zone read earlier; tzset follows the environment as localtime does.
    tzset();
    if (localtime_r(&moment, &local) == nullptr || local.tm_year + 1900 < 1601) {
        return std::nullopt;
    }
    return LocalTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
}
