#pragma once

#include "numeric/Figure.h"
#include "numeric/Formula.h"

namespace numora {

// The temperature window's figure (FigureOf): Celsius, Fahrenheit and Kelvin thermometers side by
// side on one scale of heat, each with its own ticks, water's freezing and boiling points across
// them, and the pupil's temperature as the height of the three columns. The values hold the
// temperature under the name of the scale it was typed in.
Figure ThermometersFigure(const Values& values, Notation notation);

}  // namespace numora
