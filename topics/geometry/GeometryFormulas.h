#pragma once

#include "numeric/Arithmetic.h"

namespace numora {

// The measures of plane figures and solids, each written exactly as the formula is read, inner
// parentheses first and otherwise from left to right; squares and cubes by the power operation,
// doublings as x + x, π as 3.14. The window tests and writes each result before it computes the
// next, so a fault in a later one leaves the earlier ones written.

Checked TriangleArea(double height, double base);

Checked RectangleArea(double width, double length);
Checked RectangleDiagonal(double width, double length);
Checked RectanglePerimeter(double width, double length);

Checked TrapezoidArea(double firstBase, double secondBase, double height);

Checked CircleArea(double radius);
Checked CircleCircumference(double radius);

Checked CuboidTotalArea(double width, double height, double length);
Checked CuboidVolume(double width, double height, double length);
Checked CuboidLateralArea(double width, double height, double length);

Checked SphereSurface(double radius);
Checked SphereVolume(double radius);

Checked CylinderVolume(double radius, double height);
Checked CylinderLateralArea(double radius, double height);
Checked CylinderTotalArea(double radius, double height);

}  // namespace numora
