#pragma once
// Number texts of the dialog fields, made and read by code of our own: the old C runtime that MinGW links
// prints NaN and infinities in its own way and its scanf knows neither, while a field must read back what
// it shows. NaN and infinities are written "nan", "inf" and "-inf" everywhere.

#include <optional>
#include <string>
#include <string_view>

namespace dialogkit {

// As "%.*g" with the given number of significant digits.
std::wstring FormatGeneral(double value, int precision);

// As "%.*f" with the given number of decimals.
std::wstring FormatFixed(double value, int decimals);

// As sscanf's "%lf" would read it: leading white space skipped, the longest number at the start taken
// (decimal, "inf", "infinity", "nan", "nan(...)", any case, with an optional sign), the rest ignored.
// Values beyond the double range give an infinity or a zero of the number's sign. Nothing readable: none.
std::optional<double> ParseNumber(std::wstring_view text);

}  // namespace dialogkit
