#include "report/number_text.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace {

// The value as std::to_chars writes it in this format and precision (which is what C's printf writes), with
// the module's own words for values that are not finite.
std::wstring Format(double value, std::chars_format format, int precision)
{
    if (std::isnan(value)) {
        return L"nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? L"-inf" : L"inf";
    }
    // The largest double has 309 integer digits; with sign, point and three decimals 320 characters hold
    // every finite value.
    char digits[320];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value, format, precision);
    if (error != std::errc()) {
        return L"nan";
    }
    return std::wstring(digits, end);
}

} // namespace

std::wstring FormatFixed3(double value)
{
    return Format(value, std::chars_format::fixed, 3);
}

std::wstring FormatGeneral6(double value)
{
    return Format(value, std::chars_format::general, 6);
}
