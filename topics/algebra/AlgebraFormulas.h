#pragma once

#include "numeric/Arithmetic.h"

namespace numora {

// Roots. The exponent is the reciprocal of the index, formed and tested on its own, so that an
// index of 0 is a division by zero before any power is taken.
Checked RootExponent(double index);
// The radicand raised to the exponent. A negative radicand under an odd whole index gives the
// real root, the negative of the root of its absolute value: the cube root of -27 is -3.
Checked Root(double radicand, double exponent, double index);
// Whether Root takes that real root of a negative radicand.
bool GivesRealOddRoot(double radicand, double index);

// Pythagoras: the second leg's square plus the first leg's, each by the power operation.
Checked SumOfSquares(double first, double second);
Checked Hypotenuse(double first, double second);

// The quadratic equation a x² + b x + c = 0: b² − ((a × 4) × c), and the two roots over a + a,
// the first with −√d, the second with +√d.
Checked Discriminant(double a, double b, double c);
Checked FirstRoot(double a, double b, double rootOfDiscriminant);
Checked SecondRoot(double a, double b, double rootOfDiscriminant);

}  // namespace numora
