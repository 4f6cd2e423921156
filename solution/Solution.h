#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "numeric/Figure.h"
#include "numeric/Formula.h"
#include "numeric/Notation.h"
#include "numeric/NumberWriting.h"
#include "numeric/Typeset.h"

namespace numora {

// The solution of one click, as the panel beside the results shows it and the printout prints it:
// the problem stated with the pupil's numbers, the steps of each formula computed, each exact
// answer that says more than its decimal, why a result was not computed, and the answer.
struct SolutionLine {
  // A step's first row names its formula; the rows after it go on with "= ...". The problem is
  // the first line where the window states one; the answer lines are the last of a click that
  // computed a result without a fault, one per result, results of one name on one line. A note
  // says, once under the exact answers in terms of π, that the decimals take π as 3.14.
  enum class Kind : std::uint8_t { Step, NextStep, Exact, Reason, Note, Problem, Answer };
  Kind kind;
  // What a screen reader reads and a copy takes, in either direction.
  std::u16string text;
  // A step, an exact answer, an answer or an equation as a formula to typeset; a reason, a note
  // and a problem in words are sentences.
  std::optional<Math> formula = std::nullopt;
};
// A box the click read, by its name, with its text as the pupil typed it.
struct SolutionInput {
  std::u16string name;
  std::u16string text;
};
struct Solution {
  std::vector<SolutionInput> inputs;  // in the order the click read them, each once
  std::vector<SolutionLine> lines;
  Values values;  // the numbers of the click, with each result by its formula, for the figure
  // The click stopped, at a fault or before it computed anything, and why in a plain sentence:
  // no figure can be drawn from it.
  bool stopped = false;
  std::u16string why;
};

// The lines of a solution of the kinds asked for, in their order: the problem, the working, the
// answer, as a printout sets them apart.
std::vector<SolutionLine> LinesOf(const Solution& solution,
                                  std::initializer_list<SolutionLine::Kind> kinds);

// The figure of a solution: the topic's, from the numbers of its click, or the sentence saying why
// it is not drawn when the click stopped.
Figure FigureOfSolution(const Solution& solution, FigureOf figureOf, Notation notation);

// A solution's lines as they are set: each step's rows typeset from their formulas, in the
// direction asked for, the rows after a formula's first with their "=" under its "=", the problem,
// an exact answer and the answer in bold; a reason and a problem in words are sentences and have no
// rows.
struct SetSolutionLine {
  const SolutionLine* line;
  std::vector<SetLine> rows;
};
std::vector<SetSolutionLine> SetSolution(const std::vector<SolutionLine>& lines,
                                         const MathMetrics& fonts, FormulaDirection direction,
                                         double width);

}  // namespace numora
