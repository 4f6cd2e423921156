// What a click costs a pupil who sees its solution: the calculation with its steps and exact
// answers, the panel's text, and the figure drawn, in the real windows on Qt's offscreen
// platform. One frame is 16 ms; measured, never enforced.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "app/Registry.h"
#include "bench/BenchProgram.h"
#include "ui/frame/Services.h"

namespace {

using namespace numora;

using numora::bench::TheProgram;

// One click of the window's calculate button with these numbers in its boxes, and the window
// painted as the screen would show it.
void Click(benchmark::State& state, FormId id, const char* button,
           std::initializer_list<std::pair<const char*, const char*>> inputs) {
  FormWindow& window = TheProgram().registry.form(id);
  window.show();
  for (const auto& [box, text] : inputs)
    window.findChild<QLineEdit*>(box)->setText(QString::fromUtf8(text));
  auto* calculate = window.findChild<QPushButton*>(button);
  calculate->click();  // the first solution makes the panel
  for (auto _ : state) {
    calculate->click();
    benchmark::DoNotOptimize(window.grab());
  }
  window.hide();
}

// The quadratic: a stage, two roots with exact answers, the parabola.
void QuadraticClick(benchmark::State& state) {
  Click(state, FormId::Form13, "Command1", {{"Text1", "1"}, {"Text2", "-5"}, {"Text3", "3"}});
}
BENCHMARK(QuadraticClick)->Unit(benchmark::kMillisecond);

// The cylinder: three results, a solid in an oblique view.
void CylinderClick(benchmark::State& state) {
  Click(state, FormId::Form12, "Command1", {{"Text1", "7"}, {"Text2", "2.5"}});
}
BENCHMARK(CylinderClick)->Unit(benchmark::kMillisecond);

// Pythagoras: a root simplified exactly, three squares.
void PythagorasClick(benchmark::State& state) {
  Click(state, FormId::Form11, "Command2", {{"Text1", "2"}, {"Text2", "4"}});
}
BENCHMARK(PythagorasClick)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
