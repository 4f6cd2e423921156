// The exact answer beside the decimal, from the topics' own formula declarations and a pupil's
// numbers: its line as the window writes it, and its value against the decimal evaluation.
#include "numeric/Exact.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <optional>
#include <random>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "numeric/NumberWriting.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/temperature/TemperatureFormulas.h"

namespace numora {
namespace {

// The decimal the window shows, empty where its computation raises a fault.
std::u16string ShownDecimal(const Expr& expr, Values values, char16_t separator) {
  try {
    return NumberToText(ValueOrFault(Evaluation(values)(expr)), separator);
  } catch (const Fault&) {
    return {};
  }
}

struct Row {
  const char* what;
  Expr expr;
  Values values;
  std::optional<std::u16string> answer;  // nullopt: no exact value
  char16_t separator = u'.';
};

const std::optional<std::u16string> kNone;

TEST(ExactAnswers, AreWrittenFromTheFormulasOwnDeclarations) {
  const Expr root = RootOfNumber.expression, power = PowerOfNumber.expression,
             first = FirstRoot.expression, second = SecondRoot.expression;
  const auto roots = [](double index, double radicand) {
    return Values{{kIndex, index}, {kRadicand, radicand}};
  };
  const auto powers = [](double base, double exponent) {
    return Values{{kPowerBase, base}, {kExponent, exponent}};
  };
  const auto quadratic = [](double a, double b, double c) {
    return Values{{kA, a}, {kB, b}, {kC, c}};
  };
  const std::vector<Row> rows = {
      {"100 °F in Celsius",
       FahrenheitToCelsius.expression,
       {{kFahrenheit, 100}},
       u"340/9 = 37 7/9"},
      {"-100 °F", FahrenheitToCelsius.expression, {{kFahrenheit, -100}}, u"-220/3 = -73 1/3"},
      {"sphere of radius 1", SphereVolume.expression, {{kRadius, 1}}, u"4π/3 = 1 1/3 π"},
      {"a circle's area is a multiple of π", CircleArea.expression, {{kRadius, 2}}, u"4π"},
      {"a decimal that ends, shown with a comma",
       TrapezoidArea.expression,
       {{kFirstBase, 0.5}, {kSecondBase, 0.5}, {kHeight, 0.5}},
       u"",
       u','},
      {"√8", root, roots(2, 8), u"2√2"},
      {"∛54", root, roots(3, 54), u"3∛2"},
      {"fifth root of 486", root, roots(5, 486), u"3 × ⁵√2"},
      {"√0.5", root, roots(2, 0.5), u"√2/2"},
      {"odd root of a negative", root, roots(3, -54), u"-3∛2"},
      {"⁴√4 is √2", root, roots(4, 4), u"√2"},
      {"index -2", root, roots(-2, 8), u"√2/4"},
      {"index ½ squares", root, roots(0.5, 3), u""},
      {"∛0.001", root, roots(3, 0.001), u""},
      {"a square beyond the trial bound", root, roots(2, 65537.0 * 65537 * 2), u"65537√2"},
      {"two primes beyond the bound", root, roots(2, 65537.0 * 65539), u"√4295229443"},
      {"a square that may hide", root, roots(2, 65537.0 * 65537 * 65539), kNone},
      {"even root of a negative", root, roots(2, -4), kNone},
      {"1E+308 under a root", root, roots(3, 1e308), kNone},
      {"4^0.5", power, powers(4, 0.5), u""},
      {"2^0.5", power, powers(2, 0.5), u"√2"},
      {"2^1.5", power, powers(2, 1.5), u"2√2"},
      {"2^-0.5", power, powers(2, -0.5), u"√2/2"},
      {"2^0.1", power, powers(2, 0.1), u"¹⁰√2"},
      {"3^-2", power, powers(3, -2), u"1/9"},
      {"10^20 shown in exponent form", power, powers(10, 20), u""},
      {"0.1^3 with a comma", power, powers(0.1, 3), u"", u','},
      {"2^99 ends though shown rounded", power, powers(2, 99), u""},
      {"1.1^20 ends though shown rounded", power, powers(1.1, 20), u""},
      {"2^100 has 31 digits", power, powers(2, 100), kNone},
      {"7^47 has 40 digits", power, powers(7, 47), kNone},
      {"2^2147483647", power, powers(2, 2147483647), kNone},
      {"0.5^-2147483647", power, powers(0.5, -2147483647), kNone},
      {"1^2147483647", power, powers(1, 2147483647), u""},
      {"(-1)^2147483647", power, powers(-1, 2147483647), u""},
      {"1E+308 as the exponent", power, powers(2, 1e308), kNone},
      {"a fractional power of a negative", power, powers(-8, 0.5), kNone},
      {"0^-1", power, powers(0, -1), kNone},
      {"hypotenuse 1, 1", Hypotenuse.expression, {{kFirstLeg, 1}, {kSecondLeg, 1}}, u"√2"},
      {"hypotenuse 2, 4", Hypotenuse.expression, {{kFirstLeg, 2}, {kSecondLeg, 4}}, u"2√5"},
      {"hypotenuse 0, 0", Hypotenuse.expression, {{kFirstLeg, 0}, {kSecondLeg, 0}}, u""},
      {"hypotenuse 0.1, 0.2",
       Hypotenuse.expression,
       {{kFirstLeg, 0.1}, {kSecondLeg, 0.2}},
       u"√5/10"},
      {"x² = 2, first", first, quadratic(1, 0, -2), u"-√2"},
      {"x² = 2, second", second, quadratic(1, 0, -2), u"√2"},
      {"x² - 5x + 3, first", first, quadratic(1, -5, 3), u"(5 - √13)/2"},
      {"x² - 5x + 3, second", second, quadratic(1, -5, 3), u"(5 + √13)/2"},
      {"x² - x - 1", second, quadratic(1, -1, -1), u"(1 + √5)/2"},
      {"x² - 2x - 2", second, quadratic(1, -2, -2), u"1 + √3"},
      {"2x² + 4x + 1", first, quadratic(2, 4, 1), u"(-2 - √2)/2"},
      {"a double root", first, quadratic(1, -2, 1), u""},
      {"x² - 5x + 6, first", first, quadratic(1, -5, 6), u""},
      {"x² - 5x + 6, second", second, quadratic(1, -5, 6), u""},
      {"2x² - 7x + 3, first", first, quadratic(2, -7, 3), u""},
      {"2x² - 7x + 3, second", second, quadratic(2, -7, 3), u""},
      {"no real root", first, quadratic(1, 2, 5), kNone},
      {"A = 0", first, quadratic(0, 2, 5), kNone},
      {"sum of two different roots", Sqrt(2) + Sqrt(3), {}, kNone},
      {"sum of like roots", Sqrt(2) + Sqrt(8), {}, u"3√2"},
      {"product of cube roots", NthRoot(2, 3) * NthRoot(4, 3), {}, u""},
      {"quotient by a root", (1 + Sqrt(2)) / Sqrt(2), {}, u"(2 + √2)/2"},
      {"absolute value of 1 - √2", Abs(1 - Sqrt(2)), {}, u"-1 + √2"},
      {"root of a root", Sqrt(Sqrt(2)), {}, kNone},
      // π is a number of its own: what leaves a fraction times π has no exact value here.
      {"π × π", Pi() * Pi(), {}, kNone},
      {"π plus a fraction", Pi() + 1, {}, kNone},
      {"π times a root", Pi() * Sqrt(2), {}, kNone},
      {"the root of π", Sqrt(Pi()), {}, kNone},
      {"one over π", 1 / Pi(), {}, kNone},
      {"π to the first power", Pow(Pi(), 1), {}, u"π"},
      {"4π over π is a whole number", Pi(4) / Pi(), {}, u""},
      {"a root times 0, plus π", 0 * Sqrt(2) + Pi(), {}, u"π"},
      {"a negative multiple", -Pi() / 6, {}, u"-π/6"},
  };
  for (const Row& row : rows) {
    const std::optional<ExactNumber> exact = ExactValue(row.expr, row.values);
    ASSERT_EQ(exact.has_value(), row.answer.has_value()) << row.what;
    if (!exact) continue;
    const std::u16string shown = ShownDecimal(row.expr, row.values, row.separator);
    EXPECT_EQ(test::Show(ExactAnswer(*exact, shown, row.separator)), test::Show(*row.answer))
        << row.what << ", shown " << test::Show(shown);
  }
}

// The windows that take π as 3.14 answer in terms of π: a fraction times π, whatever the decimal,
// written with the direction's letter.
TEST(ExactAnswers, OfTheCircleSphereAndCylinderAreFractionsOfPi) {
  const auto r = [](double r, double h = 0) { return Values{{kRadius, r}, {kHeight, h}}; };
  const struct {
    const Formula& formula;
    Values values;
    ExactFraction ofPi;
    std::u16string_view text;  // left to right
  } rows[] = {
      {CircleArea, r(7), {49, 1}, u"49π"},
      {CircleArea, r(2.5), {25, 4}, u"25π/4 = 6 1/4 π"},
      {CircleCircumference, r(0.5), {1, 1}, u"π"},
      {CircleCircumference, r(-1), {-2, 1}, u"-2π"},
      {SphereSurface, r(0.1), {1, 25}, u"π/25"},
      {SphereVolume, r(2), {32, 3}, u"32π/3 = 10 2/3 π"},
      {SphereVolume, r(-1), {-4, 3}, u"-4π/3 = -1 1/3 π"},
      {CylinderVolume, r(0.3, 0.7), {63, 1000}, u"63π/1000"},
      {CylinderLateralArea, r(3, 10), {60, 1}, u"60π"},
      {CylinderTotalArea, r(2.5, 1.25), {75, 4}, u"75π/4 = 18 3/4 π"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(test::Show(std::u16string(row.text)));
    const std::optional<ExactNumber> exact = ExactValue(row.formula.expression, row.values);
    ASSERT_TRUE(exact && exact->timesPi() && !exact->isFraction());
    EXPECT_EQ(exact->rational(), row.ofPi);
    const auto answer =
        ExactAnswerMath(*exact, ShownDecimal(row.formula.expression, row.values, u'.'), u'.');
    ASSERT_TRUE(answer.has_value());
    std::u16string mashriq(row.text);
    std::replace(mashriq.begin(), mashriq.end(), u'π', u'ط');
    EXPECT_EQ(LinearText(*answer, FormulaDirection::LeftToRight), row.text);
    EXPECT_EQ(LinearText(*answer, FormulaDirection::RightToLeft), mashriq);
  }
  // A radius of 0 is 0, which the decimal says whole.
  const std::optional<ExactNumber> zero = ExactValue(SphereVolume.expression, r(0));
  ASSERT_TRUE(zero && !zero->timesPi());
  EXPECT_EQ(ExactAnswer(*zero, u"0", u'.'), u"");
}

ExactInteger Gcd(ExactInteger a, ExactInteger b) {
  while (b != 0) a = std::exchange(b, a % b);
  return a < 0 ? -a : a;
}

bool InLowestTerms(const ExactFraction& f) {
  return f.denominator > 0 && Gcd(f.numerator, f.denominator) == 1;
}

// Whether the n-th power of some number below 200 still divides the radicand.
bool HasSmallPower(ExactInteger radicand, int index) {
  for (ExactInteger p = 2; p < 200; ++p) {
    ExactInteger power = 1;
    for (int i = 0; i < index && power <= radicand; ++i) power *= p;
    if (power <= radicand && radicand % power == 0) return true;
  }
  return false;
}

TEST(ExactValues, AgreeWithTheDecimalEvaluationAndAreInLowestTerms) {
  std::mt19937 random(20240611);
  // A decimal of one place between the bounds; k / 10 is the double a pupil's "k/10" reads as.
  const auto decimal = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low * 10, high * 10)(random) / 10.0;
  };
  const auto whole = [&](int low, int high) {
    return static_cast<double>(std::uniform_int_distribution<int>(low, high)(random));
  };
  const double exponents[] = {0.5, 1.5, -0.5, 0.25, 0.2, 2.5, -1.5};
  const double indices[] = {2, 3, 4, 6, 0.5, -2, 2.5, 1.5};
  const auto exponent = [&] {
    return random() % 2 ? whole(-4, 5) : exponents[random() % std::size(exponents)];
  };
  struct Case {
    const Formula* formula;
    Values values;
  };
  int exactValues = 0, roots = 0, multiplesOfPi = 0;
  for (int i = 0; i < 4000; ++i) {
    const Case cases[] = {
        {&RootOfNumber, {{kRadicand, decimal(-50, 50)}, {kIndex, whole(-3, 7)}}},
        {&RootOfNumber,
         {{kRadicand, whole(0, 2000)}, {kIndex, indices[random() % std::size(indices)]}}},
        {&PowerOfNumber, {{kPowerBase, decimal(-10, 10)}, {kExponent, exponent()}}},
        {&Hypotenuse, {{kFirstLeg, decimal(0, 30)}, {kSecondLeg, decimal(0, 30)}}},
        {&FirstRoot, {{kA, decimal(-10, 10)}, {kB, decimal(-10, 10)}, {kC, decimal(-10, 10)}}},
        {&SecondRoot, {{kA, decimal(-10, 10)}, {kB, decimal(-10, 10)}, {kC, decimal(-10, 10)}}},
        {&SphereVolume, {{kRadius, decimal(0, 100)}}},
        {&CylinderTotalArea, {{kRadius, decimal(0, 100)}, {kHeight, decimal(0, 100)}}},
        {&TrapezoidArea,
         {{kFirstBase, decimal(0, 99)}, {kSecondBase, decimal(0, 99)}, {kHeight, decimal(0, 99)}}},
        {&FahrenheitToCelsius, {{kFahrenheit, decimal(-500, 500)}}},
        {&KelvinToFahrenheit, {{kKelvin, decimal(0, 1000)}}},
    };
    const Case& drawn = cases[i % std::size(cases)];
    const std::optional<ExactNumber> exact = ExactValue(drawn.formula->expression, drawn.values);
    if (!exact) continue;
    ++exactValues;
    Values values = drawn.values;
    double computed = 0;
    ASSERT_NO_THROW(computed = ValueOf(*drawn.formula, values)) << "an exact value of a fault";
    // The double rounds each step; a sum of the form's two terms may cancel, so its rounding is
    // that of the larger term.
    const double rational = static_cast<double>(exact->rational().numerator) /
                            static_cast<double>(exact->rational().denominator);
    EXPECT_TRUE(InLowestTerms(exact->rational()));
    EXPECT_TRUE(InLowestTerms(exact->coefficient()));
    if (exact->timesPi()) {
      // The window computes with 3.14 for π: the fraction times 3.14 is its decimal, and the
      // value itself the fraction times π.
      ++multiplesOfPi;
      EXPECT_LE(std::fabs(rational * kPi - computed), 1e-12 * std::fabs(computed))
          << test::Show(ExactAnswer(*exact, NumberToText(computed, u'.'), u'.'));
      EXPECT_NEAR(Approximate(*exact), rational * std::numbers::pi,
                  1e-12 * std::fabs(rational * std::numbers::pi));
      continue;
    }
    const double scale = std::max(
        {std::fabs(computed), std::fabs(rational), std::fabs(Approximate(*exact) - rational)});
    EXPECT_LE(std::fabs(Approximate(*exact) - computed), 1e-12 * scale)
        << test::Show(ExactAnswer(*exact, NumberToText(computed, u'.'), u'.'));
    if (exact->isFraction()) continue;
    ++roots;
    EXPECT_GE(exact->index(), 2);
    EXPECT_GE(exact->radicand(), 2);
    EXPECT_FALSE(HasSmallPower(exact->radicand(), exact->index()));
  }
  // The draw reaches both forms often.
  EXPECT_GT(exactValues, 3000);
  EXPECT_GT(roots, 1000);
  EXPECT_GT(multiplesOfPi, 500);
}

}  // namespace
}  // namespace numora
