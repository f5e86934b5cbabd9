#pragma once
// The platform's conversion of a moment to the local clock, behind ToLocalTime's range check.

#include "report/time_text.h"

// secondsSince1970 lies within the range ToLocalTime accepts; std::nullopt when the platform cannot
// convert it (a local time before 1601 in a zone west of Greenwich).
std::optional<LocalTime> PlatformLocalTime(int64_t secondsSince1970);
