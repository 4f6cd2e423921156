#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "numeric/Formula.h"
#include "numeric/Notation.h"
#include "numeric/NumberWriting.h"
#include "numeric/Typeset.h"

namespace numora {

// The problem a topic window solves, stated as the pupil's textbook states it, with the pupil's
// numbers: a sentence ("دائرة نصف قطرها 7") or an equation set as a formula
// ("2س² - 7س + 3 = 0"). It heads the solution, on the screen and on paper.
struct Problem {
  // What a screen reader reads and a copy takes; the sentence itself where there is no formula.
  std::u16string text;
  std::optional<Math> formula = std::nullopt;
};

// A topic's problem from the numbers one click read, by their names in its formulas; none where a
// number it needs was not read (a box whose number was too large to be read stops the click
// before it).
using ProblemOf = std::function<std::optional<Problem>(const Values& values, Notation notation)>;

// How the answer that ends a solution writes a result whose exact value is a fraction with a
// decimal that ends: as that decimal, as a measure is written ("المساحة = 7.5"), or as the
// fraction, as the roots of an equation with whole coefficients are ("س = ½"); where the pupil
// typed a decimal, the answer is in decimals too. A fraction whose decimal does not end is written
// both ways either way ("سلسيوس = 37 7/9 ≈ 37.7777777777778").
enum class AnswerForm : std::uint8_t { Decimals, Fractions };

// A sentence whose every "{name}" stands for the pupil's number of that quantity, written as the
// windows write numbers, with the unit the quantities measure, and set apart as one
// left-to-right run: "دائرة نصف قطرها {نق}" is "دائرة نصف قطرها 7 سم". None where a quantity was
// not read.
std::optional<Problem> Stated(std::u16string_view sentence, const Values& values, Notation notation,
                              Unit unit = Unit::None);

}  // namespace numora
