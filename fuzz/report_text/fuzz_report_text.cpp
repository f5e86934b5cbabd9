// libFuzzer target: the report's text helpers (numbers, analysis times, the error list's line breaks) over
// arbitrary values, each checked against what the report relies on.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <iterator>
#include <string>

#include "fuzz/fuzz_check.h"
#include "fuzz/report_text/report_input.h"
#include "report/markup_text.h"
#include "report/time_text.h"
#include "text/number_text.h"

namespace {

// Zones in the POSIX form, so that no time zone database is needed: Greenwich, east, west with daylight
// saving, far east with a quarter-hour offset, and the farthest west (where 1601 begins after the range does).
constexpr const char* kZones[] = {"UTC0", "MSK-3", "EST5EDT,M3.2.0,M11.1.0",
                                  "<+1345>-13:45<+1445>,M9.5.0/2:45,M4.1.0/3:45", "<-12>12"};

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

int TwoDigits(const std::wstring& text, size_t at) {
    return (text[at] - L'0') * 10 + (text[at + 1] - L'0');
}

void CheckNumberText(double value) {
    const std::wstring text = FormatFixed(value, 3);
    if (std::isnan(value)) {
        FuzzCheck(text == L"nan", "NaN is not \"nan\"");
        return;
    }
    if (std::isinf(value)) {
        FuzzCheck(text == (value < 0 ? L"-inf" : L"inf"), "an infinity is not \"inf\" or \"-inf\"");
        return;
    }
    // -?digits.ddd, the sign exactly when the double's sign bit is set (so "-0.000" for small negatives).
    const size_t digits = text.size() - (std::signbit(value) ? 1 : 0);
    FuzzCheck(digits >= 5 && (text[0] == L'-') == std::signbit(value), "a number's sign or length is wrong");
    for (size_t i = text.size() - digits; i < text.size(); ++i)
        FuzzCheck(i == text.size() - 4 ? text[i] == L'.' : IsDigit(text[i]), "a number text is not -ddd.ddd");
    // Rounded to three decimals: read back, it lies within half a thousandth (and the double's spacing).
    const double back = std::wcstod(text.c_str(), nullptr);
    const double spacing = std::nextafter(std::fabs(value), INFINITY) - std::fabs(value);
    FuzzCheck(std::fabs(back - value) <= 0.0005 + spacing, "a number text is not the value to three decimals");
}

void CheckTimeText(int64_t seconds, uint8_t zone) {
    setenv("TZ", kZones[zone % std::size(kZones)], 1);
    const std::wstring text = AnalyseTimeText(seconds);
    const bool inRange = seconds >= -11644473600 && seconds <= 910692730085;
    FuzzCheck(inRange || text.empty(), "a moment outside the range has a time text");
    FuzzCheck(!inRange || zone % std::size(kZones) != 0 || !text.empty(), "a moment in range has no UTC time text");
    if (text.empty()) return;
    FuzzCheck(text.size() == 15 && text[2] == L'.' && text[5] == L'.' && text.substr(8, 2) == L"  " && text[12] == L':',
              "a time text is not \"dd.mm.yy  HH:MM\"");
    for (size_t at : {0, 3, 6, 10, 13})
        FuzzCheck(IsDigit(text[at]) && IsDigit(text[at + 1]), "a time text field is not two digits");
    const int day = TwoDigits(text, 0);
    const int month = TwoDigits(text, 3);
    FuzzCheck(
        day >= 1 && day <= 31 && month >= 1 && month <= 12 && TwoDigits(text, 10) <= 23 && TwoDigits(text, 13) <= 59,
        "a time text field is out of its range");
}

void CheckLineBreaks(const std::wstring& text) {
    size_t lineBreaks = 0;
    for (size_t at = text.find(L"\r\n"); at != std::wstring::npos; at = text.find(L"\r\n", at + 2)) ++lineBreaks;
    const std::wstring marked = ReplaceLineBreaks(text);
    FuzzCheck(marked.size() == text.size() + 4 * lineBreaks, "not every line break became one marker");
    FuzzCheck(marked.find(L"\r\n") == std::wstring::npos, "a line break is left in the marked text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ReportInput input = ReadReportHead(data, size);
    CheckNumberText(input.number);
    CheckTimeText(input.seconds, input.zone);
    const LocalTime wallClock{input.year, input.month, input.day, input.hour, input.minute};
    FuzzCheck(FormatAnalyseTime(wallClock).size() == 15, "a wall-clock text is not 15 characters");

    std::wstring text;
    for (size_t i = kReportHeadSize; i < size; ++i) text.push_back(static_cast<wchar_t>(data[i]));
    CheckLineBreaks(text);
    return 0;
}
