// Every window's formulas, worked out with a few numbers and typeset in both directions: no two
// words of a row overlap, right to left is the row mirrored, and the rows of a formula stand with
// their signs under its first "=".
#include <gtest/gtest.h>

#include "numeric/Exact.h"
#include "numeric/Working.h"
#include "tests/formulas/TopicFormulas.h"

namespace numora {
namespace {

// Every character a tenth of an em wide, an exponent's em 0.7 of the text's.
struct FixedMetrics final : MathMetrics {
  static double Em(MathFace face) { return face.level == 0 ? 10 : face.level == 1 ? 7 : 5.5; }
  double advance(std::u16string_view text, MathFace face) const override {
    return static_cast<double>(text.size()) * Em(face) * 0.6;
  }
  double ascent(MathFace face) const override { return Em(face) * 0.8; }
  double descent(MathFace face) const override { return Em(face) * 0.2; }
};

TEST(TypesetFormulas, EveryWindowsStepsAndExactAnswersAreSetWithoutCollisionInBothDirections) {
  const std::vector<double> numbers[] = {{3, 7, 2}, {-27, 3, 1}, {2.5, -5, 6}, {1, 4, 13}};
  const FixedMetrics metrics;
  for (const Formula* const& formula : testing::kTopicFormulas) {
    std::vector<std::u16string> names;
    testing::QuantitiesOf(formula->expression, names);
    for (const std::vector<double>& set : numbers) {
      Values values;
      for (std::size_t i = 0; i < names.size(); ++i) values.set(names[i], set[i % set.size()]);
      std::u16string result;
      try {
        result = NumberToText(ValueOf(*formula, values), u'.');
      } catch (const Fault&) {
      }
      std::vector<StepRow> rows;
      for (const Step& step : StepsOf(*formula, values, result, u'.').lines)
        for (std::size_t r = 0; r < step.formulas.size(); ++r)
          rows.push_back({step.formulas[r], r > 0});
      if (!result.empty())
        if (const auto exact = ExactValue(formula->expression, values))
          if (const auto answer = ExactAnswerMath(*exact, result, u'.'))
            rows.push_back({ApproximatelyMath(formula->name, *answer, result)});
      const std::string where = "formula " + std::to_string(&formula - testing::kTopicFormulas) +
                                " with " + std::to_string(set[0]);
      const auto ltr = SetRows(rows, metrics, FormulaDirection::LeftToRight, 300);
      const auto rtl = SetRows(rows, metrics, FormulaDirection::RightToLeft, 300);
      for (std::size_t r = 0; r < ltr.size(); ++r) {
        for (std::size_t l = 0; l < ltr[r].size(); ++l) {
          const MathBox &left = ltr[r][l].box, &right = rtl[r][l].box;
          EXPECT_DOUBLE_EQ(ltr[r][l].indent, rtl[r][l].indent);
          for (std::size_t i = 0; i < left.runs.size(); ++i) {
            const MathRun& a = left.runs[i];
            EXPECT_NEAR(right.runs[i].x, left.width - a.x - a.width, 1e-9) << where;
            for (std::size_t j = i + 1; j < left.runs.size(); ++j) {
              const MathRun& b = left.runs[j];
              const bool apart = a.x + a.width <= b.x + 1e-9 || b.x + b.width <= a.x + 1e-9 ||
                                 a.baseline + metrics.descent(a.face) <=
                                     b.baseline - metrics.ascent(b.face) + 1e-9 ||
                                 b.baseline + metrics.descent(b.face) <=
                                     a.baseline - metrics.ascent(a.face) + 1e-9;
              EXPECT_TRUE(apart) << where << ": row " << r << " runs " << i << " and " << j;
            }
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace numora
