#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace numora {

// The working behind a result, as a teaching aid shows it: the formula in the window's own words
// and constants ("المساحة = 3.14 × {نق}²"), and the same formula with the pupil's numbers in
// place of its quantities.
//
// In a formula, "{name}" stands for a quantity: the formula in words shows the name, the working
// shows the number. "{=name}" marks where a value computed on the way is shown: the formula in
// words leaves it out, the working writes " = " and the number. Numbers are written as the
// windows write them, each set apart from the Arabic text around it (left-to-right isolate), so
// that "-2" and "1.5E+20" read the same inside a right-to-left line. The decimal points of the
// formula's own constants become the decimal separator.
class Working {
 public:
  Working() = default;
  explicit Working(std::u16string_view formula) : formula_(formula) {}

  // Gives a quantity its number; the last number given for a name counts.
  Working& let(std::u16string_view name, double value);

  bool empty() const { return formula_.empty(); }

  // "المساحة = 3.14 × نق²"
  std::u16string inWords(char16_t decimalSeparator) const;
  // "المساحة = 3.14 × 2²"; a quantity without a number keeps its name, an intermediate value
  // without a number is left out.
  std::u16string withNumbers(char16_t decimalSeparator) const;
  // "المساحة = 3.14 × 2² = 12.56", the result as the window wrote it.
  std::u16string withResult(std::u16string_view resultText, char16_t decimalSeparator) const;
  // "المساحة = 3.14 × (1E+200)²، لم تحسب: <why>"
  std::u16string notComputed(std::u16string_view why, char16_t decimalSeparator) const;

 private:
  std::u16string render(bool numbers, char16_t decimalSeparator) const;
  const double* valueOf(std::u16string_view name) const;

  std::u16string formula_;
  std::vector<std::pair<std::u16string, double>> values_;
};

// A number as the working writes it: the window's text of it, in a left-to-right isolate. An
// operand stands in parentheses when it is negative or in exponent form, so that "(-2)²" and
// "(1E+20)²" cannot be misread.
std::u16string IsolatedNumber(std::u16string_view text, bool operand);

}  // namespace numora
