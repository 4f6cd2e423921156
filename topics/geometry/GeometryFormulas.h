#pragma once

#include <string_view>

#include "numeric/Formula.h"

namespace numora {

// The measures of plane figures and solids. Squares and cubes are taken by the power operation,
// π is 3.14 as the school books write it and 4π on the sphere 12.56 (Pi: the exact answers are in
// terms of π, the decimals take 3.14). The window tests and writes
// each result before it computes the next, so a fault in a later one leaves the earlier ones
// written.

// The lengths, by the names the formulas give them.
inline constexpr std::u16string_view kHeight = u"ع", kBase = u"ق", kFirstBase = u"ق١",
                                     kSecondBase = u"ق٢", kWidth = u"ض", kLength = u"ل",
                                     kRadius = u"نق";

extern const Formula TriangleArea;

extern const Formula RectangleArea, RectangleDiagonal, RectanglePerimeter;

extern const Formula TrapezoidArea;

extern const Formula CircleArea, CircleCircumference;

extern const Formula CuboidTotalArea, CuboidVolume, CuboidLateralArea;

extern const Formula SphereSurface, SphereVolume;

extern const Formula CylinderVolume, CylinderLateralArea, CylinderTotalArea;

}  // namespace numora
