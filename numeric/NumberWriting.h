#pragma once

#include <cstdint>
#include <string>

namespace numora {

// The text is the windows' UTF-16 text. The only locale-dependent character, the decimal
// separator, is always passed in by the caller; the digits are always ASCII.

// Display text of a finite double: 15 significant digits, trailing zeros dropped, exponent form
// below 1E-04 and from 1E+15, negative zero written "0".
std::u16string NumberToText(double value, char16_t decimalSeparator);

std::u16string IntegerToText(std::int16_t value);

}  // namespace numora
