#include "practice/Answer.h"

#include <gtest/gtest.h>

#include "../numeric/TestSupport.h"
#include "practice/TypedAnswer.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/temperature/TemperatureFormulas.h"

namespace numora {
namespace {

using test::Show;

const char* Name(Verdict verdict) {
  switch (verdict) {
    case Verdict::Right:
      return "Right";
    case Verdict::TooRough:
      return "TooRough";
    case Verdict::Wrong:
      return "Wrong";
    case Verdict::Unreadable:
      return "Unreadable";
    case Verdict::Empty:
      return "Empty";
  }
  return "?";
}

// A result as a window computes it.
Expected Asked(const Formula& formula, Values values, int places = 2) {
  const std::optional<ExactNumber> exact = ExactValue(formula.expression, values);
  const double value = ValueOf(formula, values);
  return {&formula, value, exact, places};
}

struct Row {
  std::u16string_view typed;
  Verdict verdict;
  char16_t separator = u'.';
};

void ExpectVerdicts(const Expected& expected, std::initializer_list<Row> rows) {
  for (const Row& row : rows) {
    const Check check = CheckAnswer(row.typed, expected, row.separator);
    EXPECT_EQ(Name(check.verdict), std::string(Name(row.verdict))) << Show(row.typed);
    EXPECT_FALSE(check.sentence.empty()) << Show(row.typed);
  }
}

// The required table: 2√2 and 37 7/9 in the forms a pupil may type them.
TEST(CheckAnswer, TheRequiredTable) {
  const Expected root = Asked(RectangleDiagonal, {{kWidth, 2}, {kLength, 2}});
  ASSERT_EQ(root.value, 2.8284271247461903);
  ExpectVerdicts(root, {
                           {u"2√2", Verdict::Right},
                           {u"2.83", Verdict::Right},
                           {u"2.828", Verdict::Right},  // one more place
                           {u"٢٫٨٣", Verdict::Right},
                           {u"2.8", Verdict::TooRough},
                           {u"2√3", Verdict::Wrong},
                       });
  const Expected celsius = Asked(FahrenheitToCelsius, {{kFahrenheit, 100}});
  ExpectVerdicts(celsius, {
                              {u"340/9", Verdict::Right},
                              {u"37 7/9", Verdict::Right},
                              {u"37.78", Verdict::Right},
                              {u"37.8", Verdict::TooRough},
                          });
}

TEST(CheckAnswer, ExactFormsAsTheProgramWritesThem) {
  const Expected root = Asked(RectangleDiagonal, {{kWidth, 2}, {kLength, 2}});
  ExpectVerdicts(root, {
                           {u"√8", Verdict::Right},
                           {u"٢√٢", Verdict::Right},
                           {u"۲√۲", Verdict::Right},
                           {u"\u20662√2\u2069", Verdict::Right},  // inside an isolate
                           {u"2 × √2", Verdict::Right},
                           {u"4/√2", Verdict::Right},
                           {u"-2√2", Verdict::Wrong},
                           {u"2√2 = 2.83", Verdict::Right},
                           {u"ق = 2√2", Verdict::Right},  // the name before it
                       });
  const Expected celsius = Asked(FahrenheitToCelsius, {{kFahrenheit, 100}});
  ExpectVerdicts(celsius, {
                              {u"340/9 = 37 7/9", Verdict::Right},
                              {u"٣٤٠/٩", Verdict::Right},
                              {u"340 ÷ 9", Verdict::Right},
                              {u"37 7/8", Verdict::Wrong},
                              {u"37 7/9 ≈ 37.78", Verdict::Right},
                              {u"340/9 = 37.9", Verdict::Wrong},  // each form must be right
                              {u"340/9 = 37.8", Verdict::TooRough},
                          });
  // A negative mixed number: -40 °F.
  ExpectVerdicts(Asked(FahrenheitToCelsius, {{kFahrenheit, 1}}), {{u"-155/9", Verdict::Right},
                                                                  {u"-17 2/9", Verdict::Right},
                                                                  {u"-17.22", Verdict::Right},
                                                                  {u"17.22", Verdict::Wrong}});
  // The quadratic's roots (5 ∓ √13)/2.
  const Values quadratic{{kA, 1}, {kB, -5}, {kC, 3}};
  ExpectVerdicts(Asked(FirstRoot, quadratic), {
                                                  {u"(5 - √13)/2", Verdict::Right},
                                                  {u"(٥ - √١٣)/٢", Verdict::Right},
                                                  {u"0.70", Verdict::Right},
                                                  {u"0.7", Verdict::TooRough},
                                                  {u"(5 + √13)/2", Verdict::Wrong},
                                              });
  // Roots of other indices, and a real odd root of a negative number.
  ExpectVerdicts(Asked(RootOfNumber, {{kRadicand, 54}, {kIndex, 3}}),
                 {{u"3∛2", Verdict::Right}, {u"∛54", Verdict::Right}, {u"3.78", Verdict::Right}});
  ExpectVerdicts(Asked(RootOfNumber, {{kRadicand, -27}, {kIndex, 3}}),
                 {{u"∛-27", Verdict::Right}, {u"-3", Verdict::Right}, {u"3", Verdict::Wrong}});
  ExpectVerdicts(Asked(RootOfNumber, {{kRadicand, 2}, {kIndex, 5}}),
                 {{u"⁵√2", Verdict::Right}, {u"1.15", Verdict::Right}});
  ExpectVerdicts(
      Asked(RootOfNumber, {{kRadicand, 0.5}, {kIndex, 2}}),
      {{u"√2/2", Verdict::Right}, {u"1/√2", Verdict::Right}, {u"-√2/2", Verdict::Wrong}});
}

// The program computes with π = 3.14: the decimal takes it so, the exact value is a multiple of π.
TEST(CheckAnswer, MultiplesOfPi) {
  const Expected circle = Asked(CircleArea, {{kRadius, 7}});
  ExpectVerdicts(circle, {
                             {u"153.86", Verdict::Right},
                             {u"153.860", Verdict::Right},
                             {u"49π", Verdict::Right},
                             {u"49ط", Verdict::Right},
                             {u"49 × 3.14", Verdict::Right},
                             {u"3.14 × 7²", Verdict::Right},
                             {u"153.86 سم²", Verdict::Right},  // the unit after it
                             // as the answer line writes it, and in Latin letters
                             {u"153.86\u00A0سم²", Verdict::Right},
                             {u"153,86 cm²", Verdict::Right, u','},
                             {u"١٥٣٫٨٦ سم٢", Verdict::Right},
                             {u"١٥٣٫٨٦", Verdict::Right},
                             {u"153,86", Verdict::Right, u','},  // the locale's separator
                             {u"153.9", Verdict::TooRough},
                             {u"154", Verdict::TooRough},
                             {u"153.8", Verdict::Wrong},
                             {u"153.94", Verdict::Wrong},  // π as 3.14159…
                         });
  const Expected sphere = Asked(SphereVolume, {{kRadius, 2}});
  ExpectVerdicts(sphere, {
                             {u"32π/3", Verdict::Right},
                             {u"32π/3 = 10 ⅔ π", Verdict::Right},
                             {u"10 ⅔ π", Verdict::Right},
                             {u"10⅔π", Verdict::Right},
                             {u"10 2/3 π", Verdict::Right},
                             {u"١٠ ⅔ ط", Verdict::Right},
                             {u"33.49", Verdict::Right},
                             {u"33.5", Verdict::TooRough},
                             {u"32π", Verdict::Wrong},
                         });
}

TEST(CheckAnswer, RoundingAsAsked) {
  const Values sides{{kWidth, 2}, {kLength, 2}};
  ExpectVerdicts(Asked(RectangleDiagonal, sides, 0),
                 {{u"3", Verdict::Right}, {u"2.8", Verdict::Right}, {u"2", Verdict::Wrong}});
  ExpectVerdicts(Asked(RectangleDiagonal, sides, 1), {{u"2.8", Verdict::Right},
                                                      {u"2.83", Verdict::Right},
                                                      {u"3", Verdict::TooRough},
                                                      {u"2.9", Verdict::Wrong}});
  ExpectVerdicts(Asked(RectangleDiagonal, sides, 2),
                 {{u"2.8284", Verdict::Right},  // more correct places
                  {u"2.830", Verdict::Right},   // a zero at the end says no more
                  {u"2.82", Verdict::Wrong},    // cut, not rounded
                  {u"2.80", Verdict::TooRough},
                  {u"3", Verdict::TooRough}});
  // A decimal that ends within the places is typed whole.
  ExpectVerdicts(Asked(RectangleArea, {{kWidth, 2.5}, {kLength, 5}}), {{u"12.5", Verdict::Right},
                                                                       {u"12.50", Verdict::Right},
                                                                       {u"25/2", Verdict::Right},
                                                                       {u"12 1/2", Verdict::Right},
                                                                       {u"12 ½", Verdict::Right},
                                                                       {u"13", Verdict::TooRough},
                                                                       {u"12.4", Verdict::Wrong}});
}

TEST(CheckAnswer, EmptyAndUnreadable) {
  const Expected circle = Asked(CircleArea, {{kRadius, 7}});
  ExpectVerdicts(circle, {
                             {u"", Verdict::Empty},
                             {u"  \t", Verdict::Empty},
                             {u"\u200F", Verdict::Empty},
                             {u"لا أعرف", Verdict::Unreadable},
                             {u"abc", Verdict::Unreadable},
                             {u"π π", Verdict::Wrong},  // a number all the same: π²
                             {u"2 2", Verdict::Unreadable},
                             {u"1/0", Verdict::Unreadable},
                             {u"√", Verdict::Unreadable},
                             {u"(2", Verdict::Unreadable},
                             {u"2..3", Verdict::Unreadable},
                             {u"√-4", Verdict::Unreadable},
                             {u"2⁹⁹⁹⁹⁹⁹⁹⁹⁹⁹⁹⁹⁹⁹", Verdict::Unreadable},  // beyond the doubles
                             {u"9^999", Verdict::Unreadable},
                         });
  // A text far longer than an answer, however deep its parentheses.
  EXPECT_EQ(CheckAnswer(std::u16string(100000, u'('), circle, u'.').verdict, Verdict::Unreadable);
  EXPECT_EQ(CheckAnswer(std::u16string(150, u'-') + u"5", circle, u'.').verdict, Verdict::Wrong);
  EXPECT_FALSE(CheckAnswer(u"abc", circle, u'.').typed.has_value());
  EXPECT_EQ(CheckAnswer(u"153.8", circle, u'.').typed, 153.8);
}

TEST(CheckAnswer, Sentences) {
  const Expected root = Asked(RectangleDiagonal, {{kWidth, 2}, {kLength, 2}});
  EXPECT_EQ(CheckAnswer(u"2√2", root, u'.').sentence, u"صحيح");
  EXPECT_EQ(CheckAnswer(u"2√3", root, u'.').sentence, u"ليس صحيحًا");
  EXPECT_EQ(CheckAnswer(u"جذر", root, u'.').sentence, u"اكتب عددًا");
  EXPECT_EQ(CheckAnswer(u"", root, u'.').sentence, u"اكتب جوابك");
  EXPECT_EQ(CheckAnswer(u"2.8", root, u'.').sentence, u"اقتربت، قرّب إلى أقرب جزء من مئة");
  EXPECT_EQ(RoundingInstruction(2), u"قرّب إلى أقرب جزء من مئة");
  EXPECT_EQ(RoundingInstruction(1), u"قرّب إلى أقرب جزء من عشرة");
  EXPECT_EQ(RoundingInstruction(0), u"قرّب إلى أقرب عدد صحيح");
  EXPECT_EQ(RoundingInstruction(3), u"قرّب إلى أقرب جزء من ألف");
}

TEST(CheckRoots, EitherOrderEachRootOnce) {
  const Values values{{kA, 1}, {kB, -5}, {kC, 6}};  // س = 2 أو س = 3
  const std::vector<Expected> roots = {Asked(FirstRoot, values), Asked(SecondRoot, values)};
  const auto verdicts = [&](std::vector<std::u16string> typed) {
    std::vector<std::string> names;
    for (const Check& check : CheckRoots(typed, roots, u'.')) names.push_back(Name(check.verdict));
    return names;
  };
  using V = std::vector<std::string>;
  EXPECT_EQ(verdicts({u"2", u"3"}), (V{"Right", "Right"}));
  EXPECT_EQ(verdicts({u"3", u"2"}), (V{"Right", "Right"}));
  EXPECT_EQ(verdicts({u"٣", u"٢"}), (V{"Right", "Right"}));
  EXPECT_EQ(verdicts({u"2", u"2"}), (V{"Right", "Wrong"}));
  EXPECT_EQ(verdicts({u"3", u"3"}), (V{"Right", "Wrong"}));
  EXPECT_EQ(verdicts({u"2", u""}), (V{"Right", "Empty"}));
  EXPECT_EQ(verdicts({u"4", u"2"}), (V{"Wrong", "Right"}));
  EXPECT_EQ(CheckRoots({u"2", u"2"}, roots, u'.')[1].sentence, u"كتبت هذا الجذر من قبل");

  // Irrational roots, in either order, one rounded too far.
  const Values irrational{{kA, 1}, {kB, -5}, {kC, 3}};
  const std::vector<Expected> both = {Asked(FirstRoot, irrational), Asked(SecondRoot, irrational)};
  const std::vector<Check> checks = CheckRoots({u"(5 + √13)/2", u"0.7"}, both, u'.');
  EXPECT_EQ(Name(checks[0].verdict), std::string("Right"));
  EXPECT_EQ(Name(checks[1].verdict), std::string("TooRough"));

  // A double root is given in both boxes.
  const Values twice{{kA, 1}, {kB, -4}, {kC, 4}};
  const std::vector<Expected> same = {Asked(FirstRoot, twice), Asked(SecondRoot, twice)};
  for (const Check& check : CheckRoots({u"2", u"2"}, same, u'.'))
    EXPECT_EQ(Name(check.verdict), std::string("Right"));
}

TEST(ReadTypedAnswer, DecimalsKeepTheirPlaces) {
  const TypedAnswer decimal = ReadTypedAnswer(u"٢٫٨٠", u'.').front();
  EXPECT_EQ(decimal.form, TypedAnswer::Form::Decimal);
  EXPECT_EQ(decimal.value, 2.8);
  EXPECT_EQ(decimal.places, 2);
  EXPECT_EQ(decimal.zeros, 1);
  EXPECT_EQ(ReadTypedAnswer(u"-12", u'.').front().value, -12);
  EXPECT_EQ(ReadTypedAnswer(u"12,5", u',').front().value, 12.5);
  EXPECT_EQ(ReadTypedAnswer(u"12,5", u'.').front().form, TypedAnswer::Form::Unreadable);
  EXPECT_EQ(ReadTypedAnswer(u"√2", u'.').front().form, TypedAnswer::Form::Exact);
  // Each side of "=" that has a number.
  const std::vector<TypedAnswer> sides = ReadTypedAnswer(u"س = 340/9 = 37 7/9 ≈ 37.78", u'.');
  ASSERT_EQ(sides.size(), 3u);
  EXPECT_EQ(sides[2].form, TypedAnswer::Form::Decimal);
  EXPECT_EQ(ReadTypedAnswer(u"س =", u'.').front().form, TypedAnswer::Form::Unreadable);
}

}  // namespace
}  // namespace numora
