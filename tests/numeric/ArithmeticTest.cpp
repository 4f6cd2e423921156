#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string_view>

#include "TestSupport.h"
#include "numeric/Arithmetic.h"

namespace numora {
namespace {

using test::Capture;
using test::Outcome;

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiniest = std::numeric_limits<double>::denorm_min();

struct ExpressionRow {
  std::string_view expression;
  std::function<Checked()> compute;
  Outcome expected;
};

// Shaped like the quadratic-root formula of a handler (the square root left out, as it checks
// itself), so that conditions must travel through several operations before the test.
Checked Root(Checked a, Checked b, Checked c) { return (-b + (b * b - 4.0 * a * c)) / (2.0 * a); }

TEST(CheckedArithmetic, TheTestClassifiesWhatTheExpressionRaised) {
  const ExpressionRow rows[] = {
      {"1 / 3", [] { return Checked(1.0) / 3.0; }, 1.0 / 3.0},
      {"1 / 0", [] { return Checked(1.0) / 0.0; }, FaultKind::DivisionByZero},
      {"-1 / -0", [] { return Checked(-1.0) / -0.0; }, FaultKind::DivisionByZero},
      {"0 / 0", [] { return Checked(0.0) / 0.0; }, FaultKind::Overflow},
      {"max * 10", [] { return Checked(kMax) * 10.0; }, FaultKind::Overflow},
      {"max + max", [] { return Checked(kMax) + kMax; }, FaultKind::Overflow},
      {"-max - max", [] { return -Checked(kMax) - kMax; }, FaultKind::Overflow},
      {"max * 10 - max * 10", [] { return Checked(kMax) * 10.0 - Checked(kMax) * 10.0; },
       FaultKind::Overflow},
      {"(max * 10) / 0", [] { return Checked(kMax) * 10.0 / 0.0; }, FaultKind::Overflow},
      {"0 / (max * 10)", [] { return Checked(0.0) / (Checked(kMax) * 10.0); }, FaultKind::Overflow},
      {"1 / 0 - 1 / 0", [] { return Checked(1.0) / 0.0 - Checked(1.0) / 0.0; },
       FaultKind::DivisionByZero},
      {"0 / 0 + 1 / 0", [] { return Checked(0.0) / 0.0 + Checked(1.0) / 0.0; },
       FaultKind::DivisionByZero},
      {"(1 / 0) * 0", [] { return Checked(1.0) / 0.0 * 0.0; }, FaultKind::DivisionByZero},
      {"-(1 / 0)", [] { return -(Checked(1.0) / 0.0); }, FaultKind::DivisionByZero},
      {"1e-308 * 1e-308", [] { return Checked(1e-308) * 1e-308; }, 0.0},
      {"tiniest / 2", [] { return Checked(kTiniest) / 2.0; }, 0.0},
      {"1e-300 / 1e10", [] { return Checked(1e-300) / 1e10; }, 1e-300 / 1e10},
      {"root(1, -3, 2)", [] { return Root(1.0, -3.0, 2.0); }, 2.0},
      {"root(0, 2, 1)", [] { return Root(0.0, 2.0, 1.0); }, FaultKind::DivisionByZero},
      {"root(0, 0, 5)", [] { return Root(0.0, 0.0, 5.0); }, FaultKind::Overflow},
      {"root(1, 1e200, 1)", [] { return Root(1.0, 1e200, 1.0); }, FaultKind::Overflow},
      {"root(1e-310, 3, 1)", [] { return Root(1e-310, 3.0, 1.0); }, FaultKind::Overflow},
      // An infinity that entered as an operand, not through the checked operations.
      {"infinity + 1", [] { return Checked(std::numeric_limits<double>::infinity()) + 1.0; },
       FaultKind::Overflow},
  };
  for (const ExpressionRow& row : rows) {
    EXPECT_EQ(Capture([&] { return numora::ValueOrFault(row.compute()); }), row.expected)
        << row.expression;
  }
}

struct PowerRow {
  double base;
  double exponent;
  Outcome expected;
};

TEST(Power, ChecksItsArgumentsAndRange) {
  const PowerRow rows[] = {
      {2.0, 10.0, 1024.0},
      {0.0, 0.0, 1.0},
      {-8.0, 3.0, -512.0},
      {-2.0, -2.0, 0.25},
      {4.0, 0.5, 2.0},
      {0.0, 2.0, 0.0},
      {10.0, 22.0, 1e22},
      {2.0, -1074.0, kTiniest},
      {10.0, -400.0, 0.0},
      {-8.0, 1.0 / 3.0, FaultKind::InvalidArgument},
      {-2.0, 0.5, FaultKind::InvalidArgument},
      {-1e-300, 1.5, FaultKind::InvalidArgument},
      {0.0, -1.0, FaultKind::DivisionByZero},
      {-0.0, -2.0, FaultKind::DivisionByZero},
      {0.0, -0.5, FaultKind::DivisionByZero},
      {10.0, 309.0, FaultKind::Overflow},
      {-2.0, 1025.0, FaultKind::Overflow},
      {kMax, 2.0, FaultKind::Overflow},
      {0.5, -1075.0, FaultKind::Overflow},
      {std::nan(""), 1.0, FaultKind::InvalidArgument},
      // Whole powers are the doubles nearest the exact powers, on every platform's library.
      {99.0, 99.0, 3.697296376497268e+197},
      {-13.0, 77.0, -5.937971757174852e+85},
      {7.0, -5.0, 5.9499018266198606e-05},
      {3.0, -40.0, 8.225263339969959e-20},
      {0.1, -308.0, 9.999999999999828e+307},  // the double 0.1, not a tenth
  };
  for (const PowerRow& row : rows) {
    EXPECT_EQ(Capture([&] { return Power(row.base, row.exponent); }), row.expected)
        << row.base << " ^ " << row.exponent;
  }
}

TEST(SquareRoot, RefusesNegativeArguments) {
  const struct {
    double x;
    Outcome expected;
  } rows[] = {
      {4.0, 2.0},
      {2.0, 1.4142135623730951},
      {0.0, 0.0},
      {-0.0, 0.0},
      {kTiniest, std::sqrt(kTiniest)},
      {-1.0, FaultKind::InvalidArgument},
      {-kTiniest, FaultKind::InvalidArgument},
      {std::nan(""), FaultKind::InvalidArgument},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Capture([&] { return SquareRoot(row.x); }), row.expected) << row.x;
  }
}

}  // namespace
}  // namespace numora
