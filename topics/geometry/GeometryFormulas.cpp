#include "topics/geometry/GeometryFormulas.h"

namespace numora {
namespace {

// π as the school books write it, not a more precise value; 12.56 is exactly four times it.
constexpr double kPi = 3.14;
constexpr double kFourPi = 12.56;

// One half and four thirds are formed at run time, as divisions.
Checked Half() { return Checked(1.0) / Checked(2.0); }
Checked FourThirds() { return Checked(4.0) / Checked(3.0); }

Checked Square(double x) { return Power(x, 2.0); }

}  // namespace

Checked TriangleArea(double height, double base) { return (Half() * height) * base; }

Checked RectangleArea(double width, double length) { return Checked(width) * length; }

Checked RectangleDiagonal(double width, double length) {
  const Checked w2 = Square(width);
  const Checked l2 = Square(length);
  return SquareRoot(ValueOrFault(w2 + l2));
}

Checked RectanglePerimeter(double width, double length) {
  const Checked sum = Checked(width) + length;
  return sum + sum;
}

Checked TrapezoidArea(double firstBase, double secondBase, double height) {
  return ((Checked(firstBase) + secondBase) * Half()) * height;
}

Checked CircleArea(double radius) { return Square(radius) * kPi; }

Checked CircleCircumference(double radius) { return (Checked(radius) + radius) * kPi; }

Checked CuboidTotalArea(double width, double height, double length) {
  const Checked w = width, h = height;
  return (((w + w) * length) + ((w + w) * height)) + ((h + h) * length);
}

Checked CuboidVolume(double width, double height, double length) {
  return (Checked(width) * length) * height;
}

Checked CuboidLateralArea(double width, double height, double length) {
  const Checked w = width, h = height;
  return ((w + w) * height) + ((h + h) * length);
}

Checked SphereSurface(double radius) { return Square(radius) * kFourPi; }

// r³ first, then the factor (4 ÷ 3) × 3.14, then their product: another order changes the last
// digits shown.
Checked SphereVolume(double radius) {
  const Checked cube = Power(radius, 3.0);
  return cube * (FourThirds() * kPi);
}

Checked CylinderVolume(double radius, double height) { return (Square(radius) * kPi) * height; }

Checked CylinderLateralArea(double radius, double height) {
  return ((Checked(radius) + radius) * kPi) * height;
}

Checked CylinderTotalArea(double radius, double height) {
  const Checked ends = (Square(radius) * kPi) + (Square(radius) * kPi);
  return ends + (((Checked(radius) + radius) * kPi) * height);
}

}  // namespace numora
