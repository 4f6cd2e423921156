#pragma once

#include "practice/Exercise.h"

namespace numora {

// An exercise of the temperature window: one of the six conversions, and a temperature in the
// scale it reads, below freezing too and never below absolute zero. Easy: whole results (Celsius
// a multiple of 5, Fahrenheit 32 more than a multiple of 9, Kelvin 273 and a multiple of 5).
// Medium: whole temperatures, the results rounded where they do not end. Hard: a decimal place
// (two in Kelvin).
Exercise TemperatureExercise(Level level, Random& random);

}  // namespace numora
