#include "report/time_text.h"

#include <gtest/gtest.h>

#include <limits>

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#include <ctime>
#endif

namespace {

struct FormatCase {
    LocalTime time;
    const wchar_t* text;
};

TEST(FormatAnalyseTime, WritesTwoDigitFieldsAndTwoBlanks) {
    const FormatCase cases[] = {
        {{2025, 2, 7, 14, 5}, L"07.02.25  14:05"}, {{2000, 12, 31, 23, 59}, L"31.12.00  23:59"},
        {{1999, 1, 1, 0, 0}, L"01.01.99  00:00"},  {{2105, 10, 9, 9, 7}, L"09.10.05  09:07"},
        {{1601, 1, 1, 0, 0}, L"01.01.01  00:00"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatAnalyseTime(c.time), c.text);
    }
}

// The tests below need a known local clock. Natively the zone is set here; under Wine the zone is the
// machine's, so they run only where it is UTC.
class LocalClock : public testing::Test {
protected:
    void SetUp() override {
#ifdef _WIN32
        TIME_ZONE_INFORMATION zone;
        const DWORD id = GetTimeZoneInformation(&zone);
        if (id == TIME_ZONE_ID_INVALID || zone.Bias != 0 || (id == TIME_ZONE_ID_DAYLIGHT && zone.DaylightBias)) {
            GTEST_SKIP() << "the machine's time zone is not UTC";
        }
#else
        setenv("TZ", "UTC0", 1);
        tzset();
#endif
    }
};

struct MomentCase {
    int64_t seconds;
    const wchar_t* text;
};

TEST_F(LocalClock, ConvertsSecondsSince1970) {
    const int64_t max = std::numeric_limits<int64_t>::max();
    const int64_t min = std::numeric_limits<int64_t>::min();
    const MomentCase cases[] = {
        {0, L"01.01.70  00:00"},
        {1738937100, L"07.02.25  14:05"},
        {1738937159, L"07.02.25  14:05"},
        {951782400, L"29.02.00  00:00"},
        {4102444799, L"31.12.99  23:59"},
        // Before 1970 the clock still converts; before 1601 nothing does.
        {-86400, L"31.12.69  00:00"},
        {-11644473600, L"01.01.01  00:00"},
        {-11644473601, L""},
        // Past what Windows' file times hold there is no time.
        {910692730085, L"14.09.28  02:48"},
        {910692730086, L""},
        {max, L""},
        {min, L""},
    };
    for (const MomentCase& c : cases) {
        EXPECT_EQ(AnalyseTimeText(c.seconds), c.text) << c.seconds;
    }
}

#ifndef _WIN32
TEST_F(LocalClock, FollowsTheLocalZone) {
    setenv("TZ", "MSK-3", 1);
    EXPECT_EQ(AnalyseTimeText(1738937100), L"07.02.25  17:05");
    setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
    EXPECT_EQ(AnalyseTimeText(1738937100), L"07.02.25  09:05");
    EXPECT_EQ(AnalyseTimeText(1751378700), L"01.07.25  10:05");
}
#endif

}  // namespace
