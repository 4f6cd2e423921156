// Types arbitrary numbers into every window's formulas and works each one out as the solution
// panel does: the value with the checked arithmetic, the steps, the exact value and its answer,
// and every row typeset in both directions and set out in the panel's width. The first byte picks
// the formula, the second the region's numerals; the rest is the text of the boxes, one a line.
// Nothing may crash, and every laid-out box must have a finite, non-negative size.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "numeric/Exact.h"
#include "numeric/Fault.h"
#include "numeric/NumberReading.h"
#include "numeric/Typeset.h"
#include "numeric/Working.h"
#include "tests/formulas/TopicFormulas.h"

namespace {

using namespace numora;

void Require(bool condition, const char* rule) {
  if (!condition) {
    std::fprintf(stderr, "broken rule: %s\n", rule);
    std::abort();
  }
}

struct FixedMetrics final : MathMetrics {
  double advance(std::u16string_view text, MathFace face) const override {
    return static_cast<double>(text.size()) * (face.level == 0 ? 6 : 4);
  }
  double ascent(MathFace face) const override { return face.level == 0 ? 8 : 5; }
  double descent(MathFace face) const override { return face.level == 0 ? 2 : 1; }
};

void CheckBox(const MathBox& box) {
  Require(std::isfinite(box.width) && box.width >= 0, "a box has a finite width");
  Require(std::isfinite(box.ascent) && std::isfinite(box.descent), "a box has a finite height");
}

void Typeset(const Math& math, const MathMetrics& metrics) {
  Require(!LinearText(math).empty(), "a formula has a text");
  for (const FormulaDirection direction :
       {FormulaDirection::LeftToRight, FormulaDirection::RightToLeft}) {
    CheckBox(numora::Typeset(math, metrics, direction));
    for (const auto& lines : SetRows({{math}}, metrics, direction, 300))
      for (const SetLine& line : lines) CheckBox(line.box);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const Formula& formula = *testing::kTopicFormulas[data[0] % std::size(testing::kTopicFormulas)];
  static constexpr Numerals kNumerals[] = {{u'.'}, {u','}, {u'\u066B', u'\u0660'}};
  const Numerals numerals = kNumerals[data[1] % std::size(kNumerals)];

  std::vector<std::u16string> boxes(1);
  for (std::size_t i = 2; i < size; ++i) {
    if (data[i] == '\n')
      boxes.emplace_back();
    else
      boxes.back() += static_cast<char16_t>(data[i]);
  }
  std::vector<std::u16string> names;
  testing::QuantitiesOf(formula.expression, names);
  Values values;
  try {
    for (std::size_t i = 0; i < names.size(); ++i)
      values.set(names[i], ReadNumber(i < boxes.size() ? boxes[i] : u"", numerals.separator).value);
  } catch (const Fault&) {
    return 0;  // a number too large to read: the window's box says so before any formula
  }

  const FixedMetrics metrics;
  std::u16string result;
  try {
    const double value = ValueOf(formula, values);
    result = NumberToText(value, numerals);
  } catch (const Fault&) {
  }
  const Steps steps = StepsOf(formula, values, result, numerals);
  for (const Step& step : steps.lines) {
    Require(step.rows.size() == step.formulas.size(), "each row has its formula");
    for (const Math& row : step.formulas) Typeset(row, metrics);
  }
  if (!result.empty())
    if (const std::optional<ExactNumber> exact = ExactValue(formula.expression, values))
      if (const std::optional<Math> answer = ExactAnswerMath(*exact, result, numerals))
        Typeset(ApproximatelyMath(formula.name, *answer, result), metrics);
  return 0;
}
