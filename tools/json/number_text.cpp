#include "tools/json/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace {

constexpr int kPrecision = 17;

// Drops trailing zeros of the fraction, and the point when no fraction is left, as %g does.
void TrimFraction(std::string& digits)
{
    if (digits.find('.') == std::string::npos)
        return;
    while (digits.back() == '0')
        digits.pop_back();
    if (digits.back() == '.')
        digits.pop_back();
}

} // namespace

std::string FormatDouble17g(double value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";

    // The shortest correct route to %g: the e-style conversion with precision 16 gives the 17 rounded digits
    // and the exponent X that decides between the fixed and the exponent form.
    char buffer[64];
    const std::to_chars_result converted =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, kPrecision - 1);
    const std::string scientific(buffer, converted.ptr);
    const size_t e = scientific.find('e');
    const int exponent = std::atoi(scientific.c_str() + e + 1);
    std::string digits = scientific.substr(0, 1) + scientific.substr(2, e - 2);

    std::string text = std::signbit(value) ? "-" : "";
    if (exponent >= -4 && exponent < kPrecision) {
        std::string fixed;
        if (exponent < 0)
            fixed = "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
        else
            fixed = digits.substr(0, static_cast<size_t>(exponent) + 1) + "." + digits.substr(static_cast<size_t>(exponent) + 1);
        TrimFraction(fixed);
        return text + fixed;
    }
    std::string mantissa = digits.substr(0, 1) + "." + digits.substr(1);
    TrimFraction(mantissa);
    const int magnitude = std::abs(exponent);
    text += mantissa + (exponent < 0 ? "e-" : "e+");
    if (magnitude < 10)
        text += '0';
    return text + std::to_string(magnitude);
}
