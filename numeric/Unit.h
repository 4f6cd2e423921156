#pragma once

#include <cstdint>

namespace numora {

// What a number measures, for the unit written after it: a length, an area or a volume in the
// pupil's unit of length, or a temperature on its scale; none for a plain number.
enum class Unit : std::uint8_t { None, Length, Area, Volume, Celsius, Fahrenheit, Kelvin };

// The unit the pupil measures lengths in, or none: the numbers are the same in each.
enum class LengthUnit : std::uint8_t { None, Centimetre, Millimetre, Metre };

}  // namespace numora
