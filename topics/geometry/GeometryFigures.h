#pragma once

#include "numeric/Figure.h"
#include "numeric/Formula.h"

namespace numora {

// The figure beside each geometry window's results, drawn to scale from the lengths the window
// read, by the names its formulas give them (GeometryFormulas.h), and labelled with those lengths
// as the window writes them. Plane figures are drawn flat with their right angles marked; solids
// in an oblique view with the depth at half its length, their hidden edges dashed.
//
// A figure is not drawn when a length it needs is missing, not a finite number, zero or negative,
// or so much shorter than another (a thousandth or less) that the picture would be a line. A side
// shorter than a fortieth of the longest is drawn at that fortieth, and the figure says so.

Figure TriangleFigure(const Values& values, Notation notation);   // ق along the bottom, ع
Figure RectangleFigure(const Values& values, Notation notation);  // ض up, ل along
Figure TrapezoidFigure(const Values& values, Notation notation);  // ق١ bottom, ق٢ top, ع
Figure CircleFigure(const Values& values, Notation notation);     // نق
Figure CuboidFigure(const Values& values, Notation notation);     // ض deep, ع up, ل along
Figure SphereFigure(const Values& values, Notation notation);     // نق
Figure CylinderFigure(const Values& values, Notation notation);   // نق, ع

}  // namespace numora
