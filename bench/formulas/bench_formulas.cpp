// What a click costs in the computation: a window's formulas are evaluated from their declared
// expressions and their working is written from the same expressions. Measured, not a goal: a
// click runs a handful of them, and each should stay far below what a pupil could notice.

#include <benchmark/benchmark.h>

#include "numeric/Figure.h"
#include "numeric/NumberWriting.h"
#include "numeric/Working.h"
#include "tests/formulas/QuadraticClick.h"
#include "topics/algebra/AlgebraFigures.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/temperature/TemperatureFigures.h"
#include "topics/temperature/TemperatureFormulas.h"

namespace {

using namespace numora;

// The quadratic's second root with its discriminant, the deepest formula of the windows.
void EvaluateSecondRoot(benchmark::State& state) {
  Values values{{kA, 1}, {kB, -5}, {kC, 6}};
  for (auto _ : state) benchmark::DoNotOptimize(ValueOf(SecondRoot, values));
}
BENCHMARK(EvaluateSecondRoot);

void WriteSecondRootWorking(benchmark::State& state) {
  Values values{{kA, 1}, {kB, -5}, {kC, 6}};
  ValueOf(SecondRoot, values);
  for (auto _ : state) benchmark::DoNotOptimize(WithResult(SecondRoot, values, u"3", u'.'));
}
BENCHMARK(WriteSecondRootWorking);

// The cylinder window's three results, with their workings: one whole click of that window.
void CylinderClick(benchmark::State& state) {
  for (auto _ : state) {
    Values values{{kRadius, 7}, {kHeight, 2.5}};
    for (const Formula* formula : {&CylinderVolume, &CylinderLateralArea, &CylinderTotalArea}) {
      const std::u16string text = NumberToText(ValueOf(*formula, values), u'.');
      benchmark::DoNotOptimize(WithResult(*formula, values, text, u'.'));
    }
  }
}
BENCHMARK(CylinderClick);

// Placing a figure's labels, which a panel does each time it paints the figure: the parabola
// with its ticks, and the thermometers, the most labels of any figure, at 100 %.
class EvenLabelMetrics : public LabelMetrics {
 public:
  double width(const FigureLabel& label) const override {
    return 7.2 * static_cast<double>(label.text.size()) + 1;
  }
  double height(const FigureLabel&) const override { return 15.6; }
};

void PlaceFigureLabels(benchmark::State& state, const Figure& figure) {
  const SurfaceRect area{0, 0, 280, 220}, room{31, 31, 249, 189};
  const FigureMapping map(figure.frame, room, figure.sameScale);
  const EvenLabelMetrics metrics;
  for (auto _ : state)
    benchmark::DoNotOptimize(PlaceLabels(figure, map, metrics, area, LabelSpacing{}));
}
BENCHMARK_CAPTURE(PlaceFigureLabels, Parabola, ParabolaFigure(QuadraticClick(2, -7, 3), u'.'))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PlaceFigureLabels, Thermometers, ThermometersFigure({{kFahrenheit, 100}}, u'.'))
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
