#include "report/number_text.h"

#include <charconv>
#include <cmath>
#include <system_error>

std::wstring FormatFixed3(double value)
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
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 3);
    if (error != std::errc()) {
        return L"nan";
    }
    return std::wstring(digits, end);
}
