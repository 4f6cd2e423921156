// The problem a topic window states at the head of its solution where its words depend on the
// pupil's numbers, the numbers as the window writes them, and the quadratic equation as a
// textbook writes it.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "numeric/Bidi.h"
#include "numeric/Problem.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/algebra/AlgebraProblems.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/geometry/GeometryProblems.h"
#include "topics/temperature/TemperatureFormulas.h"
#include "topics/temperature/TemperatureProblems.h"

namespace numora {
namespace {

// The text without the marks that keep its runs in their order.
std::u16string Plain(std::u16string_view text) { return WithoutBidiMarks(text); }

const Numerals kWestern{u'.'}, kEastern{u'٫', u'٠'};

TEST(Problems, EachWindowStatesItsProblemWithThePupilsNumbers) {
  const struct {
    const char* what;
    ProblemOf problem;
    Values values;
    Numerals numerals;
    std::u16string text;  // empty: no problem, a number was not read
  } cases[] = {
      // The phrasing that depends on the numbers; the panel's test has one problem per window.
      {"cube root",
       RootProblem,
       {{kIndex, 3}, {kRadicand, -27}},
       kWestern,
       u"الجذر التكعيبي للعدد -27"},
      {"fifth root",
       RootProblem,
       {{kIndex, 5}, {kRadicand, 32}},
       kEastern,
       u"الجذر الخامس للعدد ٣٢"},
      {"other index",
       RootProblem,
       {{kIndex, 2.5}, {kRadicand, 8}},
       kEastern,
       u"الجذر الذي دليله ٢٫٥ للعدد ٨"},
      {"index not read", RootProblem, {{kRadicand, 8}}, kWestern, u""},
      {"square", RectangleProblem, {{kWidth, 2.5}, {kLength, 2.5}}, kEastern, u"مربع طول ضلعه ٢٫٥"},
      {"length not read", RectangleProblem, {{kWidth, 3}}, kWestern, u""},
      {"negative radius", CircleProblem, {{kRadius, -7}}, kEastern, u"دائرة نصف قطرها -٧"},
      {"cube",
       CuboidProblem,
       {{kWidth, 2}, {kHeight, 2}, {kLength, 2}},
       kWestern,
       u"مكعب طول حرفه 2"},
      {"no cube",
       CuboidProblem,
       {{kWidth, 2}, {kHeight, 2}, {kLength, 3}},
       kWestern,
       u"متوازي مستطيلات عرضه 2 وارتفاعه 2 وطوله 3"},
      {"to Fahrenheit",
       ConversionProblem(KelvinToFahrenheit, kKelvin),
       {{kKelvin, 0.5}},
       kEastern,
       u"حول ٠٫٥ من كلفن إلى فهرنهايت"},
      {"another scale",
       ConversionProblem(CelsiusToKelvin, kCelsius),
       {{kKelvin, 3}},
       kWestern,
       u""},
      // The equation: ones unwritten, zeros left out, a negative coefficient a minus sign.
      {"ones", QuadraticProblem, {{kA, 1}, {kB, -1}, {kC, 1}}, kWestern, u"س² - س + 1 = 0"},
      {"minus one first",
       QuadraticProblem,
       {{kA, -1}, {kB, 1}, {kC, -1}},
       kWestern,
       u"-س² + س - 1 = 0"},
      {"no x term", QuadraticProblem, {{kA, 1}, {kB, 0}, {kC, -4}}, kWestern, u"س² - 4 = 0"},
      {"no constant", QuadraticProblem, {{kA, -3}, {kB, 6}, {kC, 0}}, kWestern, u"-3 س² + 6 س = 0"},
      {"not quadratic", QuadraticProblem, {{kA, 0}, {kB, -2}, {kC, 1}}, kWestern, u"-2 س + 1 = 0"},
      {"all zero", QuadraticProblem, {{kA, 0}, {kB, 0}, {kC, 0}}, kWestern, u"0 = 0"},
      {"decimals",
       QuadraticProblem,
       {{kA, 1.5}, {kB, -0.25}, {kC, 10}},
       kEastern,
       u"١٫٥ س² - ٠٫٢٥ س + ١٠ = ٠"},
      {"exponent form",
       QuadraticProblem,
       {{kA, 1E+20}, {kB, 0}, {kC, -1}},
       kWestern,
       u"(1E+20) س² - 1 = 0"},
      {"C not read", QuadraticProblem, {{kA, 1}, {kB, 2}}, kWestern, u""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::optional<Problem> problem = c.problem(c.values, c.numerals);
    ASSERT_EQ(problem.has_value(), !c.text.empty());
    if (!problem) continue;
    EXPECT_EQ(Plain(problem->text), c.text);
    // The equation (the only problem with coefficients) is typeset, and reads as it is set; a
    // sentence is words.
    EXPECT_EQ(problem->formula.has_value(), c.values.find(kA) != nullptr);
    if (problem->formula) {
      EXPECT_EQ(Plain(LinearText(*problem->formula)), c.text);
    }
  }
}

}  // namespace
}  // namespace numora
