#include "topics/temperature/TemperatureFigures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "numeric/Fault.h"
#include "numeric/NumberWriting.h"
#include "topics/temperature/TemperatureFormulas.h"

namespace numora {
namespace {

constexpr std::u16string_view kThermometers = u"مقاييس الحرارة";

Figure NotDrawn(std::u16string_view why) { return CannotDraw(kThermometers, why); }

// A temperature converted by the window's own conversion, so that the figure writes the numbers
// the window writes.
double Converted(std::u16string_view from, double t, std::u16string_view to) {
  if (from == to) return t;
  const auto conversion =
      std::find_if(kConversions.begin(), kConversions.end(),
                   [&](const ScaleConversion& c) { return c.from == from && c.to == to; });
  Values values{{from, t}};
  return ValueOf(*conversion->formula, values);
}

// The figure's y is the common level of heat, in degrees Celsius; each thermometer reads it in
// its own scale. Left to right as on a page read from the right: Celsius first, at the right.
constexpr std::array<std::u16string_view, 3> kScales = {kKelvin, kFahrenheit, kCelsius};
constexpr double kSpacing = 2.6, kTube = 0.12, kColumn = 0.07, kBulb = 0.24, kTick = 0.12;
// Water's freezing and boiling points, on the common level.
constexpr double kFreezing = 0, kBoiling = 100;

// A scale's ticks between two readings: whole steps of 1, 2 or 5 times a power of ten, and the
// given readings of its own; a step too close to one of those gives way to it.
std::vector<double> Ticks(double low, double high, const std::vector<double>& own) {
  const double step = NiceStep((high - low) / 6);
  std::vector<double> ticks = own;
  for (double k = std::ceil(low / step); k * step <= high && ticks.size() < 16; ++k) {
    const double tick = k * step;
    if (std::none_of(own.begin(), own.end(),
                     [&](double o) { return std::abs(o - tick) < 0.3 * step; }))
      ticks.push_back(tick);
  }
  return ticks;
}

// The height of a line of labels, as a share of the scale's span.
constexpr double kReadingRow = 0.09;

Figure Drawn(std::u16string_view typed, double t, Notation notation) {
  const auto text = [&](double v) { return NumberToText(v, notation); };
  const double level = Converted(typed, t, kCelsius);
  const double absoluteZero = Converted(kKelvin, 0, kCelsius);

  // From below freezing to above boiling, stretched to the temperature, never below absolute zero.
  const double lowest = std::min(kFreezing, level), highest = std::max(kBoiling, level);
  const double pad = 0.12 * (highest - lowest);
  const double bottom = std::max(lowest - pad, absoluteZero), top = highest + pad;
  const double span = top - bottom, bulb = 0.045 * span;

  Figure figure;
  figure.name = kThermometers;
  figure.sameScale = false;
  const double markFrom = -1.1, markTo = kSpacing * (kScales.size() - 1) + kTube + 0.3;
  const std::pair<double, std::u16string_view> marks[] = {{kFreezing, u"تجمد الماء"},
                                                          {kBoiling, u"غليان الماء"}};
  // Far from water's range its two lines are a line's height apart or less: one label names both,
  // so that the two never stand in the wrong order.
  const bool together = kBoiling - kFreezing < 0.08 * span;
  for (const auto& [mark, word] : marks) {
    figure.paths.push_back(
        Segment({markFrom, mark}, {markTo, mark}, FigureLine::Guide, FigureInk::Guide));
    // On the right, clear of the scales' numbers, which stand on the left of each thermometer.
    if (!together)
      figure.labels.push_back({{markTo, mark}, std::u16string(word), FigureSide::Right});
  }
  if (together)
    figure.labels.push_back(
        {{markTo, (kFreezing + kBoiling) / 2}, u"تجمد الماء وغليانه", FigureSide::Right});

  std::u16string readings;
  for (std::size_t i = 0; i < kScales.size(); ++i) {
    const std::u16string_view scale = kScales[i];
    const double x = kSpacing * i;
    figure.paths.push_back(
        Polygon({{x - kTube, bottom}, {x + kTube, bottom}, {x + kTube, top}, {x - kTube, top}}));
    figure.paths.push_back(Ellipse({x, bottom - 0.8 * bulb}, kBulb, bulb, FigureInk::Accent, true));
    // The column stands at the level of this scale's own reading.
    const double reading = Converted(typed, t, scale);
    const double height = Converted(scale, reading, kCelsius);
    figure.paths.push_back(Polygon({{x - kColumn, bottom},
                                    {x + kColumn, bottom},
                                    {x + kColumn, height},
                                    {x - kColumn, height}},
                                   FigureInk::Accent, true));
    // Each reading over its thermometer, the middle one a line higher, so that three readings of
    // fifteen digits do not run into each other.
    figure.labels.push_back({{x, top + (i == 1 ? kReadingRow * span : 0)},
                             MeasureLabel(text(reading), ScaleUnit(scale), notation),
                             FigureSide::Above});
    figure.labels.push_back({{x, bottom - 1.8 * bulb}, std::u16string(scale), FigureSide::Below});

    const std::vector<double> water = {Converted(kCelsius, kFreezing, scale),
                                       Converted(kCelsius, kBoiling, scale)};
    for (double tick :
         Ticks(Converted(kCelsius, bottom, scale), Converted(kCelsius, top, scale), water)) {
      const double y = Converted(scale, tick, kCelsius);
      if (y < bottom || y > top) continue;
      figure.paths.push_back(
          Segment({x - kTube - kTick, y}, {x - kTube, y}, FigureLine::Guide, FigureInk::Guide));
      figure.labels.push_back(
          {{x - kTube - kTick, y}, text(tick), FigureSide::Left, FigureLabelKind::Tick});
    }
  }

  const auto inScales = [&](double at) {
    return text(Converted(kCelsius, at, kCelsius)) + u" سلسيوس و" +
           text(Converted(kCelsius, at, kFahrenheit)) + u" فهرنهايت و" +
           text(Converted(kCelsius, at, kKelvin)) + u" كلفن";
  };
  const std::u16string where = level < kFreezing    ? u"أبرد من تجمد الماء"
                               : level == kFreezing ? u"درجة تجمد الماء"
                               : level < kBoiling   ? u"بين تجمد الماء وغليانه"
                               : level == kBoiling  ? u"درجة غليان الماء"
                                                    : u"أسخن من غليان الماء";
  figure.description = u"مقاييس الحرارة الثلاثة: " + text(Converted(typed, t, kCelsius)) +
                       u" سلسيوس = " + text(Converted(typed, t, kFahrenheit)) + u" فهرنهايت = " +
                       text(Converted(typed, t, kKelvin)) + u" كلفن، " + where +
                       u"؛ يتجمد الماء عند " + inScales(kFreezing) + u"، ويغلي عند " +
                       inScales(kBoiling) + u".";
  figure.frame = {markFrom - 0.9, bottom - 2.8 * bulb, markTo + 1.7,
                  top + 2.5 * kReadingRow * span};
  return figure;
}

}  // namespace

Figure ThermometersFigure(const Values& values, Notation notation) {
  for (std::u16string_view scale : {kCelsius, kFahrenheit, kKelvin}) {
    const double* t = values.find(scale);
    if (t == nullptr) continue;
    // Far beyond water's range the two marks merge and the scale says nothing.
    if (!std::isfinite(*t) || std::abs(*t) > 1e6)
      return NotDrawn(u"درجة الحرارة أبعد من أن ترسم مع درجتي تجمد الماء وغليانه.");
    try {
      if (Converted(scale, *t, kKelvin) < 0)
        return NotDrawn(u"لا درجة حرارة أقل من الصفر المطلق (" + notation.digits(u"0") +
                        u" كلفن).");
      return Drawn(scale, *t, notation);
    } catch (const Fault&) {
      return NotDrawn(u"لم تحول الدرجة.");
    }
  }
  return NotDrawn(u"لم تقرأ درجة الحرارة.");
}

}  // namespace numora
