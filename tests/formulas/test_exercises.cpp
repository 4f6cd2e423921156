// The exercises of the topic windows, as properties over many seeds: their numbers lie in the
// ranges of their level and are named and ordered as the window reads them, their results come out
// without a fault and with an exact value of the form the level promises, and a seed always gives
// the same exercise.
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
  bool lengths;                                // every input above zero
  std::array<Shape, 3> shapes;
  // Up to this level no result needs rounding: each ends within the exercise's places.
  Level ending = Level::Easy;
};

using enum Shape;
// clang-format off
const Topic kTopics[] = {
    {"Root", RootExercise, {kIndex, kRadicand}, {144, 1000, 400}, false, {Whole, Whole, Root},
     Level::Medium},
    {"Power", PowerExercise, {kPowerBase, kExponent}, {10, 225, 275}, false, {Whole, Rational, Any}},
    {"Pythagoras", PythagorasExercise, {kFirstLeg, kSecondLeg}, {48, 180, 12}, true,
     {Whole, Rational, Root}, Level::Medium},
    {"Quadratic", QuadraticExercise, {kA, kB, kC}, {81, 60, 9}, false, {Whole, NotWhole, Root}},
    {"Triangle", TriangleExercise, {kHeight, kBase}, {20, 50, 200}, true, {Whole, Rational, Any}},
    {"Rectangle", RectangleExercise, {kWidth, kLength}, {24, 50, 200}, true, {Whole, Any, Any}},
    {"Trapezoid", TrapezoidExercise, {kFirstBase, kSecondBase, kHeight}, {20, 50, 200}, true,
     {Whole, Rational, Any}},
    {"Circle", CircleExercise, {kRadius}, {15, 60, 30}, true, {Any, Any, Any}, Level::Medium},
    {"Cuboid", CuboidExercise, {kWidth, kHeight, kLength}, {12, 30, 200}, true,
     {Whole, Rational, Any}, Level::Medium},
    {"Sphere", SphereExercise, {kRadius}, {30, 45, 40}, true, {Any, Any, Any}, Level::Medium},
    {"Cylinder", CylinderExercise, {kRadius, kHeight}, {20, 40, 200}, true, {Any, Any, Any},
     Level::Medium},
    {"Temperature", TemperatureExercise, {}, {373, 373, 423}, false, {Whole, Any, Any}},
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
        if (kLevels[l] <= topic.ending) {
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
