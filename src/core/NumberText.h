#pragma once

#include <string>

namespace pramo {

// Number texts of the result pages and memos, independent of the C library's locale; the decimal point
// is replaced by the given separator (the tools use ".", the windows the locale's).

// Fixed notation with the given number of decimals, as printf "%.*f".
std::string FixedText(double value, int decimals, char decimalSeparator = '.');

// Fixed notation right-justified with blanks in at least the given width, as printf "%*.*f".
std::string PaddedFixedText(double value, int decimals, int width, char decimalSeparator = '.');

// General notation with at most the given number of significant digits, as printf "%.*g".
std::string GeneralText(double value, int significantDigits, char decimalSeparator = '.');

// Scientific notation with the given number of significant digits, a capital "E", a sign and at least
// three exponent digits: 1.23457E-002.
std::string ScientificText(double value, int significantDigits, char decimalSeparator = '.');

}  // namespace pramo
