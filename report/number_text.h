#pragma once
// Numbers as the report prints them.

#include <string>

// The value with exactly three decimals, a full stop and no grouping, as C's "%.3f" writes it (rounded
// from the double's exact binary value, "-0.000" for a small negative). NaN of either sign is "nan",
// infinities "inf" and "-inf", on every target: the text never comes from the C runtime's printf.
std::wstring FormatFixed3(double value);

// The value with six significant digits, as C's "%.6g" writes it (exponent form below 1e-4 and from 1e6,
// no trailing zeros); not finite values as FormatFixed3 writes them.
std::wstring FormatGeneral6(double value);
