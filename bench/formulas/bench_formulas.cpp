// What a click costs in the computation: a window's formulas are evaluated from their declared
// expressions and their working is written from the same expressions. Measured, not a goal: a
// click runs a handful of them, and each should stay far below what a pupil could notice.

#include <benchmark/benchmark.h>

#include "numeric/NumberWriting.h"
#include "numeric/Working.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/geometry/GeometryFormulas.h"

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

}  // namespace

BENCHMARK_MAIN();
