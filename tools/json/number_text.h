#pragma once
// Decimal text of doubles as the C format "%.17g" writes them, made without the C runtime's printf (whose
// spelling of exponents, NaN and infinities differs between runtimes): the same text on every target.

#include <string>

// "%.17g" of a finite value ("4", "0.10000000000000001", "-0", "1.0000000000000001e-05"); "nan" for a NaN of
// either sign, "inf" and "-inf" for the infinities.
std::string FormatDouble17g(double value);
