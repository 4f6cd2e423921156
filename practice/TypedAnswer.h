#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace numora {

// What the pupil typed in an answer box, read: a decimal with the places it was written with, an
// exact form (2√2, 340/9, 37 7/9, 10 ⅔ π, (5 - √13)/2, ∛-27) with its value, or nothing to read.
// The digits are ASCII, Arabic-Indic or extended Arabic-Indic, the decimal point "." or "٫" or the
// locale's separator; π is "π" or "ط" and stands for 3.14, as the program computes with it (kPi).
// Words after the number ("153.86 سم²") are left out.
struct TypedAnswer {
  enum class Form : std::uint8_t { Empty, Unreadable, Decimal, Exact };
  Form form = Form::Empty;
  double value = 0;
  int places = 0;  // a decimal's places as written: "2.80" has 2
  int zeros = 0;   // the zeros they end with: "2.80" has 1
};
// The forms of a typed answer: one for each side of "=" or "≈" that has a number ("340/9 = 37 7/9";
// "س = 3" has one); a single Empty or Unreadable form where there is nothing to read.
std::vector<TypedAnswer> ReadTypedAnswer(std::u16string_view text, char16_t localeSeparator);

// How a typed value compares with the expected one.
enum class Agreement : std::uint8_t {
  Equal,    // the value, or its decimal rounded to the asked places or more
  Rounded,  // its decimal rounded to fewer places than asked
  Different,
};
// A decimal typed with its places (decimal = true) is the value rounded to those places; an exact
// form (decimal = false) is the value itself, within a tight relative tolerance. Rounding only
// applies where the value's decimal is longer than the places written: a decimal that ends
// (153.86) must be typed whole, or rounded to fewer places than asked (153.9: Rounded).
Agreement Compare(double typed, bool decimal, int typedPlaces, double expected, int places);

// The places of a value's shortest decimal, as far as a double keeps them (at most 17).
int DecimalPlaces(double value);

}  // namespace numora
