#include "dialogkit/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace dialogkit {
namespace {

// Room for "%f" of the largest double (309 digits) with the decimals a field asks for.
constexpr int kMaxDecimals = 40;
constexpr std::size_t kBufferSize = 400;

std::wstring Widen(const char* first, const char* last) {
    return std::wstring(first, last);
}

// Infinities and NaN never reach the conversion: its text for them is not what the fields read back.
bool FormatSpecial(double value, std::wstring& text) {
    if (std::isnan(value)) text = L"nan";
    else if (std::isinf(value)) text = value < 0 ? L"-inf" : L"inf";
    else return false;
    return true;
}

std::wstring Format(double value, std::chars_format format, int precision) {
    std::wstring text;
    if (FormatSpecial(value, text)) return text;
    char buffer[kBufferSize];
    const auto converted = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return Widen(buffer, converted.ptr);
}

bool IsSpace(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether a number that the conversion found out of range is too large (else it is too small): the power of
// ten of its first significant digit, from the digits and the exponent.
bool IsTooLarge(const std::string& number) {
    const std::size_t n = number.size();
    std::size_t i = 0;
    long long power = 0;
    bool found = false;
    for (; i < n && IsDigit(number[i]); ++i) {
        if (found) ++power;
        else found = number[i] != '0';
    }
    if (i < n && number[i] == '.') {
        long long zeros = 0;
        for (++i; i < n && IsDigit(number[i]); ++i) {
            if (found) continue;
            if (number[i] == '0') ++zeros;
            else {
                found = true;
                power = -(zeros + 1);
            }
        }
    }
    if (!found) return false;
    if (i + 1 < n && (number[i] == 'e' || number[i] == 'E')) {
        const std::size_t start = i + 1 + (number[i + 1] == '+' ? 1 : 0);
        long long exponent = 0;
        const auto parsed = std::from_chars(number.data() + start, number.data() + n, exponent);
        if (parsed.ec == std::errc::result_out_of_range) return number[start] != '-';
        power += exponent;
    }
    return power > 0;
}

}  // namespace

std::wstring FormatGeneral(double value, int precision) {
    return Format(value, std::chars_format::general, precision < 0 ? 6 : precision);
}

std::wstring FormatFixed(double value, int decimals) {
    if (decimals < 0) decimals = 6;
    if (decimals > kMaxDecimals) decimals = kMaxDecimals;
    return Format(value, std::chars_format::fixed, decimals);
}

std::optional<double> ParseNumber(std::wstring_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    // Everything that can belong to a number is ASCII; the first other character ends it.
    std::string number;
    for (; i < text.size() && text[i] > L' ' && text[i] < 0x7F; ++i)
        number.push_back(static_cast<char>(text[i]));
    if (number.empty() || number[0] == '+' || number[0] == '-') return std::nullopt;

    double value = 0;
    const auto parsed = std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::general);
    if (parsed.ec == std::errc::invalid_argument) return std::nullopt;
    if (parsed.ec == std::errc::result_out_of_range)
        value = IsTooLarge(number.substr(0, static_cast<std::size_t>(parsed.ptr - number.data())))
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    return negative ? -value : value;
}

}  // namespace dialogkit
