#include "topics/geometry/GeometryExercises.h"

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <utility>

#include "topics/geometry/GeometryFormulas.h"

namespace numora {
namespace {

using Inputs = std::vector<std::pair<std::u16string, double>>;

// The exercise with the places its results ask for.
Exercise Made(Inputs inputs, std::vector<const Formula*> asked) {
  Exercise exercise{std::move(inputs), std::move(asked)};
  exercise.places = PlacesOfResults(exercise);
  return exercise;
}

// The largest whole length of an easy exercise: a pupil works 3.14 × 10² or 10 × 9 × 8 by hand.
constexpr int kEasiest = 10;

std::pair<std::u16string, double> Input(std::u16string_view name, double value) {
  return {std::u16string(name), value};
}

// A number of tenths (or hundredths) from low to high with its last place never 0: 1.5, 2.37.
double Decimal(Random& random, int low, int high, int per) {
  int n = random.between(low, high);
  if (n % 10 == 0) ++n;
  return n / static_cast<double>(per);
}

// A length of the level: small and whole (easy); larger and whole, or with one decimal place
// (medium); with two decimal places, or larger and whole (hard).
double Length(Level level, Random& random) {
  switch (level) {
    case Level::Easy:
      return random.between(1, kEasiest);
    case Level::Medium:
      return random.chance(50) ? random.between(10, 50) : Decimal(random, 11, 199, 10);
    case Level::Hard:
      return random.chance(70) ? Decimal(random, 101, 2999, 100) : random.between(20, 200);
  }
  return 1;
}

// Two whole easy lengths from 2 whose product is even, so that half of it is whole.
std::pair<int, int> EvenProduct(Random& random) {
  static_assert(kEasiest % 2 == 0, "an odd length made even stays easy");
  const int first = random.between(2, kEasiest);
  int second = random.between(2, kEasiest);
  if (first % 2 != 0 && second % 2 != 0) ++second;
  return {first, second};
}

// The sides of a right triangle a textbook draws: 3, 4, 5 and its multiples, 5, 12, 13 ...
constexpr std::array<std::array<int, 2>, 4> kLegs = {{{3, 4}, {5, 12}, {8, 15}, {7, 24}}};
// The easy ones, none longer than 16, each as likely.
constexpr std::array<std::array<int, 2>, 6> kEasyLegs = {
    {{3, 4}, {6, 8}, {9, 12}, {12, 16}, {5, 12}, {8, 15}}};

// A solid's length at the hard level: with two decimal places, or whole; a volume stays within a
// few hundred thousand.
double SolidLength(Random& random) {
  return random.chance(70) ? Decimal(random, 101, 2999, 100) : random.between(10, 40);
}

// The width and the length of a figure in that order: its length is never the shorter.
std::pair<double, double> WidthAndLength(double first, double second) {
  return {std::min(first, second), std::max(first, second)};
}

}  // namespace

Exercise TriangleExercise(Level level, Random& random) {
  double height = 0, base = 0;
  if (level == Level::Easy) {
    std::tie(height, base) = EvenProduct(random);
  } else {
    height = Length(level, random);
    base = Length(level, random);
  }
  return Made({Input(kHeight, height), Input(kBase, base)}, {&TriangleArea});
}

Exercise RectangleExercise(Level level, Random& random) {
  return TellingApart([&] {
    double width = 0, length = 0;
    if (level == Level::Easy) {
      // A whole diagonal.
      const auto& legs = random.pick(kEasyLegs);
      width = legs[0];
      length = legs[1];
    } else if (level == Level::Hard || random.chance(50)) {
      const double first = Length(level, random), second = Length(level, random);
      std::tie(width, length) = WidthAndLength(first, second);
    } else {
      // A diagonal of one decimal place: 0.6, 0.8 and 1. In tenths, so that 3 × 1.2 is 3.6 and
      // not the double next to it.
      const auto& legs = random.pick(kLegs);
      int tenths = random.between(1, 19);
      if (tenths % 10 == 0) ++tenths;
      width = legs[0] * tenths / 10.0;
      length = legs[1] * tenths / 10.0;
    }
    return Made({Input(kWidth, width), Input(kLength, length)},
                {&RectangleArea, &RectangleDiagonal, &RectanglePerimeter});
  });
}

Exercise TrapezoidExercise(Level level, Random& random) {
  double first = 0, second = 0, height = 0;
  // Two different bases: with equal ones it is a parallelogram.
  do {
    if (level == Level::Easy) {
      // Half of (ق١ + ق٢) × ع whole: the sum of the bases even, or the height.
      first = random.between(2, kEasiest);
      second = random.between(2, kEasiest);
      const int h = random.between(2, kEasiest);
      height = (static_cast<int>(first + second) % 2 != 0 && h % 2 != 0) ? h + 1 : h;
    } else {
      first = Length(level, random);
      second = Length(level, random);
      height = Length(level, random);
    }
  } while (first == second);
  return Made({Input(kFirstBase, first), Input(kSecondBase, second), Input(kHeight, height)},
              {&TrapezoidArea});
}

Exercise CircleExercise(Level level, Random& random) {
  // 3.14 × a whole radius ends within two places; a decimal radius is rounded.
  return TellingApart([&] {
    double radius = 1;
    switch (level) {
      case Level::Easy:
        radius = random.between(1, kEasiest);
        break;
      case Level::Medium:
        radius = random.between(10, 60);
        break;
      case Level::Hard:
        radius = random.chance(50) ? Decimal(random, 11, 199, 10) : Decimal(random, 101, 2999, 100);
        break;
    }
    return Made({Input(kRadius, radius)}, {&CircleArea, &CircleCircumference});
  });
}

Exercise CuboidExercise(Level level, Random& random) {
  return TellingApart([&] {
    std::array<double, 3> lengths{};
    switch (level) {
      case Level::Easy:
        for (double& length : lengths) length = random.between(1, kEasiest);
        break;
      case Level::Medium:
        // One length at most with a decimal place, so that every result keeps one.
        for (double& length : lengths) length = random.between(5, 30);
        if (random.chance(60))
          lengths[static_cast<std::size_t>(random.between(0, 2))] = Decimal(random, 11, 199, 10);
        break;
      case Level::Hard:
        for (double& length : lengths) length = SolidLength(random);
        break;
    }
    const auto [width, length] = WidthAndLength(lengths[0], lengths[2]);
    return Made({Input(kWidth, width), Input(kHeight, lengths[1]), Input(kLength, length)},
                {&CuboidTotalArea, &CuboidVolume, &CuboidLateralArea});
  });
}

Exercise SphereExercise(Level level, Random& random) {
  // 4/3 × 3.14 × نق³ ends within two places where نق³ is a multiple of 3 (نق = 3, 6 ...) or of
  // 3.375 (نق = 1.5, 4.5 ...). Of the easy radii only 6 and 9 are such (at 3 the surface and the
  // volume are both 113.04): the others' volume is rounded.
  return TellingApart([&] {
    double radius = 3;
    switch (level) {
      case Level::Easy:
        radius = random.between(1, kEasiest);
        break;
      case Level::Medium:
        radius =
            random.chance(50) ? 3 * random.between(4, 9) : 1.5 * (2 * random.between(0, 7) + 1);
        break;
      case Level::Hard:
        radius = random.chance(50) ? Decimal(random, 11, 199, 10) : random.between(1, 40);
        break;
    }
    return Made({Input(kRadius, radius)}, {&SphereSurface, &SphereVolume});
  });
}

Exercise CylinderExercise(Level level, Random& random) {
  return TellingApart([&] {
    double radius = 1, height = 1;
    switch (level) {
      case Level::Easy:
        radius = random.between(1, kEasiest);
        height = random.between(1, kEasiest);
        break;
      case Level::Medium:
        // A height of a half: 3.14 × نق² × 7.5 still ends within two places.
        radius = random.between(5, 20);
        height = random.chance(50) ? random.between(10, 40) : random.between(1, 29) + 0.5;
        break;
      case Level::Hard:
        radius = SolidLength(random);
        height = SolidLength(random);
        break;
    }
    return Made({Input(kRadius, radius), Input(kHeight, height)},
                {&CylinderVolume, &CylinderLateralArea, &CylinderTotalArea});
  });
}

}  // namespace numora
