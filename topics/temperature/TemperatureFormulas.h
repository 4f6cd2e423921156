#pragma once

#include <string_view>

#include "numeric/Formula.h"

namespace numora {

// The temperature, by the name of the scale it is written in.
inline constexpr std::u16string_view kCelsius = u"سلسيوس", kFahrenheit = u"فهرنهايت",
                                     kKelvin = u"كلفن";

// Conversions between the Celsius, Fahrenheit and Kelvin scales, step by step from left to right:
// the Fahrenheit factor as × 9 then ÷ 5 (or × 5 then ÷ 9), never as one precomputed factor, and
// the Kelvin offset 273. Each is headed by the direction it converts in.
extern const Formula CelsiusToFahrenheit, FahrenheitToCelsius, CelsiusToKelvin, KelvinToCelsius,
    KelvinToFahrenheit, FahrenheitToKelvin;

// Absolute zero on a scale, by the same conversions (0 K, -273 °C, -459.4 °F): no temperature is
// below it.
double AbsoluteZero(std::u16string_view scale);

}  // namespace numora
