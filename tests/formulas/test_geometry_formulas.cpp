// The measures of plane figures, solids and temperatures as the windows show them: formulas in
// their own order of evaluation with their short constants, read back as display text.
#include <gtest/gtest.h>

#include <string>

#include "numeric/Conversions.h"
#include "numeric/Fault.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/temperature/TemperatureFormulas.h"

namespace numora {
namespace {

std::u16string Shown(Checked value) { return NumberToText(numora::Test(value), u'.'); }

FaultKind FaultOf(const auto& computation) {
  try {
    computation();
  } catch (const Fault& fault) {
    return fault.kind();
  }
  ADD_FAILURE() << "no fault";
  return FaultKind::TypeMismatch;
}

TEST(PlaneFigures, TriangleAcceptsNegativeMeasures) {
  EXPECT_EQ(Shown(TriangleArea(4, 5)), u"10");
  EXPECT_EQ(Shown(TriangleArea(3, 5)), u"7.5");
  EXPECT_EQ(Shown(TriangleArea(-2, 3)), u"-3");
  EXPECT_EQ(Shown(TriangleArea(0, 0)), u"0");
}

TEST(PlaneFigures, RectangleAreaDiagonalAndPerimeter) {
  EXPECT_EQ(Shown(RectangleArea(3, 4)), u"12");
  EXPECT_EQ(Shown(RectangleDiagonal(3, 4)), u"5");
  EXPECT_EQ(Shown(RectanglePerimeter(3, 4)), u"14");
  EXPECT_EQ(Shown(RectangleDiagonal(1, 1)), u"1.4142135623731");
}

TEST(PlaneFigures, TrapezoidAndCircleUseTheirShortConstants) {
  EXPECT_EQ(Shown(TrapezoidArea(3, 5, 4)), u"16");
  EXPECT_EQ(Shown(TrapezoidArea(2.5, 3.5, 3)), u"9");
  EXPECT_EQ(Shown(CircleArea(1)), u"3.14");
  EXPECT_EQ(Shown(CircleCircumference(1)), u"6.28");
  EXPECT_EQ(Shown(CircleArea(7)), u"153.86");
  EXPECT_EQ(Shown(CircleCircumference(7)), u"43.96");
  EXPECT_EQ(Shown(CircleArea(10)), u"314");
  EXPECT_EQ(Shown(CircleCircumference(10)), u"62.8");
  EXPECT_EQ(Shown(CircleCircumference(-1)), u"-6.28");
}

TEST(Solids, CuboidAndCube) {
  EXPECT_EQ(Shown(CuboidTotalArea(2, 3, 4)), u"52");
  EXPECT_EQ(Shown(CuboidVolume(2, 3, 4)), u"24");
  EXPECT_EQ(Shown(CuboidLateralArea(2, 3, 4)), u"36");
  EXPECT_EQ(Shown(CuboidTotalArea(2, 2, 2)), u"24");
  EXPECT_EQ(Shown(CuboidVolume(2, 2, 2)), u"8");
  EXPECT_EQ(Shown(CuboidLateralArea(2, 2, 2)), u"16");
}

TEST(Solids, SphereVolumeDigitsFollowTheOrderOfEvaluation) {
  EXPECT_EQ(Shown(SphereSurface(1)), u"12.56");
  EXPECT_EQ(Shown(SphereVolume(1)), u"4.18666666666667");
  EXPECT_EQ(Shown(SphereSurface(2)), u"50.24");
  EXPECT_EQ(Shown(SphereVolume(2)), u"33.4933333333333");
  EXPECT_EQ(Shown(SphereSurface(3)), u"113.04");
  EXPECT_EQ(Shown(SphereVolume(3)), u"113.04");
  EXPECT_EQ(Shown(SphereVolume(-1)), u"-4.18666666666667");
}

TEST(Solids, CylinderWithAndWithoutHeight) {
  EXPECT_EQ(Shown(CylinderVolume(1, 2)), u"6.28");
  EXPECT_EQ(Shown(CylinderLateralArea(1, 2)), u"12.56");
  EXPECT_EQ(Shown(CylinderTotalArea(1, 2)), u"18.84");
  EXPECT_EQ(Shown(CylinderVolume(3, 10)), u"282.6");
  EXPECT_EQ(Shown(CylinderLateralArea(3, 10)), u"188.4");
  EXPECT_EQ(Shown(CylinderTotalArea(3, 10)), u"244.92");
  EXPECT_EQ(Shown(CylinderVolume(1, 0)), u"0");
  EXPECT_EQ(Shown(CylinderLateralArea(1, 0)), u"0");
  EXPECT_EQ(Shown(CylinderTotalArea(1, 0)), u"6.28");
}

TEST(Solids, HugeMeasuresOverflow) {
  EXPECT_EQ(FaultOf([] { Shown(CircleArea(1e200)); }), FaultKind::Overflow);
  EXPECT_EQ(FaultOf([] { Shown(SphereSurface(1e200)); }), FaultKind::Overflow);
  EXPECT_EQ(FaultOf([] { Shown(CuboidVolume(1e200, 1e200, 1)); }), FaultKind::Overflow);
  EXPECT_EQ(FaultOf([] { Shown(RectanglePerimeter(1.7e308, 1e308)); }), FaultKind::Overflow);
}

TEST(Temperatures, EveryDirection) {
  EXPECT_EQ(Shown(CelsiusToFahrenheit(100)), u"212");
  EXPECT_EQ(Shown(CelsiusToFahrenheit(212)), u"413.6");  // a second click converts again
  EXPECT_EQ(Shown(CelsiusToFahrenheit(-40)), u"-40");
  EXPECT_EQ(Shown(FahrenheitToCelsius(212)), u"100");
  EXPECT_EQ(Shown(FahrenheitToCelsius(0)), u"-17.7777777777778");
  EXPECT_EQ(Shown(CelsiusToKelvin(0)), u"273");
  EXPECT_EQ(Shown(CelsiusToKelvin(25)), u"298");
  EXPECT_EQ(Shown(KelvinToCelsius(300)), u"27");
  EXPECT_EQ(Shown(KelvinToFahrenheit(273)), u"32");
  EXPECT_EQ(Shown(FahrenheitToKelvin(32)), u"273");
  EXPECT_EQ(FaultOf([] { Shown(CelsiusToFahrenheit(1.7e308)); }), FaultKind::Overflow);
}

}  // namespace
}  // namespace numora
