#include "topics/algebra/AlgebraExercises.h"

#include <array>
#include <numeric>
#include <utility>

#include "topics/algebra/AlgebraFormulas.h"

namespace numora {
namespace {

bool IsSquare(int n) {
  if (n < 0) return false;
  int root = 0;
  while ((root + 1) * (root + 1) <= n) ++root;
  return root * root == n;
}

int PowerOf(int base, int exponent) {
  int power = 1;
  for (int i = 0; i < exponent; ++i) power *= base;
  return power;
}

// The exercise with the places its results ask for.
Exercise Made(std::vector<std::pair<std::u16string, double>> inputs,
              std::vector<const Formula*> asked) {
  Exercise exercise{std::move(inputs), std::move(asked)};
  exercise.places = PlacesOfResults(exercise);
  return exercise;
}

// Numbers with no square (or cube) in them, for roots that are not whole.
constexpr std::array kSquareFree = {2, 3, 5, 6, 7, 10, 11};
constexpr std::array kCubeFree = {2, 3, 4, 5, 6};

// The primitive Pythagorean triples a textbook uses, the smallest first.
constexpr std::array<std::array<int, 3>, 8> kTriples = {{{3, 4, 5},
                                                         {5, 12, 13},
                                                         {8, 15, 17},
                                                         {7, 24, 25},
                                                         {20, 21, 29},
                                                         {12, 35, 37},
                                                         {9, 40, 41},
                                                         {11, 60, 61}}};

}  // namespace

Exercise RootExercise(Level level, Random& random) {
  int index = 2;
  int radicand = 4;
  switch (level) {
    case Level::Easy:
      if (random.chance(70)) {
        radicand = PowerOf(random.between(2, 12), 2);
      } else {
        index = 3;
        radicand = PowerOf(random.between(2, 5), 3);
      }
      break;
    case Level::Medium: {
      const int sign = random.chance(50) ? -1 : 1;
      switch (random.between(0, 3)) {
        case 0:
          radicand = PowerOf(random.between(13, 25), 2);
          break;
        case 1:
          index = 3;
          radicand = sign * PowerOf(random.between(2, 10), 3);
          break;
        case 2:
          index = 4;
          radicand = PowerOf(random.between(2, 5), 4);
          break;
        default:
          index = 5;
          radicand = sign * PowerOf(random.between(2, 3), 5);
          break;
      }
      break;
    }
    case Level::Hard:
      // k ⁿ√m with m free of n-th powers: never whole.
      if (random.chance(60)) {
        radicand = PowerOf(random.between(1, 6), 2) * random.pick(kSquareFree);
      } else {
        index = 3;
        radicand = (random.chance(40) ? -1 : 1) * PowerOf(random.between(1, 4), 3) *
                   random.pick(kCubeFree);
      }
      break;
  }
  return Made({{std::u16string(kIndex), index}, {std::u16string(kRadicand), radicand}},
              {&RootOfNumber});
}

Exercise PowerExercise(Level level, Random& random) {
  double base = 2;
  double exponent = 2;
  switch (level) {
    case Level::Easy: {
      const int b = random.between(2, 10);
      // Up to about a thousand: 2¹⁰, 3⁶, 5⁴, 10³.
      int most = 2;
      while (PowerOf(b, most + 1) <= 1024) ++most;
      base = b;
      exponent = random.between(2, most);
      break;
    }
    case Level::Medium:
      switch (random.between(0, 9)) {
        case 0:
          base = random.between(2, 20);
          exponent = 0;
          break;
        case 1:
        case 2:
        case 3:
          base = -random.between(2, 6);
          exponent = random.between(2, base >= -3 ? 4 : 3);
          break;
        case 4:
        case 5:
        case 6: {
          // 2⁻³ = 1/8, 10⁻² = 0.01, 5⁻¹ = 0.2: never below a hundredth, which would round to 0.
          const int b = random.chance(20) ? 10 : random.between(2, 5);
          int most = 1;
          while (most < 3 && PowerOf(b, most + 1) <= 100) ++most;
          base = b;
          exponent = -random.between(1, most);
          break;
        }
        default:
          base = PowerOf(random.between(2, 15), 2);
          exponent = 0.5;
          break;
      }
      break;
    case Level::Hard:
      switch (random.between(0, 5)) {
        case 0:
          base = PowerOf(random.between(1, 5), 2) * random.pick(kSquareFree);
          exponent = 0.5;
          break;
        case 1:
          base = PowerOf(random.between(2, 6), 2);
          exponent = 1.5;
          break;
        case 2:
          base = PowerOf(random.between(2, 12), 2);
          exponent = -0.5;
          break;
        case 3:
          base = PowerOf(random.between(2, 4), 4);
          exponent = 0.25;
          break;
        case 4: {
          // (-2)⁻³ = -1/8.
          const int b = random.between(2, 5);
          base = -b;
          exponent = -random.between(1, b <= 3 ? 3 : 2);
          break;
        }
        default: {
          // 0.5⁻² = 4, 1.5² = 2.25, 0.5³ = 0.125: no result below a hundredth.
          int tenths = 0;
          int e = 0;
          do {
            tenths = random.between(1, 25);
            e = random.pick(std::array{-2, -1, 2, 3});
          } while (tenths % 10 == 0 || (e == 2 && tenths < 3) || (e == 3 && tenths < 5));
          base = tenths / 10.0;
          exponent = e;
          break;
        }
      }
      break;
  }
  return Made({{std::u16string(kPowerBase), base}, {std::u16string(kExponent), exponent}},
              {&PowerOfNumber});
}

Exercise PythagorasExercise(Level level, Random& random) {
  double first = 3;
  double second = 4;
  switch (level) {
    case Level::Easy: {
      // Legs up to 16, each triangle as likely: 3, 4, 5 times 1 to 4; 5, 12, 13; 8, 15, 17.
      const int which = random.between(0, 5);
      const auto& triple = kTriples[static_cast<std::size_t>(which < 4 ? 0 : which - 3)];
      const int times = which < 4 ? which + 1 : 1;
      first = triple[0] * times;
      second = triple[1] * times;
      break;
    }
    case Level::Medium: {
      const auto& triple = random.pick(kTriples);
      if (random.chance(50)) {
        const int times = random.between(1, 3);
        first = triple[0] * times;
        second = triple[1] * times;
      } else {
        // A tenth of a multiple that is no multiple of ten: 0.6, 0.8 and 1; 1.5, 3.6 and 3.9.
        int tenths = random.between(1, 19);
        if (tenths % 10 == 0) ++tenths;
        first = triple[0] * tenths / 10.0;
        second = triple[1] * tenths / 10.0;
      }
      break;
    }
    case Level::Hard: {
      // Whole legs, or legs in tenths, whose hypotenuse is a root.
      const bool tenths = random.chance(30);
      const int most = tenths ? 30 : 12;
      int a = 0, b = 0;
      do {
        a = random.between(1, most);
        b = random.between(1, most);
      } while (IsSquare(a * a + b * b) || (tenths && (a % 10 == 0 || b % 10 == 0)));
      first = tenths ? a / 10.0 : a;
      second = tenths ? b / 10.0 : b;
      break;
    }
  }
  if (random.chance(50)) std::swap(first, second);
  return Made({{std::u16string(kFirstLeg), first}, {std::u16string(kSecondLeg), second}},
              {&Hypotenuse});
}

Exercise QuadraticExercise(Level level, Random& random) {
  int a = 1, b = 0, c = 0;
  switch (level) {
    case Level::Easy: {
      // (س - r1)(س - r2): B = -(r1 + r2), C = r1 r2.
      int r1 = 0, r2 = 0;
      do {
        r1 = random.between(-9, 9);
        r2 = random.between(-9, 9);
      } while (r1 == 0 && r2 == 0);
      b = -(r1 + r2);
      c = r1 * r2;
      break;
    }
    case Level::Medium: {
      // (q1 س - p1)(q2 س - p2), the roots p1/q1 (never whole) and p2/q2, each in lowest terms,
      // so that the coefficients have no common factor.
      const int q1 = random.between(2, 5);
      int p1 = 0;
      do p1 = random.between(-9, 9);
      while (p1 == 0 || std::gcd(p1, q1) != 1);
      const int q2 = random.between(1, 3);
      int p2 = 0;
      do p2 = random.between(-6, 6);
      while (std::gcd(p2, q2) != 1);
      a = q1 * q2;
      b = -(q1 * p2 + q2 * p1);
      c = p1 * p2;
      break;
    }
    case Level::Hard: {
      const bool real = random.chance(75);
      int discriminant = 0;
      do {
        a = random.between(1, 4);
        b = random.between(-9, 9);
        c = real ? random.between(-9, 9) : random.between(1, 9);
        discriminant = b * b - 4 * a * c;
      } while (real ? discriminant <= 0 || IsSquare(discriminant) : discriminant >= 0);
      if (random.chance(25)) {
        a = -a;
        b = -b;
        c = -c;
      }
      break;
    }
  }
  return Made({{std::u16string(kA), a}, {std::u16string(kB), b}, {std::u16string(kC), c}},
              {&FirstRoot, &SecondRoot});
}

}  // namespace numora
