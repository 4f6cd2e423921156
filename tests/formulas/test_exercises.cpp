// The exercises of the topic windows, as properties over many seeds: their numbers lie in the
// ranges of their level and are named and ordered as the window reads them, their results come out
// without a fault, of the level's size and with an exact value of the form the level promises, no
// result of the window passes for another, and a seed always gives the same exercise.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "TopicFormulas.h"
#include "numeric/Exact.h"
#include "numeric/Fault.h"
#include "numeric/NumberWriting.h"
#include "practice/Answer.h"
#include "topics/algebra/AlgebraExercises.h"
#include "topics/geometry/GeometryExercises.h"
#include "topics/temperature/TemperatureExercises.h"

namespace numora {
namespace {

// The form of every asked result's exact value; each exists unless the quadratic has no real root.
enum class Shape { Any, Whole, Rational, NotWhole /* a fraction, not every one whole */, Root };

struct Topic {
  const char* name;
  ExerciseOf make;
  std::vector<std::u16string_view> readOrder;  // empty: the scale of the chosen conversion
  std::array<double, 3> largest;               // no input's size above it, by level
  std::array<double, 3> largestResult;         // no asked result's size above it, by level
  bool lengths;                                // every input above zero
  std::array<Shape, 3> shapes;
  // Up to this level no result needs rounding: each ends within the exercise's places.
  Level ending = Level::Easy;
  // But this one at the easy level: the sphere's volume, 4/3 × 3.14 × نق³, ends only where نق is
  // a multiple of 3, and of those only 6 and 9 are easy.
  const Formula* roundedWhenEasy = nullptr;
};

using enum Shape;
// clang-format off
// An easy exercise is worked by hand in a minute: whole lengths up to 10 (16 where a diagonal or
// a hypotenuse is whole), results under a few thousand.
const Topic kTopics[] = {
    {"Root", RootExercise, {kIndex, kRadicand}, {144, 1000, 400}, {12, 25, 20}, false,
     {Whole, Whole, Root}, Level::Medium},
    {"Power", PowerExercise, {kPowerBase, kExponent}, {10, 225, 275}, {1024, 216, 216}, false,
     {Whole, Rational, Any}},
    {"Pythagoras", PythagorasExercise, {kFirstLeg, kSecondLeg}, {16, 180, 12}, {20, 200, 20}, true,
     {Whole, Rational, Root}, Level::Medium},
    {"Quadratic", QuadraticExercise, {kA, kB, kC}, {81, 60, 9}, {10, 10, 10}, false,
     {Whole, NotWhole, Root}},
    {"Triangle", TriangleExercise, {kHeight, kBase}, {10, 50, 200}, {50, 1500, 20000}, true,
     {Whole, Rational, Any}},
    {"Rectangle", RectangleExercise, {kWidth, kLength}, {16, 50, 200}, {200, 2500, 40000}, true,
     {Whole, Any, Any}},
    {"Trapezoid", TrapezoidExercise, {kFirstBase, kSecondBase, kHeight}, {10, 50, 200},
     {100, 2500, 30000}, true, {Whole, Rational, Any}},
    {"Circle", CircleExercise, {kRadius}, {10, 60, 30}, {320, 12000, 3000}, true, {Any, Any, Any},
     Level::Medium},
    {"Cuboid", CuboidExercise, {kWidth, kHeight, kLength}, {10, 30, 40}, {1000, 30000, 70000},
     true, {Whole, Rational, Any}, Level::Medium},
    {"Sphere", SphereExercise, {kRadius}, {10, 27, 40}, {5000, 100000, 300000}, true,
     {Any, Any, Any}, Level::Medium, &SphereVolume},
    {"Cylinder", CylinderExercise, {kRadius, kHeight}, {10, 40, 40}, {5000, 60000, 250000}, true,
     {Any, Any, Any}, Level::Medium},
    {"Temperature", TemperatureExercise, {}, {373, 373, 423}, {400, 400, 450}, false,
     {Whole, Any, Any}},
};
// clang-format on
constexpr std::array kLevels = {Level::Easy, Level::Medium, Level::Hard};
constexpr int kSeeds = 500;

Exercise Made(const Topic& topic, Level level, std::uint64_t seed) {
  Random random(seed);
  return topic.make(level, random);
}

bool EndsWithin(double value, int places) {
  const double scaled = value * std::pow(10, places);
  return std::abs(scaled - std::round(scaled)) <= 1e-9 * std::max(1.0, std::abs(scaled));
}

bool Fits(const ExactNumber& exact, Shape shape) {
  switch (shape) {
    case Any:
    case NotWhole:
      return true;
    case Whole:
      return exact.isFraction() && exact.rational().denominator == 1;
    case Rational:
      return exact.isFraction();
    case Root:
      return !exact.isFraction() && !exact.timesPi();
  }
  return false;
}

void PrintTo(const Topic& topic, std::ostream* out) { *out << topic.name; }

class Exercises : public ::testing::TestWithParam<Topic> {};

TEST_P(Exercises, NameTheirNumbersAsTheWindowReadsThemWithinTheLevelsRanges) {
  const Topic& topic = GetParam();
  for (std::size_t l = 0; l < kLevels.size(); ++l)
    for (int seed = 0; seed < kSeeds; ++seed) {
      const Exercise exercise = Made(topic, kLevels[l], seed);
      SCOPED_TRACE(::testing::Message() << topic.name << " level " << l << " seed " << seed);
      std::set<std::u16string> named;
      std::vector<std::u16string> quantities;
      for (const Formula* formula : exercise.asked)
        testing::QuantitiesOf(formula->expression, quantities);
      std::vector<std::u16string_view> order;
      for (const auto& [name, value] : exercise.inputs) {
        order.push_back(name);
        EXPECT_LE(std::abs(value), topic.largest[l]);
        EXPECT_TRUE(EndsWithin(value, static_cast<int>(l))) << "more decimal places than the level";
        if (topic.lengths) {
          EXPECT_GT(value, 0);
        }
      }
      EXPECT_EQ(std::set<std::u16string>(quantities.begin(), quantities.end()),
                std::set<std::u16string>(order.begin(), order.end()));
      if (!topic.readOrder.empty()) {
        EXPECT_EQ(order, topic.readOrder);
      } else {
        // The temperature: read in the scale of its one conversion, never below absolute zero.
        ASSERT_EQ(exercise.asked.size(), 1u);
        ASSERT_EQ(order.size(), 1u);
        EXPECT_TRUE(std::any_of(kConversions.begin(), kConversions.end(), [&](const auto& c) {
          return c.formula == exercise.asked[0] && c.from == order[0];
        }));
        EXPECT_GE(exercise.inputs[0].second, AbsoluteZero(order[0]));
      }
    }
}

TEST_P(Exercises, ComeOutWithoutAFaultInTheExactFormOfTheirLevel) {
  const Topic& topic = GetParam();
  int noRealRoot[3] = {};
  for (std::size_t l = 0; l < kLevels.size(); ++l)
    for (int seed = 0; seed < kSeeds; ++seed) {
      const Exercise exercise = Made(topic, kLevels[l], seed);
      SCOPED_TRACE(::testing::Message() << topic.name << " level " << l << " seed " << seed);
      EXPECT_GE(exercise.places, 0);
      EXPECT_LE(exercise.places, 2);
      bool notWhole = false;
      for (const Formula* formula : exercise.asked) {
        Values values = InputValues(exercise);
        double value = 0;
        try {
          value = ValueOf(*formula, values);
        } catch (const Fault&) {
          // Only the roots of a quadratic with a negative discriminant, which the window leaves
          // out.
          EXPECT_TRUE(formula == &FirstRoot || formula == &SecondRoot);
          Values again = InputValues(exercise);
          EXPECT_LT(ValueOf(Discriminant, again), 0);
          ++noRealRoot[l];
          continue;
        }
        const std::optional<ExactNumber> exact = ExactValue(formula->expression, values);
        ASSERT_TRUE(exact.has_value());
        EXPECT_TRUE(Fits(*exact, topic.shapes[l]));
        notWhole = notWhole || !exact->isFraction() || exact->rational().denominator != 1;
        // Easy exercises need no rounding: whole roots, whole areas, 3.14 × a whole radius.
        if (kLevels[l] <= topic.ending &&
            (kLevels[l] != Level::Easy || formula != topic.roundedWhenEasy)) {
          EXPECT_TRUE(EndsWithin(value, exercise.places)) << value;
        }
        if (topic.shapes[l] == Whole) {
          EXPECT_TRUE(EndsWithin(value, 0)) << value;
        }
      }
      if (topic.shapes[l] == NotWhole) {
        EXPECT_TRUE(notWhole);
      }
    }
  // Some hard quadratics, and only they, have no real root.
  EXPECT_EQ(noRealRoot[0] + noRealRoot[1], 0);
  if (topic.make == QuadraticExercise) {
    EXPECT_GT(noRealRoot[2], kSeeds / 10);
  }
}

// The number as a pupil writes it, rounded to the places: 12.56, 3.5, 216.
std::u16string Written(double value, int places) {
  const double scale = std::pow(10.0, places);
  return NumberToText(std::round(value * scale) / scale, {});
}

// What a teacher relies on at every level: results that are finite and of the level's size; a
// pupil who works an asked result with the formula of another is told it is wrong (at a radius of
// 2 a circle's area and circumference are both 12.56, at a side of 6 a cube's volume and area both
// 216); a figure's length never shorter than its width.
TEST_P(Exercises, HoldWhatATeacherTrustsOfTheirLevel) {
  constexpr int kManySeeds = 5000;
  const Topic& topic = GetParam();
  for (std::size_t l = 0; l < kLevels.size(); ++l)
    for (int seed = 0; seed < kManySeeds; ++seed) {
      const Exercise exercise = Made(topic, kLevels[l], seed);
      SCOPED_TRACE(::testing::Message() << topic.name << " level " << l << " seed " << seed);
      std::vector<Expected> results;
      for (const Formula* formula : exercise.asked) {
        Values values = InputValues(exercise);
        try {
          const double value = ValueOf(*formula, values);
          results.push_back(
              {formula, value, ExactValue(formula->expression, values), exercise.places});
        } catch (const Fault&) {
          // A quadratic with no real root: tested above.
        }
      }
      for (const Expected& result : results)
        EXPECT_LE(std::abs(result.value), topic.largestResult[l]);  // and so finite
      for (const Expected& worked : results)
        for (const Expected& asked : results) {
          // The roots of an equation are one answer in either order.
          if (worked.formula->name == asked.formula->name) continue;
          const std::u16string typed = Written(worked.value, exercise.places);
          EXPECT_EQ(CheckAnswer(typed, asked, u'.').verdict, Verdict::Wrong)
              << std::string(typed.begin(), typed.end()) << " for " << asked.value;
        }
      const Values values = InputValues(exercise);
      const double *width = values.find(kWidth), *length = values.find(kLength);
      if (width && length) {
        EXPECT_GE(*length, *width);
      }
    }
}

bool operator==(const Exercise& a, const Exercise& b) {
  return a.inputs == b.inputs && a.asked == b.asked && a.places == b.places;
}

TEST_P(Exercises, AreTheSameForASeedAndMostlyDifferForAnother) {
  const Topic& topic = GetParam();
  for (const Level level : kLevels) {
    int differ = 0;
    for (int seed = 0; seed < kSeeds; ++seed) {
      EXPECT_TRUE(Made(topic, level, seed) == Made(topic, level, seed));
      differ += Made(topic, level, seed) == Made(topic, level, seed + 1) ? 0 : 1;
    }
    EXPECT_GT(differ, kSeeds * 3 / 4) << topic.name << " " << static_cast<int>(level);
  }
}

// ctest -R exercises
INSTANTIATE_TEST_SUITE_P(exercises, Exercises, ::testing::ValuesIn(kTopics),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace numora
