#pragma once
// Number texts made and read by code of our own, the same on every target: the old C runtime that MinGW
// links prints NaN and infinities in its own way and its scanf knows neither, while a field must read back
// what it shows. A finite value is written as C's printf writes it (std::to_chars with a precision is
// specified so: rounded from the double's exact binary value, "-0" for negative zero); a NaN of either sign
// is "nan", the infinities "inf" and "-inf".

#include <optional>
#include <string>
#include <string_view>

// As "%.*f" with the given number of decimals (6 when negative, at most 40).
std::wstring FormatFixed(double value, int decimals);

// As "%.*g" with the given number of significant digits (6 when negative, at most 40).
std::wstring FormatGeneral(double value, int precision);

// As "%.*g" with the given number of significant digits (6 when negative, at most 40), but never with an
// exponent: 9.44959e-05 is "0.0000944959", 1.04e+06 is "1040000". XPath 1.0's number() reads no exponent,
// so a text meant for a style sheet is written this way.
std::wstring FormatPlain(double value, int precision);

// As "%.17g", in bytes ("4", "0.10000000000000001", "1.0000000000000001e-05"): seventeen digits tell every
// double from every other.
std::string FormatDouble17g(double value);

// As sscanf's "%lf" would read it: leading white space skipped, the longest number at the start taken
// (decimal, "inf", "infinity", "nan", "nan(...)", any case, with an optional sign), the rest ignored.
// Values beyond the double range give an infinity or a zero of the number's sign. Nothing readable: none.
std::optional<double> ParseNumber(std::wstring_view text);

// What an analyst typed, read whole: white space at either end aside, the text must be one decimal number
// (an optional sign, digits with at most one decimal separator, an optional exponent), where a comma is the
// decimal point as a Russian keyboard gives it. Anything else in the text, or a value that is not finite
// ("inf", "nan", "1e999"): none.
std::optional<double> ParseWholeNumber(std::wstring_view text);
