#include "topics/algebra/AlgebraFormulas.h"

#include <cmath>

namespace numora {
namespace {

bool IsOddWholeNumber(double x) { return std::fabs(std::fmod(x, 2.0)) == 1.0; }

}  // namespace

Checked RootExponent(double index) { return Checked(1.0) / Checked(index); }

bool GivesRealOddRoot(double radicand, double index) {
  return radicand < 0 && IsOddWholeNumber(index);
}

Checked Root(double radicand, double exponent, double index) {
  if (GivesRealOddRoot(radicand, index)) return -Power(-radicand, exponent);
  return Power(radicand, exponent);
}

Checked SumOfSquares(double first, double second) {
  const double s = Power(first, 2.0);
  const double t = Power(second, 2.0);
  return Checked(t) + Checked(s);
}

Checked Hypotenuse(double first, double second) {
  return SquareRoot(ValueOrFault(SumOfSquares(first, second)));
}

Checked Discriminant(double a, double b, double c) {
  return Checked(Power(b, 2.0)) - ((Checked(a) * Checked(4.0)) * Checked(c));
}

Checked FirstRoot(double a, double b, double rootOfDiscriminant) {
  return (-Checked(b) - Checked(rootOfDiscriminant)) / (Checked(a) + Checked(a));
}

Checked SecondRoot(double a, double b, double rootOfDiscriminant) {
  return (-Checked(b) + Checked(rootOfDiscriminant)) / (Checked(a) + Checked(a));
}

}  // namespace numora
