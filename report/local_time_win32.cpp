#include "report/local_time.h"

#include <windows.h>

std::optional<LocalTime> PlatformLocalTime(int64_t secondsSince1970) {
    // FILETIME counts 100 ns ticks from 1601-01-01 UTC.
    constexpr int64_t secondsFrom1601To1970 = 11644473600;
    constexpr int64_t ticksPerSecond = 10000000;
    const auto ticks = static_cast<uint64_t>((secondsSince1970 + secondsFrom1601To1970) * ticksPerSecond);
    FILETIME fileTime;
    fileTime.dwLowDateTime = static_cast<DWORD>(ticks);
    fileTime.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    SYSTEMTIME utc;
    SYSTEMTIME local;
    // A null zone means the machine's current zone, with the daylight saving rule of the converted date.
    if (!FileTimeToSystemTime(&fileTime, &utc) || !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
        return std::nullopt;
    }
    return LocalTime{local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute};
}
