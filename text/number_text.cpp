#include "text/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// The most decimals or significant digits a text is given: "%.40f" of the largest double (309 integer
// digits) still fits the buffer.
constexpr int kMaxPrecision = 40;
constexpr size_t kBufferSize = 400;

// The text of the value in the format and precision, as ASCII bytes.
std::string Format(double value, std::chars_format format, int precision) {
    // Infinities and NaN never reach the conversion: its text for them is not what the fields read back.
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    if (precision < 0) precision = 6;
    if (precision > kMaxPrecision) precision = kMaxPrecision;
    char buffer[kBufferSize];
    const std::to_chars_result converted = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return std::string(buffer, converted.ptr);
}

std::wstring Widen(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
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
    const size_t n = number.size();
    size_t i = 0;
    long long power = 0;
    bool found = false;
    for (; i < n && IsDigit(number[i]); ++i) {
        if (found)
            ++power;
        else
            found = number[i] != '0';
    }
    if (i < n && number[i] == '.') {
        long long zeros = 0;
        for (++i; i < n && IsDigit(number[i]); ++i) {
            if (found) continue;
            if (number[i] == '0') {
                ++zeros;
            } else {
                found = true;
                power = -(zeros + 1);
            }
        }
    }
    if (!found) return false;
    if (i + 1 < n && (number[i] == 'e' || number[i] == 'E')) {
        const size_t start = i + 1 + (number[i + 1] == '+' ? 1 : 0);
        long long exponent = 0;
        const auto parsed = std::from_chars(number.data() + start, number.data() + n, exponent);
        if (parsed.ec == std::errc::result_out_of_range) return number[start] != '-';
        power += exponent;
    }
    return power > 0;
}

// sign? (digits ("." digits?)? | "." digits) (("e" | "E") sign? digits)?, the whole text.
bool IsDecimalNumber(std::string_view text) {
    size_t i = 0;
    const auto skipSign = [&] {
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    };
    const auto digits = [&] {
        const size_t start = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        return i - start;
    };
    skipSign();
    size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        skipSign();
        if (digits() == 0) return false;
    }
    return i == text.size();
}

}  // namespace

std::wstring FormatFixed(double value, int decimals) {
    return Widen(Format(value, std::chars_format::fixed, decimals));
}

std::wstring FormatGeneral(double value, int precision) {
    return Widen(Format(value, std::chars_format::general, precision));
}

std::wstring FormatPlain(double value, int precision) {
    if (!std::isfinite(value)) return FormatGeneral(value, precision);
    // The digits "%.*g" keeps ("-9.44959e-05": "944959", the power -5), set out around the decimal point.
    const std::string scientific =
        Format(value, std::chars_format::scientific, std::max(0, (precision < 0 ? 6 : precision) - 1));
    const std::size_t e = scientific.find('e');
    int power = 0;
    std::from_chars(scientific.data() + e + (scientific[e + 1] == '+' ? 2 : 1), scientific.data() + scientific.size(),
                    power);
    const bool negative = scientific[0] == '-';
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i)
        if (scientific[i] != '.') digits.push_back(scientific[i]);
    // As %g, without the zeros that end the fraction.
    digits.erase(std::max<std::size_t>(1, digits.find_last_not_of('0') + 1));
    const auto count = static_cast<int>(digits.size());
    std::string plain = negative ? "-" : "";
    if (power < 0)
        plain += "0." + std::string(static_cast<std::size_t>(-power - 1), '0') + digits;
    else if (power >= count - 1)
        plain += digits + std::string(static_cast<std::size_t>(power - count + 1), '0');
    else
        plain += digits.substr(0, static_cast<std::size_t>(power) + 1) + "." +
                 digits.substr(static_cast<std::size_t>(power) + 1);
    return Widen(plain);
}

std::string FormatDouble17g(double value) {
    return Format(value, std::chars_format::general, 17);
}

std::optional<double> ParseNumber(std::wstring_view text) {
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    // Everything that can belong to a number is ASCII; the first other character ends it.
    std::string number;
    for (; i < text.size() && text[i] > L' ' && text[i] < 0x7F; ++i) number.push_back(static_cast<char>(text[i]));
    if (number.empty() || number[0] == '+' || number[0] == '-') return std::nullopt;

    double value = 0;
    const auto parsed =
        std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::general);
    if (parsed.ec == std::errc::invalid_argument) return std::nullopt;
    if (parsed.ec == std::errc::result_out_of_range)
        value = IsTooLarge(number.substr(0, static_cast<size_t>(parsed.ptr - number.data())))
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    return negative ? -value : value;
}

std::optional<double> ParseWholeNumber(std::wstring_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    std::string number;
    for (const wchar_t c : text) {
        // Only ASCII can belong to the number; anything else makes the text no number at all.
        if (c >= 0x80) return std::nullopt;
        number.push_back(c == L',' ? '.' : static_cast<char>(c));
    }
    if (!IsDecimalNumber(number)) return std::nullopt;
    const std::optional<double> value = ParseNumber(std::wstring(number.begin(), number.end()));
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}
