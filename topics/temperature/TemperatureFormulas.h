#pragma once

#include <array>
#include <string_view>

#include "numeric/Formula.h"

namespace numora {

// The temperature, by the name of the scale it is written in.
inline constexpr std::u16string_view kCelsius = u"سلسيوس", kFahrenheit = u"فهرنهايت",
                                     kKelvin = u"كلفن";

// The unit a temperature on a scale is written with: °س, °ف or كلفن.
constexpr Unit ScaleUnit(std::u16string_view scale) {
  return scale == kCelsius ? Unit::Celsius : scale == kFahrenheit ? Unit::Fahrenheit : Unit::Kelvin;
}

// Conversions between the Celsius, Fahrenheit and Kelvin scales, step by step from left to right:
// the Fahrenheit factor as × 9 then ÷ 5 (or × 5 then ÷ 9), never as one precomputed factor, and
// the Kelvin offset 273. Each is headed by the direction it converts in.
extern const Formula CelsiusToFahrenheit, FahrenheitToCelsius, CelsiusToKelvin, KelvinToCelsius,
    KelvinToFahrenheit, FahrenheitToKelvin;

// A conversion by the scales it reads and writes.
struct ScaleConversion {
  std::u16string_view from, to;
  const Formula* formula;
};
// The six conversions, in the order the window offers them.
inline constexpr std::array<ScaleConversion, 6> kConversions = {{
    {kCelsius, kFahrenheit, &CelsiusToFahrenheit},
    {kFahrenheit, kCelsius, &FahrenheitToCelsius},
    {kCelsius, kKelvin, &CelsiusToKelvin},
    {kKelvin, kCelsius, &KelvinToCelsius},
    {kKelvin, kFahrenheit, &KelvinToFahrenheit},
    {kFahrenheit, kKelvin, &FahrenheitToKelvin},
}};

// Absolute zero on a scale, by the same conversions (0 K, -273 °C, -459.4 °F): no temperature is
// below it.
double AbsoluteZero(std::u16string_view scale);

}  // namespace numora
