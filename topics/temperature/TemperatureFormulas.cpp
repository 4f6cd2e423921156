#include "topics/temperature/TemperatureFormulas.h"

namespace numora {
namespace {

std::u16string ConversionFault(const FaultPlace&) {
  return u"الدرجة المحولة أكبر مما يحسبه البرنامج: انظر خانة درجة الحرارة.";
}

Formula Conversion(std::u16string_view direction, std::u16string_view to, Expr expression) {
  return {std::u16string(to), std::move(expression), ConversionFault, std::u16string(direction),
          ScaleUnit(to)};
}

const Expr c = Quantity(kCelsius), f = Quantity(kFahrenheit), k = Quantity(kKelvin);

}  // namespace

const Formula CelsiusToFahrenheit =
    Conversion(u"من سلسيوس إلى فهرنهايت", kFahrenheit, c * 9 / 5 + 32);
const Formula FahrenheitToCelsius =
    Conversion(u"من فهرنهايت إلى سلسيوس", kCelsius, (f - 32) * 5 / 9);
const Formula CelsiusToKelvin = Conversion(u"من سلسيوس إلى كلفن", kKelvin, c + 273);
const Formula KelvinToCelsius = Conversion(u"من كلفن إلى سلسيوس", kCelsius, k - 273);
const Formula KelvinToFahrenheit =
    Conversion(u"من كلفن إلى فهرنهايت", kFahrenheit, (k - 273) * 9 / 5 + 32);
const Formula FahrenheitToKelvin =
    Conversion(u"من فهرنهايت إلى كلفن", kKelvin, (f - 32) * 5 / 9 + 273);

double AbsoluteZero(std::u16string_view scale) {
  if (scale == kKelvin) return 0;
  // The conversions' own arithmetic, so that a converted absolute zero is never below it.
  Values zero;
  zero.set(kKelvin, 0);
  Evaluation evaluate(zero);
  const Formula& to = scale == kCelsius ? KelvinToCelsius : KelvinToFahrenheit;
  return ValueOrFault(evaluate(to.expression));
}

}  // namespace numora
