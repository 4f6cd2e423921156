#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "numeric/Formula.h"
#include "numeric/Notation.h"
#include "numeric/NumberWriting.h"
#include "numeric/Typeset.h"

namespace numora {

// The working behind a result, as a teaching aid shows it, written from the formula that computes
// the result: the formula in words ("المساحة = 3.14 × نق²"), with the pupil's numbers in place of
// its quantities ("المساحة = 3.14 × 7²"), with the result ("... = 153.86"), or with why it was not
// computed. A stage shown on the way comes first as a formula of its own ("المميز = B² - 4 × A ×
// C = 1؛ س = ..."), and the formula that uses it writes its name, or its value.
//
// It is written from the same formula the steps typeset (StepsOf), in the notation's letters: a
// root is a radical ("∛-27"), a division a fraction, a letter stands beside the number it
// multiplies ("٤ أ جـ"). Operations are written as the formula groups them, with no more
// parentheses than the usual order of operations needs. Numbers are written as the windows write
// them, the layouts' constants too ("3,14" with a decimal comma); a number that is negative or in
// exponent form stands in parentheses where it is an operand, so that "(-5)²" and "(1E+100)²"
// cannot be misread.
//
// Inside a right-to-left line, the formula after its name and "=" is one left-to-right run (an
// isolate, U+2066 … U+2069), as a textbook writes a formula with these digits, so that "7²" does
// not turn into "²7" nor "√25" into "25√"; each Arabic name inside it is a right-to-left isolate
// of its own (U+2067 … U+2069), so that it stays a whole word.
std::u16string InWords(const Formula& formula, const Notation& notation);
// A quantity without a number keeps its name; a stage without a value keeps its name and shows
// no value of its own.
std::u16string WithNumbers(const Formula& formula, const Values& values, const Notation& notation);
// The result is written as the window wrote it.
std::u16string WithResult(const Formula& formula, const Values& values,
                          std::u16string_view resultText, const Notation& notation);
// "المساحة = 3.14 × (1E+200)²، لم تحسب: <why>"
std::u16string NotComputed(const Formula& formula, const Values& values, std::u16string_view why,
                           const Notation& notation);

// An exact answer beside the decimal: "سلسيوس = 340/9 = 37 7/9 ≈ 37.7777777777778".
std::u16string Approximately(std::u16string_view name, std::u16string_view exact,
                             std::u16string_view decimal);
// The same as a formula to typeset.
Math ApproximatelyMath(std::u16string_view name, const Math& exact, std::u16string_view decimal);

// A number's text as a formula: one run, its minus with its digits on the same side as in a box
// ("-27"), in either direction.
Math NumberMath(std::u16string_view text);

// The solution of a formula as a textbook sets it out, one line per formula: the formula in
// words, with the pupil's numbers, then one operation at a time, innermost first, down to the
// result ("المميز = B² - 4 × A × C = (-5)² - 4 × 1 × 6 = 25 - 24 = 1"). A product of numbers is
// one operation however many factors it has; a shown stage gets its own line before the formula
// that uses it, which then takes its value. Only what a pupil does by hand is a step: "-(-5)"
// becomes 5 in a step of its own, a division stays a fraction until it is done, a root stays a
// root ("∛-27 = -∛27 = -3"), and a step that rounds (an irrational root, a division that does
// not end) is written with "≈" instead of "=". The rows describe the computation; its results are
// the window's, bit for bit.
struct Step {
  std::u16string name;  // the formula's or the stage's
  std::u16string line;
  // The same line as a textbook sets a long one out, a row per step: "name = formula", then
  // "= numbers", ... "= result".
  std::vector<std::u16string> rows;
  // Each row as a formula to typeset; its text is the row's.
  std::vector<Math> formulas;
};
struct Steps {
  std::vector<Step> lines;  // the shown stages first, each once
  // False when an operation raised a fault: the last line ends before it.
  bool complete = true;
};
// The result is written as the window wrote it; an empty one is written from the value.
Steps StepsOf(const Formula& formula, const Values& values, std::u16string_view resultText,
              const Notation& notation);

}  // namespace numora
