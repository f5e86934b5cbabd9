#include "ui/grid_sort.h"

#include <windows.h>
#include <oleauto.h>

#include <cmath>
#include <cwchar>
#include <optional>

namespace {

// An OLE date keeps the time of day as the magnitude of its fraction even before 1899-12-30, where the day
// count is negative: -1.25 is 06:00 of the day before and comes before -1.75 (18:00). Mapping it onto a
// straight time line keeps "earlier" meaning "smaller".
double InstantOf(DATE date) {
    if (date >= 0) return date;
    const double day = std::trunc(date);
    return day + (day - date);
}

std::optional<double> ParseInstant(const std::wstring& text) {
    std::wstring copy = text;  // the parser takes a writable string
    DATE date = 0;
    if (FAILED(VarDateFromStr(copy.data(), LANG_USER_DEFAULT, LOCALE_NOUSEROVERRIDE, &date))) return std::nullopt;
    return InstantOf(date);
}

}  // namespace

int CompareGridNumbers(const std::wstring& a, const std::wstring& b) {
    const double x = std::wcstod(a.c_str(), nullptr);
    const double y = std::wcstod(b.c_str(), nullptr);
    return x - y > 0 ? 1 : -1;
}

int CompareGridDates(const std::wstring& a, const std::wstring& b) {
    const auto x = ParseInstant(a);
    const auto y = ParseInstant(b);
    if (!x || !y) return 0;
    if (*x < *y) return -1;
    return *x > *y ? 1 : 0;
}

int CompareGridTexts(const std::wstring& a, const std::wstring& b) {
    const int order = _wcsicmp(a.c_str(), b.c_str());
    return (order > 0) - (order < 0);
}

int CompareGridCells(int sortKind, bool ascending, const std::wstring& a, const std::wstring& b) {
    int order = 0;
    switch (sortKind) {
    case kGridSortNone:
        break;
    case kGridSortNumbers:
        order = CompareGridNumbers(a, b);
        break;
    case kGridSortDates:
        order = CompareGridDates(a, b);
        break;
    default:
        order = CompareGridTexts(a, b);
        break;
    }
    return ascending ? order : -order;
}
