#include "report/time_text.h"

#include "report/local_time.h"

namespace {

void AppendTwoDigits(std::wstring& text, int value) {
    text.push_back(static_cast<wchar_t>(L'0' + value / 10 % 10));
    text.push_back(static_cast<wchar_t>(L'0' + value % 10));
}

}  // namespace

std::optional<LocalTime> ToLocalTime(int64_t secondsSince1970) {
    // The first second of 1601 and the last whole second that 100 ns ticks from there fit in 63 bits.
    constexpr int64_t earliest = -11644473600;
    constexpr int64_t latest = 910692730085;
    if (secondsSince1970 < earliest || secondsSince1970 > latest) {
        return std::nullopt;
    }
    return PlatformLocalTime(secondsSince1970);
}

std::wstring FormatAnalyseTime(const LocalTime& time) {
    std::wstring text;
    text.reserve(15);
    AppendTwoDigits(text, time.day);
    text.push_back(L'.');
    AppendTwoDigits(text, time.month);
    text.push_back(L'.');
    AppendTwoDigits(text, time.year % 100);
    text.append(L"  ");
    AppendTwoDigits(text, time.hour);
    text.push_back(L':');
    AppendTwoDigits(text, time.minute);
    return text;
}

std::wstring AnalyseTimeText(int64_t secondsSince1970) {
    const std::optional<LocalTime> local = ToLocalTime(secondsSince1970);
    return local ? FormatAnalyseTime(*local) : std::wstring();
}
