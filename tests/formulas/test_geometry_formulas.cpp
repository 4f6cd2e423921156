// The measures of plane figures and solids as the windows show them: each formula in its own
// order of evaluation with its short constants, read back as display text, and the results that
// leave the double range.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "numeric/Fault.h"
#include "numeric/NumberWriting.h"
#include "numeric/Working.h"
#include "topics/geometry/GeometryFormulas.h"

namespace numora {
namespace {

// A formula evaluated with the window's quantities, as the window evaluates it.
Checked Evaluated(const Formula& formula, Values values) {
  return Evaluation(values)(formula.expression);
}

std::u16string Shown(Checked value) { return NumberToText(numora::ValueOrFault(value), u'.'); }

// The fault's number, which a failed comparison prints readably; 0 when there was none.
int FaultOf(const std::function<void()>& computation) {
  try {
    computation();
  } catch (const Fault& fault) {
    return fault.number();
  }
  return 0;
}

TEST(PlaneFigures, Triangle) {
  const struct {
    double height, base;
    const char16_t* area;
  } cases[] = {
      {4, 5, u"10"},
      {3, 5, u"7.5"},
      {-2, 3, u"-3"},  // negative measures are taken as they come
      {0, 0, u"0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.height << " by " << c.base);
    EXPECT_EQ(Shown(Evaluated(TriangleArea, {{kHeight, c.height}, {kBase, c.base}})), c.area);
  }
}

TEST(PlaneFigures, RectangleOrSquare) {
  const struct {
    double width, length;
    const char16_t *area, *diagonal, *perimeter;
  } cases[] = {
      {3, 4, u"12", u"5", u"14"},
      {1, 1, u"1", u"1.4142135623731", u"4"},
      {-3, 4, u"-12", u"5", u"2"},
      {0, 0, u"0", u"0", u"0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " by " << c.length);
    EXPECT_EQ(Shown(Evaluated(RectangleArea, {{kWidth, c.width}, {kLength, c.length}})), c.area);
    EXPECT_EQ(Shown(Evaluated(RectangleDiagonal, {{kWidth, c.width}, {kLength, c.length}})),
              c.diagonal);
    EXPECT_EQ(Shown(Evaluated(RectanglePerimeter, {{kWidth, c.width}, {kLength, c.length}})),
              c.perimeter);
  }
}

TEST(PlaneFigures, Trapezoid) {
  const struct {
    double firstBase, secondBase, height;
    const char16_t* area;
  } cases[] = {
      {3, 5, 4, u"16"},
      {2.5, 3.5, 3, u"9"},
      {0, 0, 0, u"0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.firstBase << ", " << c.secondBase << ", " << c.height);
    EXPECT_EQ(Shown(Evaluated(
                  TrapezoidArea,
                  {{kFirstBase, c.firstBase}, {kSecondBase, c.secondBase}, {kHeight, c.height}})),
              c.area);
  }
}

TEST(PlaneFigures, CircleWithPiAsThreePointOneFour) {
  const struct {
    double radius;
    const char16_t *area, *circumference;
  } cases[] = {
      {1, u"3.14", u"6.28"},   {7, u"153.86", u"43.96"}, {10, u"314", u"62.8"},
      {-1, u"3.14", u"-6.28"}, {0, u"0", u"0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "radius " << c.radius);
    EXPECT_EQ(Shown(Evaluated(CircleArea, {{kRadius, c.radius}})), c.area);
    EXPECT_EQ(Shown(Evaluated(CircleCircumference, {{kRadius, c.radius}})), c.circumference);
  }
}

TEST(Solids, CuboidOrCube) {
  // Width, height and length all differ in the first row, so a height mistaken for a length
  // shows in the total and the lateral area.
  const struct {
    double width, height, length;
    const char16_t *total, *volume, *lateral;
  } cases[] = {
      {2, 3, 4, u"52", u"24", u"36"},
      {2, 2, 2, u"24", u"8", u"16"},
      {0, 0, 0, u"0", u"0", u"0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << ", " << c.height << ", " << c.length);
    EXPECT_EQ(Shown(Evaluated(CuboidTotalArea,
                              {{kWidth, c.width}, {kHeight, c.height}, {kLength, c.length}})),
              c.total);
    EXPECT_EQ(Shown(Evaluated(CuboidVolume,
                              {{kWidth, c.width}, {kHeight, c.height}, {kLength, c.length}})),
              c.volume);
    EXPECT_EQ(Shown(Evaluated(CuboidLateralArea,
                              {{kWidth, c.width}, {kHeight, c.height}, {kLength, c.length}})),
              c.lateral);
  }
}

TEST(Solids, SphereVolumeDigitsFollowTheOrderOfEvaluation) {
  const struct {
    double radius;
    const char16_t *surface, *volume;
  } cases[] = {
      {1, u"12.56", u"4.18666666666667"},
      {2, u"50.24", u"33.4933333333333"},
      {3, u"113.04", u"113.04"},
      {-1, u"12.56", u"-4.18666666666667"},
      // r³ × ((4 ÷ 3) × 3.14) ends in 3 here; (4 ÷ 3) × (3.14 × r³) and (12.56 × r³) ÷ 3 end in 4.
      {1.1, u"15.1976", u"5.57245333333333"},
      {0, u"0", u"0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "radius " << c.radius);
    EXPECT_EQ(Shown(Evaluated(SphereSurface, {{kRadius, c.radius}})), c.surface);
    EXPECT_EQ(Shown(Evaluated(SphereVolume, {{kRadius, c.radius}})), c.volume);
  }
}

TEST(Solids, CylinderWithAndWithoutHeight) {
  const struct {
    double radius, height;
    const char16_t *volume, *lateral, *total;
  } cases[] = {
      {1, 2, u"6.28", u"12.56", u"18.84"},
      {3, 10, u"282.6", u"188.4", u"244.92"},
      {1, 0, u"0", u"0", u"6.28"},  // the two end faces alone
      {0, 0, u"0", u"0", u"0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "radius " << c.radius << ", height " << c.height);
    EXPECT_EQ(Shown(Evaluated(CylinderVolume, {{kRadius, c.radius}, {kHeight, c.height}})),
              c.volume);
    EXPECT_EQ(Shown(Evaluated(CylinderLateralArea, {{kRadius, c.radius}, {kHeight, c.height}})),
              c.lateral);
    EXPECT_EQ(Shown(Evaluated(CylinderTotalArea, {{kRadius, c.radius}, {kHeight, c.height}})),
              c.total);
  }
}

// π as a constant of its own changes nothing the windows compute or write: each measure is the
// double it was when π was the plain constant 3.14 (and 4π the plain 12.56), computed in the
// same order, to the last bit and with the same faults, and its working and steps read the same.
TEST(Solids, PiIsStillThreePointOneFourInEveryDecimalWorkingAndStep) {
  const Expr r = Quantity(kRadius), h = Quantity(kHeight);
  const Expr pi = 3.14;
  const struct {
    const char* what;
    const Formula& formula;
    Expr before;  // the declaration with the plain constants, as the code history has it
    // The same operations on 3.14 in plain double arithmetic, in the order the declaration gives.
    double (*byHand)(double r, double h);
  } formulas[] = {
      {"circle area", CircleArea, pi * Square(r),
       [](double r, double) { return 3.14 * Power(r, 2); }},
      {"circle circumference", CircleCircumference, 2 * pi * r,
       [](double r, double) { return 2 * 3.14 * r; }},
      {"sphere surface", SphereSurface, 12.56 * Square(r),
       [](double r, double) { return 12.56 * Power(r, 2); }},
      {"sphere volume", SphereVolume, Ratio(4, 3) * pi * Cube(r),
       [](double r, double) { return 4.0 / 3.0 * 3.14 * Power(r, 3); }},
      {"cylinder volume", CylinderVolume, pi * Square(r) * h,
       [](double r, double h) { return 3.14 * Power(r, 2) * h; }},
      {"cylinder lateral", CylinderLateralArea, 2 * pi * r * h,
       [](double r, double h) { return 2 * 3.14 * r * h; }},
      {"cylinder total", CylinderTotalArea, 2 * pi * Square(r) + 2 * pi * r * h,
       [](double r, double h) { return 2 * 3.14 * Power(r, 2) + 2 * 3.14 * r * h; }},
  };
  const double radii[] = {0,   -0.0, 1,    2,       7,     2.5,   1.1,   0.1,
                          0.3, -1,   1e-5, 123.456, 6e153, 1e103, 1e200, 1e308};
  const double heights[] = {0, 2, 0.5, 0.7, 10, 1.5e308};
  const Numerals numerals[] = {{u'.'}, {u'\u066B', u'\u0660'}};
  for (const auto& f : formulas) {
    for (const double radius : radii) {
      for (const double height : heights) {
        SCOPED_TRACE(testing::Message() << f.what << ", " << radius << ", " << height);
        Values now{{kRadius, radius}, {kHeight, height}}, before = now;
        std::optional<double> value, old;
        const int fault = FaultOf([&] { value = ValueOf(f.formula, now); });
        ASSERT_EQ(fault, FaultOf([&] { old = ValueOrFault(Evaluation(before)(f.before)); }));
        if (!value) continue;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(*value), std::bit_cast<std::uint64_t>(*old));
        EXPECT_EQ(std::bit_cast<std::uint64_t>(*value),
                  std::bit_cast<std::uint64_t>(f.byHand(radius, height)));
        const Formula declared{f.formula.name, f.before};
        for (const Numerals n : numerals) {
          const std::u16string text = NumberToText(*value, n);
          EXPECT_EQ(WithResult(f.formula, now, text, n), WithResult(declared, before, text, n));
          EXPECT_EQ(InWords(f.formula, n), InWords(declared, n));
          const Steps steps = StepsOf(f.formula, now, text, n);
          const Steps oldSteps = StepsOf(declared, before, text, n);
          // Each row's text is written from its formula.
          ASSERT_EQ(steps.lines.size(), oldSteps.lines.size());
          for (std::size_t i = 0; i < steps.lines.size(); ++i)
            EXPECT_EQ(steps.lines[i].rows, oldSteps.lines[i].rows);
        }
      }
    }
  }
}

TEST(Faults, ResultsBeyondTheDoubleRangeAreOverflows) {
  const struct {
    const char* what;
    const Formula& formula;
    Values lengths;
  } cases[] = {
      {"triangle", TriangleArea, {{kHeight, 1e200}, {kBase, 1e200}}},
      {"rectangle area", RectangleArea, {{kWidth, 1e200}, {kLength, 1e200}}},
      {"rectangle diagonal, a square too large",
       RectangleDiagonal,
       {{kWidth, 1e200}, {kLength, 0}}},
      // Each square fits; only their sum is beyond the range, and the test after the sum sees it.
      {"rectangle diagonal, the sum too large",
       RectangleDiagonal,
       {{kWidth, 1.3e154}, {kLength, 1.3e154}}},
      // w + l fits; only its doubling does not.
      {"rectangle perimeter", RectanglePerimeter, {{kWidth, 1e308}, {kLength, -1e307}}},
      {"trapezoid", TrapezoidArea, {{kFirstBase, 1e300}, {kSecondBase, 1}, {kHeight, 1e300}}},
      {"circle area", CircleArea, {{kRadius, 1e200}}},
      {"circle circumference", CircleCircumference, {{kRadius, 1e308}}},
      {"cuboid total", CuboidTotalArea, {{kWidth, 1e200}, {kHeight, 1}, {kLength, 1e200}}},
      {"cuboid volume", CuboidVolume, {{kWidth, 1e200}, {kHeight, 1e200}, {kLength, 1}}},
      {"cuboid lateral", CuboidLateralArea, {{kWidth, 1}, {kHeight, 1e200}, {kLength, 1e200}}},
      {"sphere surface", SphereSurface, {{kRadius, 1e200}}},
      {"sphere volume", SphereVolume, {{kRadius, 1e103}}},
      {"cylinder volume", CylinderVolume, {{kRadius, 1e200}, {kHeight, 1}}},
      {"cylinder lateral", CylinderLateralArea, {{kRadius, 0.2}, {kHeight, 1.5e308}}},
      {"cylinder total", CylinderTotalArea, {{kRadius, 6e153}, {kHeight, 1}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(FaultOf([&] { Shown(Evaluated(c.formula, c.lengths)); }),
              static_cast<int>(FaultKind::Overflow));
  }
}

// The measures before the one that overflows stay within the range: a window writes them before
// the fault stops its click.
TEST(Faults, EarlierMeasuresOfTheSameInputsStayInRange) {
  EXPECT_EQ(Shown(Evaluated(RectangleArea, {{kWidth, 1e200}, {kLength, 0}})), u"0");
  EXPECT_EQ(Shown(Evaluated(SphereSurface, {{kRadius, 1e103}})), u"1.256E+207");
  EXPECT_EQ(Shown(Evaluated(CylinderVolume, {{kRadius, 0.2}, {kHeight, 1.5e308}})), u"1.884E+307");
  EXPECT_EQ(Shown(Evaluated(CylinderVolume, {{kRadius, 6e153}, {kHeight, 1}})), u"1.1304E+308");
  EXPECT_EQ(Shown(Evaluated(CylinderLateralArea, {{kRadius, 6e153}, {kHeight, 1}})), u"3.768E+154");
}

}  // namespace
}  // namespace numora
