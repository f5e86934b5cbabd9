#pragma once
// The time of an analysis as the report prints it.

#include <cstdint>
#include <optional>
#include <string>

// A moment on the local wall clock, to the minute.
struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// Seconds since 1970-01-01 00:00 UTC on the machine's local clock (its time zone and daylight saving).
// std::nullopt outside what Windows' file times hold (1601-01-01 00:00:00 UTC to 30828-09-14 02:48:05
// UTC): the native build keeps to the same range so that both targets agree.
std::optional<LocalTime> ToLocalTime(int64_t secondsSince1970);

// "dd.mm.yy  HH:MM": day, month, two-digit year, two blanks, hours and minutes on the 24-hour clock, every
// field two digits.
std::wstring FormatAnalyseTime(const LocalTime& time);

// The local time of the moment in that form; empty when it cannot be converted.
std::wstring AnalyseTimeText(int64_t secondsSince1970);
