#include <gtest/gtest.h>

#include "numeric/Working.h"
#include "practice/Answer.h"
#include "practice/Slips.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/temperature/TemperatureFormulas.h"

namespace numora {
namespace {

std::string Show(std::u16string_view text) {
  std::string shown;
  for (char16_t c : text) {
    char escaped[8];
    if (c >= 0x20 && c < 0x7F) {
      shown += static_cast<char>(c);
    } else {
      std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
      shown += escaped;
    }
  }
  return shown;
}

Expected Asked(const Formula& formula, Values values, int places = 2) {
  const std::optional<ExactNumber> exact = ExactValue(formula.expression, values);
  const double value = ValueOf(formula, values);
  return {&formula, value, exact, places};
}

TEST(Slips, TheRadiusIsTheGeometryWindowsOwn) { EXPECT_EQ(kRadiusName, kRadius); }

// The usual slips: each typed answer is what the slip gives, and the hint names the step where
// the slip's working first differs from the right working, in words a pupil understands.
TEST(HintFor, TypicalSlips) {
  const Values circle{{kRadius, 7}};
  const Values quadratic{{kA, 2}, {kB, -7}, {kC, 3}};  // س = ½ أو س = 3
  const Values thirds{{kA, 3}, {kB, -10}, {kC, 3}};    // س = ⅓ أو س = 3
  const struct {
    const Formula& formula;
    Values values;
    std::vector<const Formula*> others;
    std::u16string_view typed;
    std::u16string_view sentence;
    std::size_t line, row;
  } rows[] = {
      // π × نق instead of π × نق².
      {CircleArea,
       circle,
       {&CircleCircumference},
       u"21.98",
       u"راجع المساحة: يبدو أنك نسيت تربيع نق",
       0,
       0},
      // The circumference, which 2 × نق for نق² gives as well.
      {CircleArea,
       circle,
       {&CircleCircumference},
       u"43.96",
       u"يبدو أنك حسبت المحيط لا المساحة",
       0,
       0},
      {CircleArea,
       circle,
       {&CircleCircumference},
       u"٤٣٫٩٦",
       u"يبدو أنك حسبت المحيط لا المساحة",
       0,
       0},
      {CircleArea, circle, {}, u"43.96", u"راجع المساحة: يبدو أنك ضربت نق في 2 بدل التربيع", 0, 0},
      // π as 3.14159…: 49π is 153.94 then.
      {CircleArea,
       circle,
       {&CircleCircumference},
       u"153.94",
       u"راجع المساحة: يبدو أنك لم تأخذ النسبة التقريبية 3.14",
       0,
       0},
      // The diameter for the radius: π × 14².
      {CircleArea,
       circle,
       {&CircleCircumference},
       u"615.44",
       u"راجع المساحة: يبدو أنك أخذت القطر بدل نصف القطر",
       0,
       0},
      // The discriminant as B² + 4 × A × C: (7 - √73) ÷ 4.
      {FirstRoot,
       quadratic,
       {&SecondRoot},
       u"-0.39",
       u"راجع المميز: يبدو أنك جمعت بدل أن تطرح",
       0,
       0},
      // The discriminant asked for itself.
      {Discriminant,
       quadratic,
       {&FirstRoot, &SecondRoot},
       u"73",
       u"راجع المميز: يبدو أنك جمعت بدل أن تطرح",
       0,
       0},
      // The minus before B forgotten: (-7 - 5) ÷ 4.
      {FirstRoot, quadratic, {&SecondRoot}, u"-3", u"راجع س: يبدو أنك نسيت إشارة السالب", 1, 0},
      // Divided by A, not by 2 × A: (10 - 8) ÷ 3.
      {FirstRoot, thirds, {&SecondRoot}, u"0.67", u"راجع س: يبدو أنك قسمت على أ لا على 2 أ", 1, 0},
      // The half of the triangle forgotten.
      {TriangleArea,
       {{kHeight, 4}, {kBase, 6}},
       {},
       u"24",
       u"راجع المساحة: يبدو أنك نسيت النصف",
       0,
       0},
      // Pythagoras without the root.
      {Hypotenuse,
       {{kFirstLeg, 3}, {kSecondLeg, 4}},
       {},
       u"25",
       u"راجع طول الوتر: يبدو أنك نسيت الجذر التربيعي",
       0,
       0},
      // The conversions without their 32.
      {CelsiusToFahrenheit,
       {{kCelsius, 25}},
       {},
       u"45",
       u"راجع فهرنهايت: يبدو أنك نسيت إضافة 32",
       0,
       0},
      {FahrenheitToCelsius,
       {{kFahrenheit, 100}},
       {},
       u"55.56",
       u"راجع سلسيوس: يبدو أنك نسيت طرح 32",
       0,
       0},
      {FahrenheitToCelsius,
       {{kFahrenheit, 100}},
       {},
       u"500/9",
       u"راجع سلسيوس: يبدو أنك نسيت طرح 32",
       0,
       0},
      // The sphere's cube forgotten: 4/3 × π × 2.
      {SphereVolume,
       {{kRadius, 2}},
       {&SphereSurface},
       u"8.37",
       u"راجع الحجم: يبدو أنك نسيت تكعيب نق",
       0,
       0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(Show(row.typed));
    const Expected asked = Asked(row.formula, row.values);
    std::vector<Expected> others;
    for (const Formula* other : row.others) others.push_back(Asked(*other, row.values));
    const Check check = CheckAnswer(row.typed, asked, u'.');
    ASSERT_EQ(check.verdict, Verdict::Wrong);
    ASSERT_TRUE(check.typed.has_value());
    const Hint hint = HintFor(asked, *check.typed, row.values, others, u'.');
    EXPECT_FALSE(hint.sentence.empty());
    EXPECT_EQ(Show(hint.sentence), Show(row.sentence));
    EXPECT_EQ(hint.line, row.line);
    EXPECT_EQ(hint.row, row.row);
    // The step is one of the asked formula's working.
    Values values = row.values;
    ValueOf(row.formula, values);
    const Steps steps = StepsOf(row.formula, values, {}, u'.');
    ASSERT_LT(hint.line, steps.lines.size());
    EXPECT_LT(hint.row, steps.lines[hint.line].rows.size());
  }
}

TEST(HintFor, NoSlipGivesTheFirstStep) {
  const Values circle{{kRadius, 7}};
  const Expected asked = Asked(CircleArea, circle);
  for (const double typed : {100.0, -3.0, 153.86}) {
    const Hint hint = HintFor(asked, typed, circle, {Asked(CircleCircumference, circle)}, u'.');
    EXPECT_TRUE(hint.sentence.empty()) << typed;
    EXPECT_EQ(hint.line, 0u);
    EXPECT_EQ(hint.row, 0u);
  }
}

// A slip whose computation faults is left out: √(3² - 4²) has no value.
TEST(HintFor, SlipsThatFaultAreLeftOut) {
  const Values legs{{kFirstLeg, 3}, {kSecondLeg, 4}};
  const Hint hint = HintFor(Asked(Hypotenuse, legs), 7, legs, {}, u'.');
  EXPECT_TRUE(hint.sentence.empty());
}

TEST(HintFor, NumbersInTheRegionsDigits) {
  const Values celsius{{kCelsius, 25}};
  const Hint hint =
      HintFor(Asked(CelsiusToFahrenheit, celsius), 45, celsius, {}, Numerals(u'٫', u'٠'));
  EXPECT_EQ(Show(hint.sentence), Show(u"راجع فهرنهايت: يبدو أنك نسيت إضافة ٣٢"));
  // The letters of the notation: x and a in Morocco's, the sphere's r as its formula writes it.
  const Notation moroccan(u',', NotationStyle::Moroccan);
  const Values thirds{{kA, 3}, {kB, -10}, {kC, 3}};
  EXPECT_EQ(Show(HintFor(Asked(FirstRoot, thirds), 2.0 / 3, thirds, {}, moroccan).sentence),
            Show(u"راجع x: يبدو أنك قسمت على a لا على 2a"));
  const Values sphere{{kRadius, 2}};
  EXPECT_EQ(Show(HintFor(Asked(SphereVolume, sphere), 8.37, sphere, {}, moroccan).sentence),
            Show(u"راجع الحجم: يبدو أنك نسيت تكعيب r"));
}

}  // namespace
}  // namespace numora
