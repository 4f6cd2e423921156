// What a class set costs a teacher: a worksheet of every topic, easy, its key after each copy,
// worked out by the real windows and written as a PDF file, for 1 to 60 copies of 20 and 40
// exercises. Reported: the time of the whole set, the time of a page (flat when the cost grows
// with the pages and no faster), the pages, and the process's peak memory so far (the sizes run
// from the smallest up, so the last row's is the largest set's). Measured, never enforced.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/Registry.h"
#include "app/WorksheetDialog.h"
#include "bench/BenchProgram.h"
#include "ui/frame/Services.h"
#include "ui/solution/TopicWindow.h"
#include "ui/solution/Worksheet.h"

using namespace numora;

namespace {

using numora::bench::TheProgram;

WorksheetChoice EveryTopic(int copies, int count) {
  WorksheetChoice choice{.topics = {},
                         .count = count,
                         .level = Level::Easy,
                         .seed = 777,
                         .copies = copies,
                         .keys = KeysPlace::AfterEachCopy};
  for (const SheetTopicRow& row : kSheetTopics) {
    auto& window = dynamic_cast<TopicWindow&>(TheProgram().registry.form(row.form));
    if (window.exercises() != nullptr)
      choice.topics.push_back({std::u16string(row.caption), &window, window.exercises()});
  }
  return choice;
}

int PagesOf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return 0;
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
  return static_cast<int>(QString::fromLatin1(file.readAll()).count(page));
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

void ClassSet(benchmark::State& state) {
  const int copies = static_cast<int>(state.range(0)), count = static_cast<int>(state.range(1));
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
  for (auto _ : state) {
    const PrintedSheet sheet =
        MakeSheet(EveryTopic(copies, count), Numerals(u'٫', u'٠'), FormulaDirection::RightToLeft);
    if (!WriteSheetPdf(sheet, path)) state.SkipWithError("the sheet was not written");
  }
  const int pages = PagesOf(path);
  state.counters["pages"] = pages;
  state.counters["s_per_page"] = benchmark::Counter(
      pages, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(ClassSet)
    ->ArgNames({"copies", "exercises"})
    ->Args({1, 20})
    ->Args({10, 20})
    ->Args({40, 20})
    ->Args({1, 40})
    ->Args({10, 40})
    ->Args({60, 20})
    ->Args({40, 40})
    ->Args({60, 40})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
