// HintFor (practice/Answer.h): the usual slips of the asked formula and the other results of the
// exercise, computed on the exercise's numbers, against the typed answer.
#include <cmath>
#include <optional>

#include "numeric/Working.h"
#include "practice/Answer.h"
#include "practice/Slips.h"
#include "practice/TypedAnswer.h"

namespace numora {
namespace {

// The value of an expression on the numbers, its stages recorded in them; none after a fault.
std::optional<double> Computed(const Expr& expression, Values& values) {
  try {
    const double value = ValueOrFault(Evaluation(values)(expression));
    if (std::isfinite(value)) return value;
  } catch (const Fault&) {
  }
  return std::nullopt;
}

// Whether the checker would take the typed value for this one: the value, or its decimal rounded
// to the asked places or more.
bool Gives(double typed, double value, int places) {
  return Compare(typed, true, DecimalPlaces(typed), value, places) == Agreement::Equal;
}

// The first step of the asked formula's working that the other working writes otherwise; the
// last step where the asked working is the beginning of the other.
Hint FirstDifference(const Steps& asked, const Steps& other) {
  Hint hint;
  if (asked.lines.empty()) return hint;
  for (std::size_t line = 0; line < asked.lines.size(); ++line) {
    const std::vector<std::u16string>& rows = asked.lines[line].rows;
    for (std::size_t row = 0; row < rows.size(); ++row) {
      if (line >= other.lines.size() || row >= other.lines[line].rows.size() ||
          other.lines[line].rows[row] != rows[row])
        return {{}, line, row};
    }
  }
  hint.line = asked.lines.size() - 1;
  const std::size_t rows = asked.lines.back().rows.size();
  hint.row = rows == 0 ? 0 : rows - 1;
  return hint;
}

}  // namespace

Hint HintFor(const Expected& asked, double typed, const Values& values,
             const std::vector<Expected>& others, Notation notation) {
  if (asked.formula == nullptr || !std::isfinite(typed) || Gives(typed, asked.value, asked.places))
    return {};
  Values own = values;
  if (!Computed(asked.formula->expression, own)) return {};
  const Steps steps = StepsOf(*asked.formula, own, {}, notation);

  // Another result of the exercise: the circumference for the area.
  for (const Expected& other : others) {
    if (other.formula == nullptr || other.formula == asked.formula ||
        !Gives(typed, other.value, asked.places))
      continue;
    Values theirs = values;
    if (!Computed(other.formula->expression, theirs)) continue;
    Hint hint = FirstDifference(steps, StepsOf(*other.formula, theirs, {}, notation));
    hint.sentence = other.formula->name == asked.formula->name
                        ? u"يبدو أنك حسبت ناتجًا آخر من التمرين"
                        : u"يبدو أنك حسبت " + notation.letter(other.formula->name) + u" لا " +
                              notation.letter(asked.formula->name);
    return hint;
  }

  // A usual slip in the asked formula.
  for (const Slip& slip : SlipsOf(asked.formula->expression)) {
    Values theirs = values;
    const std::optional<double> value = Computed(slip.expression, theirs);
    if (!value || !Gives(typed, *value, asked.places)) continue;
    const Formula slipped{asked.formula->name, slip.expression, nullptr, asked.formula->heading};
    Hint hint = FirstDifference(steps, StepsOf(slipped, theirs, {}, notation));
    hint.sentence = u"راجع " + notation.letter(steps.lines[hint.line].name) + u": " +
                    SlipSentence(slip, notation);
    return hint;
  }
  return {};
}

}  // namespace numora
