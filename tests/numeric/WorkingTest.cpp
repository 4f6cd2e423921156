#include "numeric/Working.h"

#include <gtest/gtest.h>

#include "numeric/Bidi.h"
namespace numora {
namespace {

// The isolates spelt out: "[" opens the left-to-right run of a formula, "<" an Arabic name inside
// it, "]" closes either; the left-to-right mark after a name is left out.
std::u16string Marked(std::u16string text) {
  std::erase(text, u'\u200E');
  for (char16_t& c : text) {
    if (c == u'\u2066') c = u'[';
    if (c == u'\u2067') c = u'<';
    if (c == u'\u2069') c = u']';
  }
  return text;
}

const Expr x = Quantity(u"س"), y = Quantity(u"ص");

TEST(Working, AFormulaIsOneLeftToRightRunWithItsNamesWhole) {
  const Formula sum{u"ق", 3.14 * Square(x) + Sqrt(y)};
  EXPECT_EQ(Marked(InWords(sum, u'.')), u"ق = [3.14 <س]² + √<ص]]");
  // A strong left-to-right letter after each name keeps parentheses around it in the formula's
  // direction.
  EXPECT_EQ(InWords({u"ق", Sqrt(x)}, u'.'), u"ق = \u2066√\u2067س\u2069\u200E\u2069");
  EXPECT_EQ(Marked(WithResult(sum, {{u"س", 2}, {u"ص", 9}}, u"15.56", u'.')),
            u"ق = [3.14 × 2² + √9 = 15.56]");
  // A quantity without a number keeps its name.
  EXPECT_EQ(Marked(WithNumbers(sum, {{u"س", 2}}, u'.')), u"ق = [3.14 × 2² + √<ص]]");
}

TEST(Working, ParenthesesOnlyWhereTheGroupingOrAMisreadNumberNeedsThem) {
  const struct {
    Expr expression;
    const char16_t* written;
  } cases[] = {
      {x - (y - 1), u"-2 - (1E+20 - 1)"},  // grouped on the right
      {(x - y) - 1, u"-2 - (1E+20) - 1"},  // from the left: none
      {(x + y) * 2 / (x * y), u"(-2 + (1E+20)) × 2 ÷ (-2 × (1E+20))"},
      {-Pow(x + 1, y), u"-((-2 + 1) ^ 1E+20)"},
      {Ratio(1, 2) * x + Ratio(4, 3), u"½ × (-2) + 4/3"},
      {-NthRoot(x, 3), u"-∛-2"},  // a root is a radical, never a power
  };
  const Values values{{u"س", -2}, {u"ص", 1e20}};
  for (const auto& c : cases) {
    const std::u16string plain = Marked(WithNumbers({u"ق", c.expression}, values, u'.'));
    EXPECT_EQ(plain, u"ق = [" + std::u16string(c.written) + u"]");
  }
}

TEST(Working, AShownStageComesFirstAndTheFormulaUsesItsValue) {
  const Formula stage{u"م", Square(y) - 4 * x};
  const Formula root{u"ج", (-y + Sqrt(Shown(stage))) / (2 * x), nullptr, u"العنوان"};
  EXPECT_EQ(Marked(InWords(root, u'.')),
            u"العنوان: م = [<ص]² - 4 <س]]؛ ج = [(-<ص] + √<م]) ÷ (2 <س])]");
  Values values{{u"س", 1}, {u"ص", 0}};
  EXPECT_EQ(Marked(NotComputed(root, values, u"السبب", u',')),
            u"العنوان: م = [0² - 4 × 1]؛ ج = [(-0 + √<م]) ÷ (2 × 1)]، لم تحسب: السبب");
  values.set(u"م", -4.5);
  EXPECT_EQ(Marked(WithNumbers(root, values, u',')),
            u"العنوان: م = [0² - 4 × 1 = -4,5]؛ ج = [(-0 + √(-4,5)) ÷ (2 × 1)]");
}

TEST(Working, ConstantsFollowTheDecimalSeparator) {
  EXPECT_EQ(Marked(InWords({u"ق", 12.56 * x}, u',')), u"ق = [12,56 <س]]");
}

TEST(Working, StepsGoOneOperationAtATimeDownToTheResult) {
  const Formula stage{u"م", Square(y) - 4 * x * 6};
  const struct {
    Formula formula;
    Values values;
    const char16_t* result;
    std::vector<std::u16string> lines;
    bool complete;
  } cases[] = {
      // A product of numbers is one operation; a stage has its own line and then its value.
      {{u"ج", (-y + Sqrt(Shown(stage))) / (2 * x)},
       {{u"س", 1}, {u"ص", -5}, {u"م", 1}},
       u"3",
       {u"م = [<ص]² - 4 <س] × 6 = (-5)² - 4 × 1 × 6 = 25 - 24 = 1]",
        u"ج = [(-<ص] + √<م]) ÷ (2 <س]) = (-(-5) + √1) ÷ (2 × 1) = (5 + √1) ÷ (2 × 1) = "
        u"(5 + 1) ÷ 2 = 6 ÷ 2 = 3]"},
       true},
      // A mixed chain goes one operation at a time; the result is the window's text, and the
      // division that does not end is approximately it.
      {{u"ج", (x - 32) * 5 / 9, nullptr, u"العنوان"},
       {{u"س", 100}},
       u"37,7777777777778",
       {u"العنوان: ج = [(<س] - 32) × 5 ÷ 9 = (100 - 32) × 5 ÷ 9 = 68 × 5 ÷ 9 = 340 ÷ 9 ≈ "
        u"37,7777777777778]"},
       true},
      // The real odd root of a negative number: a root stays a root, its minus taken out first.
      {{u"ج", NthRoot(x, y)},
       {{u"س", -8}, {u"ص", 3}},
       u"-2",
       {u"ج = [(<ص])√<س] = ∛-8 = -∛8 = -2]"},
       true},
      // A root that does not end is kept to the last step, which it approximately is.
      {{u"ج", Sqrt(x) + 1},
       {{u"س", 13}},
       u"",
       {u"ج = [√<س] + 1 = √13 + 1 ≈ 4,60555127546399]"},
       true},
      // A fraction is kept to the last step too: the product is done whole.
      {{u"ج", Ratio(4, 3) * 3.14 * Cube(x)},
       {{u"س", 2}},
       u"",
       {u"ج = [4/3 × 3,14 <س]³ = 4/3 × 3,14 × 2³ = 4/3 × 3,14 × 8 ≈ 33,4933333333333]"},
       true},
      // A fault ends the steps before the operation that raised it.
      {{u"ج", Ratio(1, 2) * Square(x) / y},
       {{u"س", 1e200}, {u"ص", 2}},
       u"",
       {u"ج = [½ <س]² ÷ <ص] = ½ × (1E+200)² ÷ 2]"},
       false},
  };
  for (const auto& c : cases) {
    const Steps steps = StepsOf(c.formula, c.values, c.result, u',');
    std::vector<std::u16string> lines;
    for (const Step& step : steps.lines) {
      lines.push_back(Marked(step.line));
      // Set out a row per step, the line reads the same.
      std::u16string rows;
      for (const std::u16string& row : step.rows) rows += (rows.empty() ? u"" : u" ") + row;
      EXPECT_EQ(WithoutBidiMarks(rows), WithoutBidiMarks(step.line));
    }
    EXPECT_EQ(lines, c.lines);
    EXPECT_EQ(steps.complete, c.complete);
  }
}

}  // namespace
}  // namespace numora
