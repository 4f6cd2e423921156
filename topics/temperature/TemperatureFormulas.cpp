#include "topics/temperature/TemperatureFormulas.h"

namespace numora {
namespace {

constexpr double kKelvinOffset = 273.0;

}  // namespace

Checked CelsiusToFahrenheit(double t) { return ((Checked(t) * 9.0) / 5.0) + 32.0; }

Checked FahrenheitToCelsius(double t) { return ((Checked(t) - 32.0) * 5.0) / 9.0; }

Checked CelsiusToKelvin(double t) { return Checked(t) + kKelvinOffset; }

Checked KelvinToCelsius(double t) { return Checked(t) - kKelvinOffset; }

Checked KelvinToFahrenheit(double t) { return (((Checked(t) - kKelvinOffset) * 9.0) / 5.0) + 32.0; }

Checked FahrenheitToKelvin(double t) { return (((Checked(t) - 32.0) * 5.0) / 9.0) + kKelvinOffset; }

}  // namespace numora
