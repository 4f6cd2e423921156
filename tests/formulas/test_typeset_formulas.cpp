// Every window's formulas, worked out with a few numbers and typeset in both directions: no two
// words of a row overlap, right to left is the row mirrored, and the rows of a formula stand with
// their signs under its first "=".
#include <gtest/gtest.h>

#include "numeric/Exact.h"
#include "numeric/Working.h"
#include "tests/formulas/TopicFormulas.h"
#include "topics/geometry/GeometryFormulas.h"

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

// An exact answer in terms of π as the panel sets it: π in the direction's letter, fractions built
// up with no "/" drawn, and a mixed number's whole number before its fraction and π after it, as
// the pupil reads, never two numbers in one run that could read as one ("10 2/3" as 102/3).
TEST(TypesetFormulas, AnswersInTermsOfPiAreSetWithTheRegionsLetterAndBuiltUpFractions) {
  Values values{{kRadius, 2}};
  const std::u16string result = NumberToText(ValueOf(SphereVolume, values), u'.');
  const auto answer = ExactAnswerMath(*ExactValue(SphereVolume.expression, values), result, u'.');
  ASSERT_TRUE(answer.has_value());
  const Math line = ApproximatelyMath(SphereVolume.name, *answer, result);
  // The runs in the order of the formula, a fraction's numerator before its denominator.
  const std::vector<std::u16string> words = {
      u"الحجم", u"=", u"32", u"π", u"3", u"=", u"10", u"2", u"3", u"π", u"≈", u"33.4933333333333"};
  for (const auto direction : {FormulaDirection::LeftToRight, FormulaDirection::RightToLeft}) {
    const bool ltr = direction == FormulaDirection::LeftToRight;
    const MathBox box = Typeset(line, FixedMetrics(), direction);
    std::vector<std::u16string> read;
    for (const MathRun& run : box.runs) {
      EXPECT_EQ(run.text.find_first_of(u" /"), std::u16string::npos);
      EXPECT_NE(run.text, ltr ? u"ط" : u"π");
      read.push_back(run.text == PiLetter(direction) ? u"π" : run.text);
    }
    ASSERT_EQ(read, words);
    const std::vector<MathRun>& run = box.runs;
    // Where the pupil reads a before b: further left from the left, further right from the right.
    const auto before = [ltr](const MathRun& a, const MathRun& b) {
      return ltr ? a.x + a.width <= b.x + 1e-9 : b.x + b.width <= a.x + 1e-9;
    };
    const auto over = [](const MathRun& a, const MathRun& b) {
      return a.baseline < b.baseline && a.x < b.x + b.width && b.x < a.x + a.width;
    };
    EXPECT_TRUE(before(run[2], run[3]) && over(run[2], run[4]) &&
                run[3].baseline < run[4].baseline);
    EXPECT_TRUE(before(run[6], run[7]) && before(run[6], run[8]) && over(run[7], run[8]));
    EXPECT_TRUE(before(run[7], run[9]) && before(run[8], run[9]) && before(run[9], run[10]));
  }
}

}  // namespace
}  // namespace numora
