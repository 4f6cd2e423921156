// The six temperature conversions as the window shows them: the Fahrenheit factor in two steps,
// the Kelvin offset 273, read back as display text.
#include <gtest/gtest.h>

#include <string>

#include "numeric/Fault.h"
#include "numeric/NumberWriting.h"
#include "topics/temperature/TemperatureFormulas.h"

namespace numora {
namespace {

using Conversion = const Formula*;

// A conversion of a temperature written in the scale it converts from.
Checked Convert(const Formula& conversion, double t) {
  Values values{{kCelsius, t}, {kFahrenheit, t}, {kKelvin, t}};
  return Evaluation(values)(conversion.expression);
}

std::u16string Shown(Checked value) { return NumberToText(numora::ValueOrFault(value), u'.'); }

TEST(Temperatures, EveryDirection) {
  const struct {
    const char* direction;
    Conversion convert;
    double t;
    const char16_t* shown;
  } cases[] = {
      {"C to F", &CelsiusToFahrenheit, 100, u"212"},
      {"C to F", &CelsiusToFahrenheit, 212, u"413.6"},  // what a second click converts
      {"C to F", &CelsiusToFahrenheit, -40, u"-40"},
      {"C to F", &CelsiusToFahrenheit, 0, u"32"},
      // × 9 then ÷ 5; one factor 1.8, or ÷ 5 then × 9, shows 0.319999999999997.
      {"C to F", &CelsiusToFahrenheit, -17.6, u"0.32"},
      {"F to C", &FahrenheitToCelsius, 212, u"100"},
      {"F to C", &FahrenheitToCelsius, -40, u"-40"},
      {"F to C", &FahrenheitToCelsius, 0, u"-17.7777777777778"},  // an empty box reads as 0
      // × 5 then ÷ 9; ÷ 1.8, or ÷ 9 then × 5, shows -73.3055555555555.
      {"F to C", &FahrenheitToCelsius, -99.95, u"-73.3055555555556"},
      // × (5 ÷ 9) as one factor shows -73.1833333333334.
      {"F to C", &FahrenheitToCelsius, -99.73, u"-73.1833333333333"},
      {"C to K", &CelsiusToKelvin, 0, u"273"},
      {"C to K", &CelsiusToKelvin, 25, u"298"},
      {"C to K", &CelsiusToKelvin, -273, u"0"},
      {"K to C", &KelvinToCelsius, 300, u"27"},
      {"K to C", &KelvinToCelsius, 0, u"-273"},
      {"K to F", &KelvinToFahrenheit, 273, u"32"},
      {"K to F", &KelvinToFahrenheit, 0, u"-459.4"},
      // (t − 273) × 9 ÷ 5; × 1.8 shows -8.21200000000001.
      {"K to F", &KelvinToFahrenheit, 250.66, u"-8.212"},
      {"F to K", &FahrenheitToKelvin, 32, u"273"},
      {"F to K", &FahrenheitToKelvin, 0, u"255.222222222222"},
      // 230.59 × 5 rounds down before ÷ 9, so the last digit is 5 where ÷ 1.8 or × (5 ÷ 9) give 6.
      {"F to K", &FahrenheitToKelvin, 262.59, u"401.105555555555"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.direction << ", " << c.t);
    EXPECT_EQ(Shown(Convert(*c.convert, c.t)), c.shown);
  }
}

TEST(Temperatures, OnlyTheScaleFactorCanOverflow) {
  const struct {
    const char* direction;
    Conversion convert;
    double t;
  } overflows[] = {
      {"C to F", &CelsiusToFahrenheit, 1.7e308},
      {"F to C", &FahrenheitToCelsius, -1.7e308},
      {"K to F", &KelvinToFahrenheit, 1.7e308},
      {"F to K", &FahrenheitToKelvin, -1.7e308},
  };
  for (const auto& c : overflows) {
    SCOPED_TRACE(c.direction);
    try {
      Shown(Convert(*c.convert, c.t));
      ADD_FAILURE() << "no fault";
    } catch (const Fault& fault) {
      EXPECT_EQ(fault.kind(), FaultKind::Overflow);
    }
  }
  // The offset is lost in rounding at the top of the range; nothing overflows.
  EXPECT_EQ(Shown(Convert(CelsiusToKelvin, 1.7e308)), u"1.7E+308");
  EXPECT_EQ(Shown(Convert(KelvinToCelsius, -1.7e308)), u"-1.7E+308");
}

}  // namespace
}  // namespace numora
