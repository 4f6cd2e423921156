#include "topics/temperature/TemperatureExercises.h"

#include <string>

#include "topics/temperature/TemperatureFormulas.h"

namespace numora {

Exercise TemperatureExercise(Level level, Random& random) {
  const ScaleConversion& conversion = random.pick(kConversions);
  const bool celsius = conversion.from == kCelsius, fahrenheit = conversion.from == kFahrenheit;
  double temperature = 0;
  switch (level) {
    case Level::Easy: {
      // From -40 °C (-40 °F) to the boiling of water (100 °C, 212 °F, 373 K).
      const int steps = random.between(-8, 20);
      temperature = celsius ? 5 * steps : fahrenheit ? 32 + 9 * steps : 273 + 5 * steps;
      break;
    }
    case Level::Medium:
      temperature = celsius      ? random.between(-40, 100)
                    : fahrenheit ? random.between(-40, 220)
                                 : 273 + random.between(-60, 100);
      break;
    case Level::Hard:
      temperature = celsius      ? random.between(-500, 1500) / 10.0
                    : fahrenheit ? random.between(-580, 2500) / 10.0
                                 : random.between(21300, 42300) / 100.0;
      break;
  }
  Exercise exercise{{{std::u16string(conversion.from), temperature}}, {conversion.formula}};
  exercise.places = PlacesOfResults(exercise);
  return exercise;
}

}  // namespace numora
