// The algebra formulas with their order of evaluation and their faults, read back as the text
// the windows would show.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "numeric/Fault.h"
#include "numeric/NumberWriting.h"
#include "topics/algebra/AlgebraFormulas.h"

namespace numora {
namespace {

std::u16string Shown(Checked value) { return NumberToText(ValueOrFault(value), u'.'); }

// A formula evaluated with the window's quantities, as the window evaluates it.
Checked Evaluated(const Formula& formula, Values values) {
  return Evaluation(values)(formula.expression);
}

std::u16string RootText(double index, double radicand) {
  return Shown(Evaluated(RootOfNumber, {{kIndex, index}, {kRadicand, radicand}}));
}

FaultKind FaultOf(const auto& computation) {
  try {
    computation();
  } catch (const Fault& fault) {
    return fault.kind();
  }
  ADD_FAILURE() << "no fault";
  return FaultKind::TypeMismatch;
}

TEST(Roots, AreTheReciprocalPowerShownToFifteenDigits) {
  EXPECT_EQ(RootText(2, 9), u"3");
  EXPECT_EQ(RootText(3, 64), u"4");  // the power may land one unit in the last place off
  EXPECT_EQ(RootText(1, 2.5), u"2.5");
  EXPECT_EQ(RootText(1, -8), u"-8");
  EXPECT_EQ(RootText(0.5, 3), u"9");
  EXPECT_EQ(RootText(-2, 4), u"0.5");
  EXPECT_EQ(RootText(2, 0), u"0");
}

TEST(Roots, OfNegativeRadicandsAreRealUnderOddWholeIndices) {
  EXPECT_EQ(RootText(3, -27), u"-3");
  EXPECT_EQ(RootText(-3, -8), u"-0.5");
  EXPECT_EQ(RootText(5, -32), u"-2");
  EXPECT_EQ(FaultOf([] { RootText(2, -4); }), FaultKind::InvalidArgument);
  EXPECT_EQ(FaultOf([] { RootText(2.5, -4); }), FaultKind::InvalidArgument);
  EXPECT_EQ(FaultOf([] { RootText(4, -16); }), FaultKind::InvalidArgument);
}

TEST(Roots, IndexZeroIsADivisionByZero) {
  EXPECT_EQ(FaultOf([] { RootText(0, 9); }), FaultKind::DivisionByZero);
  EXPECT_EQ(FaultOf([] { RootText(-2, 0); }), FaultKind::DivisionByZero);
}

TEST(Powers, AreShownToFifteenDigitsOrInExponentForm) {
  const struct {
    double base, exponent;
    std::u16string_view shown;
  } powers[] = {
      {2, 10, u"1024"},  {-2, 3, u"-8"}, {2, 0.5, u"1.4142135623731"}, {0, 0, u"1"},
      {1.5, 2, u"2.25"}, {4, 0.5, u"2"}, {10, 15, u"1E+15"},           {10, -5, u"1E-05"},
  };
  for (const auto& power : powers)
    EXPECT_EQ(
        Shown(Evaluated(PowerOfNumber, {{kPowerBase, power.base}, {kExponent, power.exponent}})),
        power.shown)
        << power.base << " ^ " << power.exponent;
}

TEST(Pythagoras, GivesTheHypotenuseWhateverTheSigns) {
  EXPECT_EQ(Shown(Evaluated(Hypotenuse, {{kFirstLeg, 3}, {kSecondLeg, 4}})), u"5");
  EXPECT_EQ(Shown(Evaluated(Hypotenuse, {{kFirstLeg, 5}, {kSecondLeg, 12}})), u"13");
  EXPECT_EQ(Shown(Evaluated(Hypotenuse, {{kFirstLeg, 1}, {kSecondLeg, 1}})), u"1.4142135623731");
  EXPECT_EQ(Shown(Evaluated(Hypotenuse, {{kFirstLeg, -3}, {kSecondLeg, 4}})), u"5");
  EXPECT_EQ(Shown(Evaluated(Hypotenuse, {{kFirstLeg, 0}, {kSecondLeg, 0}})), u"0");
  EXPECT_EQ(Shown(Evaluated(Hypotenuse, {{kFirstLeg, 6}, {kSecondLeg, 0}})), u"6");
}

TEST(Pythagoras, OverflowsInASquareOrInTheSum) {
  EXPECT_EQ(FaultOf([] {
              Evaluated(Hypotenuse, {{kFirstLeg, 1e200}, {kSecondLeg, 1}});
            }),
            FaultKind::Overflow);
  EXPECT_EQ(FaultOf([] {
              Evaluated(Hypotenuse, {{kFirstLeg, 1.2e154}, {kSecondLeg, 1.2e154}});
            }),
            FaultKind::Overflow);
}

struct Roots {
  std::u16string first, second;
};

Roots Solve(double a, double b, double c) {
  return {Shown(Evaluated(FirstRoot, {{kA, a}, {kB, b}, {kC, c}})),
          Shown(Evaluated(SecondRoot, {{kA, a}, {kB, b}, {kC, c}}))};
}

TEST(Quadratic, WritesTheRootsInTheOrderOfTheFormula) {
  EXPECT_EQ(Solve(1, -3, 2).first, u"1");
  EXPECT_EQ(Solve(1, -3, 2).second, u"2");
  EXPECT_EQ(Solve(1, 2, 1).first, u"-1");
  EXPECT_EQ(Solve(1, 2, 1).second, u"-1");
  EXPECT_EQ(Solve(1, 0, -2).first, u"-1.4142135623731");
  EXPECT_EQ(Solve(1, 0, -2).second, u"1.4142135623731");
  // With a < 0 the larger root comes first.
  EXPECT_EQ(Solve(-1, 0, 4).first, u"2");
  EXPECT_EQ(Solve(-1, 0, 4).second, u"-2");
  EXPECT_EQ(Solve(2, 3, 1).first, u"-1");
  EXPECT_EQ(Solve(2, 3, 1).second, u"-0.5");
  // The first root is a negative zero, written "0".
  EXPECT_TRUE(std::signbit(ValueOrFault(Evaluated(FirstRoot, {{kA, 1}, {kB, 0}, {kC, 0}}))));
  EXPECT_EQ(Solve(1, 0, 0).first, u"0");
  EXPECT_EQ(Solve(1, 0, 0).second, u"0");
}

TEST(Quadratic, DiscriminantIsNegativeWithoutRealRoots) {
  EXPECT_LT(numora::ValueOrFault(Evaluated(Discriminant, {{kA, 1}, {kB, 0}, {kC, 1}})), 0);
  EXPECT_EQ(numora::ValueOrFault(Evaluated(Discriminant, {{kA, 1}, {kB, -3}, {kC, 2}})), 1);
}

TEST(Quadratic, FormsTheProductFromAOutwards) {
  // a × 4 is out of range before c brings it back; a × (4 × c) would give about -4E+298.
  EXPECT_EQ(FaultOf([] {
              numora::ValueOrFault(Evaluated(Discriminant, {{kA, 1e308}, {kB, 0}, {kC, 1e-10}}));
            }),
            FaultKind::Overflow);
}

TEST(Quadratic, TheFirstRootCanStandWhenTheSecondOverflows) {
  // A tiny a: −b − √d cancels to 0, while −b + √d over a + a is beyond the range.
  const Values tiny{{kA, 1e-300}, {kB, -1e10}, {kC, 0}};
  EXPECT_EQ(Shown(Evaluated(FirstRoot, tiny)), u"0");
  EXPECT_EQ(FaultOf([&] { ValueOrFault(Evaluated(SecondRoot, tiny)); }), FaultKind::Overflow);
}

TEST(Quadratic, ALinearEquationFaultsByTheSignOfB) {
  // a = 0 and b > 0: −b − √b² is not zero, divided by zero.
  EXPECT_EQ(FaultOf([] { Solve(0, 2, 1); }), FaultKind::DivisionByZero);
  // b ≤ 0: the numerator is zero too, 0 ÷ 0 is reported as overflow.
  EXPECT_EQ(FaultOf([] { Solve(0, -2, 1); }), FaultKind::Overflow);
  EXPECT_EQ(FaultOf([] { Solve(0, 0, 0); }), FaultKind::Overflow);
  EXPECT_EQ(FaultOf([] { Solve(1e200, 1, 1e200); }), FaultKind::Overflow);
}

}  // namespace
}  // namespace numora
