#pragma once

#include "numeric/Arithmetic.h"

namespace numora {

// Conversions between the Celsius, Fahrenheit and Kelvin scales, step by step from left to right:
// the Fahrenheit factor as × 9 then ÷ 5 (or × 5 then ÷ 9), never as one precomputed factor, and
// the Kelvin offset 273.
Checked CelsiusToFahrenheit(double t);
Checked FahrenheitToCelsius(double t);
Checked CelsiusToKelvin(double t);
Checked KelvinToCelsius(double t);
Checked KelvinToFahrenheit(double t);
Checked FahrenheitToKelvin(double t);

}  // namespace numora
