#pragma once

#include "numeric/Fault.h"
#include "numeric/Formula.h"
#include "topics/algebra/AlgebraFormulas.h"

namespace numora {

// The numbers of a click of the quadratic window, which its figure is drawn from: the
// coefficients, and the roots the click wrote where the equation has real ones.
inline Values QuadraticClick(double a, double b, double c) {
  Values values{{kA, a}, {kB, b}, {kC, c}};
  try {
    if (ValueOf(Discriminant, values) < 0) return values;
    values.setResult(FirstRoot, ValueOf(FirstRoot, values));
    values.setResult(SecondRoot, ValueOf(SecondRoot, values));
  } catch (const Fault&) {
    // The click stops at the fault, and no figure is drawn from it.
  }
  return values;
}

}  // namespace numora
