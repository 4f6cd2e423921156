#pragma once

#include <string>
#include <vector>

#include "numeric/Formula.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/temperature/TemperatureFormulas.h"

namespace numora::testing {

// Every formula of the topic windows, for the tests and the fuzzer that go over all of them.
inline const Formula* const kTopicFormulas[] = {
    &RootOfNumber,        &PowerOfNumber,       &Hypotenuse,          &Discriminant,
    &FirstRoot,           &SecondRoot,          &TriangleArea,        &RectangleArea,
    &RectangleDiagonal,   &RectanglePerimeter,  &TrapezoidArea,       &CircleArea,
    &CircleCircumference, &CuboidTotalArea,     &CuboidVolume,        &CuboidLateralArea,
    &SphereSurface,       &SphereVolume,        &CylinderVolume,      &CylinderLateralArea,
    &CylinderTotalArea,   &CelsiusToFahrenheit, &FahrenheitToCelsius, &CelsiusToKelvin,
    &KelvinToCelsius,     &KelvinToFahrenheit,  &FahrenheitToKelvin};

// The quantities a formula reads from the window's boxes, in the order it names them.
inline void QuantitiesOf(const Expr& expr, std::vector<std::u16string>& names) {
  if (expr.kind() == Expr::Kind::Quantity) names.push_back(expr.name());
  for (std::size_t i = 0; i < expr.operandCount(); ++i) QuantitiesOf(expr.operand(i), names);
}

}  // namespace numora::testing
