#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace numora {

// How the pupil's region writes numbers: its ten digits (the zero given, the other nine following
// it in Unicode's order, as they do for the ASCII, Arabic-Indic and extended Arabic-Indic digits)
// and its decimal separator. The text is the windows' UTF-16 text. A separator alone stands for
// the ASCII digits, as most regions write them.
struct Numerals {
  constexpr Numerals(char16_t decimalSeparator = u'.', char16_t zeroDigit = u'0')  // NOLINT
      : separator(decimalSeparator), zero(zeroDigit) {}

  // The text with each ASCII digit written in these digits; everything else stays.
  std::u16string digits(std::u16string_view text) const;
  bool ascii() const { return zero == u'0'; }

  friend constexpr bool operator==(const Numerals&, const Numerals&) = default;

  char16_t separator;
  char16_t zero;
};

// Display text of a finite double: 15 significant digits, trailing zeros dropped, exponent form
// below 1E-04 and from 1E+15, negative zero written "0"; in the region's digits and separator
// (the exponent's "E" and the signs stay).
std::u16string NumberToText(double value, Numerals numerals);

std::u16string IntegerToText(std::int16_t value, Numerals numerals = {});

// A number as a textbook's answer gives it: rounded to the places asked for where it has more,
// each of them written ("33.4933333333333" is "33.49", "0.697224362268005" is "0.70"), as it is
// where it has no more, where it is written in exponent
// form, or where rounding would leave nothing of it (0.001 stays 0.001).
std::u16string RoundedToText(double value, int places, Numerals numerals);

// A formula or a pair of numbers set from left to right keeps its order in Arabic-Indic digits
// too. A layout orders those digits as it orders Arabic text, so that inside a left-to-right run
// "٣٫١٤ × ٧²" would show as "٧ × ٣٫١٤²"; a left-to-right mark after each number written in them
// keeps every number where it was written. Text without them comes back as it is.
std::u16string LeftToRightNumbers(std::u16string_view text);

}  // namespace numora
