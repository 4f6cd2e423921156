#pragma once

#include "numeric/Figure.h"
#include "numeric/Formula.h"

namespace numora {

// The figures of the algebra windows (FigureOf), drawn from the quantities of one calculation.

// Index 2 or 3 of a positive radicand: the square or the cube whose area or volume is the
// radicand and whose side is the root. Any other root: the radicand and the root on a number line.
Figure RootFigure(const Values& values, Notation notation);
// Exponent 2 or 3 of a positive base: the square or the cube of that side, its area or volume the
// power. Any other power: the base and the power on a number line.
Figure PowerFigure(const Values& values, Notation notation);
// The right triangle of the two legs with the squares drawn outward on its three sides, so that
// the two smaller areas are seen to make the largest.
Figure PythagorasFigure(const Values& values, Notation notation);
// The graph of y = A x² + B x + C with its vertex, axis of symmetry, real roots and y-intercept;
// the roots are the results measured with FirstRoot and SecondRoot.
Figure ParabolaFigure(const Values& values, Notation notation);

}  // namespace numora
