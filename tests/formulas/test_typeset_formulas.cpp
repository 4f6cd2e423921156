// Every window's formulas, worked out with a few numbers and typeset in both directions: no two
// words of a row overlap, right to left is the row mirrored, and the rows of a formula stand with
// their signs under its first "=".
#include <gtest/gtest.h>

#include <algorithm>

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

// An exact answer in terms of π as the panel sets it: π in the direction's letter, each fraction
// built up (its numerator over its denominator, no "/" drawn), a mixed number's whole number
// beside its fraction on the side the pupil reads first, and no two numbers in one run that could
// read as one ("10 2/3" as 102/3).
TEST(TypesetFormulas, AnswersInTermsOfPiAreSetWithTheRegionsLetterAndBuiltUpFractions) {
  const FixedMetrics metrics;
  const struct {
    const Formula& formula;
    Values values;
    std::vector<std::u16string> words;  // the runs in reading order, π as "π"
  } rows[] = {
      {SphereVolume,
       {{kRadius, 2}},
       {u"الحجم", u"=", u"32", u"π", u"3", u"=", u"10", u"2", u"3", u"π", u"≈",
        u"33.4933333333333"}},
      {CircleArea,
       {{kRadius, 2.5}},
       {u"المساحة", u"=", u"25", u"π", u"4", u"=", u"6", u"1", u"4", u"π", u"≈", u"19.625"}},
      {CircleArea, {{kRadius, 7}}, {u"المساحة", u"=", u"49", u"π", u"≈", u"153.86"}},
      {SphereVolume, {{kRadius, 0.5}}, {u"الحجم", u"=", u"π", u"6", u"≈", u"0.523333333333333"}},
  };
  for (const auto& row : rows) {
    Values values = row.values;
    const std::u16string result = NumberToText(ValueOf(row.formula, values), u'.');
    const auto exact = ExactValue(row.formula.expression, values);
    ASSERT_TRUE(exact.has_value());
    const auto answer = ExactAnswerMath(*exact, result, u'.');
    ASSERT_TRUE(answer.has_value());
    const Math line = ApproximatelyMath(row.formula.name, *answer, result);
    for (const auto direction : {FormulaDirection::LeftToRight, FormulaDirection::RightToLeft}) {
      const bool ltr = direction == FormulaDirection::LeftToRight;
      SCOPED_TRACE(::testing::Message() << "row " << (&row - rows) << (ltr ? " ltr" : " rtl"));
      const MathBox box = Typeset(line, metrics, direction);
      // The runs in the order of the formula, a fraction's numerator before its denominator.
      std::vector<std::u16string> read;
      for (const MathRun& run : box.runs) {
        EXPECT_EQ(run.text.find_first_of(u" /"), std::u16string::npos);
        EXPECT_NE(run.text, ltr ? u"ط" : u"π");
        read.push_back(run.text == PiLetter(direction) ? u"π" : run.text);
      }
      ASSERT_EQ(read, row.words);
      // Where the pupil reads "a before b": further left from the left, further right from the
      // right.
      const auto before = [ltr](const MathRun& a, const MathRun& b) {
        return ltr ? a.x + a.width <= b.x + 1e-9 : b.x + b.width <= a.x + 1e-9;
      };
      const auto over = [](const MathRun& a, const MathRun& b) {
        return a.baseline < b.baseline && a.x < b.x + b.width && b.x < a.x + a.width;
      };
      const std::vector<MathRun>& runs = box.runs;
      const auto sign = [&read](std::size_t i) { return read[i] == u"=" || read[i] == u"≈"; };
      for (std::size_t i = 1; i + 2 < runs.size(); ++i) {
        // A fraction times π: its numerator (a number and π, or π alone) over its denominator.
        if (read[i - 1] == u"=" && read[i + 1] == u"π" && !sign(i + 2)) {
          // The denominator under the numerator's two runs, centred under them.
          const MathRun &left = runs[ltr ? i : i + 1], &right = runs[ltr ? i + 1 : i];
          const MathRun& under = runs[i + 2];
          EXPECT_TRUE(before(runs[i], runs[i + 1])) << i;
          EXPECT_TRUE(runs[i].baseline < under.baseline && runs[i + 1].baseline < under.baseline &&
                      left.x < under.x && under.x + under.width < right.x + right.width)
              << i;
        }
        if (read[i - 1] == u"=" && read[i] == u"π" && !sign(i + 1)) {
          EXPECT_TRUE(over(runs[i], runs[i + 1])) << i;
        }
        // A mixed number: the whole number, then its fraction, one part over the other, then π.
        if (read[i - 1] == u"=" && i + 3 < runs.size() && read[i + 3] == u"π" &&
            read[i + 1] != u"π") {
          EXPECT_TRUE(before(runs[i], runs[i + 1]) && before(runs[i], runs[i + 2])) << i;
          EXPECT_TRUE(over(runs[i + 1], runs[i + 2])) << i;
          EXPECT_TRUE(before(runs[i + 1], runs[i + 3]) && before(runs[i + 2], runs[i + 3])) << i;
        }
      }
      // The name first, the decimal last.
      EXPECT_TRUE(before(runs.front(), runs[1]) && before(runs[runs.size() - 2], runs.back()));
    }
    EXPECT_EQ(LinearText(line, FormulaDirection::RightToLeft).find(u'π'), std::u16string::npos);
    EXPECT_EQ(LinearText(line, FormulaDirection::LeftToRight).find(u'ط'), std::u16string::npos);
  }
}

}  // namespace
}  // namespace numora
