// The conversions against the standard library's on the same inputs, as a measurement; after the
// usual table the program prints the ratios. The one goal: a pasted text of several megabytes is
// read in linear time, well under a second (ParsePastedText, with its complexity).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "numeric/NumberReading.h"
#include "numeric/NumberWriting.h"

namespace {

constexpr std::size_t kCount = 4096;  // a power of two, so that the index wraps with a mask

// Values of the kind the windows show (full-precision quotients and products across forty
// decades, both signs) and their display texts, in UTF-16 for the library and ASCII for the
// standard functions.
struct Inputs {
  std::vector<double> values;
  std::vector<std::u16string> texts;
  std::vector<std::string> asciiTexts;
};

const Inputs& TheInputs() {
  static const Inputs inputs = [] {
    Inputs made;
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> decade(-20, 20);
    for (std::size_t i = 0; i < kCount; ++i) {
      const double sign = (random() & 1) ? -1.0 : 1.0;
      const double value = sign * mantissa(random) * std::pow(10.0, decade(random));
      made.values.push_back(value);
      made.texts.push_back(numora::NumberToText(value, u'.'));
      made.asciiTexts.emplace_back(made.texts.back().begin(), made.texts.back().end());
    }
    return made;
  }();
  return inputs;
}

void ParseNumber(benchmark::State& state) {
  const auto& texts = TheInputs().texts;
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(numora::ParseNumber(texts[i]));
    i = (i + 1) & (kCount - 1);
  }
}

void ParseNumberStrict(benchmark::State& state) {
  const auto& texts = TheInputs().texts;
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(numora::ParseNumberStrict(texts[i], u'.'));
    i = (i + 1) & (kCount - 1);
  }
}

void FromChars(benchmark::State& state) {
  const auto& texts = TheInputs().asciiTexts;
  std::size_t i = 0;
  for (auto _ : state) {
    const std::string& text = texts[i];
    double value;
    std::from_chars(text.data(), text.data() + text.size(), value);
    benchmark::DoNotOptimize(value);
    i = (i + 1) & (kCount - 1);
  }
}

void Strtod(benchmark::State& state) {
  const auto& texts = TheInputs().asciiTexts;
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::strtod(texts[i].c_str(), nullptr));
    i = (i + 1) & (kCount - 1);
  }
}

void NumberToText(benchmark::State& state) {
  const auto& values = TheInputs().values;
  std::size_t i = 0;
  for (auto _ : state) {
    std::u16string text = numora::NumberToText(values[i], u'.');
    benchmark::DoNotOptimize(text);
    i = (i + 1) & (kCount - 1);
  }
}

void ToChars(benchmark::State& state) {
  const auto& values = TheInputs().values;
  std::size_t i = 0;
  for (auto _ : state) {
    char text[32];
    const auto result =
        std::to_chars(text, text + sizeof text, values[i], std::chars_format::general, 15);
    benchmark::DoNotOptimize(result.ptr);
    benchmark::ClobberMemory();
    i = (i + 1) & (kCount - 1);
  }
}

// For reference: the conversion NumberToText makes, the 15 rounded digits in exponent form.
void ToCharsScientific14(benchmark::State& state) {
  const auto& values = TheInputs().values;
  std::size_t i = 0;
  for (auto _ : state) {
    char text[32];
    const auto result =
        std::to_chars(text, text + sizeof text, values[i], std::chars_format::scientific, 14);
    benchmark::DoNotOptimize(result.ptr);
    benchmark::ClobberMemory();
    i = (i + 1) & (kCount - 1);
  }
}

void Snprintf(benchmark::State& state) {
  const auto& values = TheInputs().values;
  std::size_t i = 0;
  for (auto _ : state) {
    char text[32];
    benchmark::DoNotOptimize(std::snprintf(text, sizeof text, "%.15G", values[i]));
    benchmark::ClobberMemory();
    i = (i + 1) & (kCount - 1);
  }
}

// A pasted text of up to 4 MB: digits with a point after the first, read in one pass.
void ParsePastedText(benchmark::State& state) {
  std::u16string text(static_cast<std::size_t>(state.range(0)), u'7');
  text[1] = u'.';
  for (auto _ : state) {
    benchmark::DoNotOptimize(numora::ParseNumber(text));
  }
  state.SetComplexityN(state.range(0));
}

BENCHMARK(ParseNumber);
BENCHMARK(ParsePastedText)
    ->RangeMultiplier(4)
    ->Range(1 << 16, 1 << 22)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(FromChars);
BENCHMARK(Strtod);
BENCHMARK(ParseNumberStrict);
BENCHMARK(NumberToText);
BENCHMARK(ToChars);
BENCHMARK(ToCharsScientific14);
BENCHMARK(Snprintf);

// Shows the usual table and keeps the CPU time per value of every run; with repetitions the
// median of them counts (taken from the runs, or from the aggregate when only that is reported).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) {
        continue;
      }
      if (run.run_type == Run::RT_Iteration) {
        times_[run.run_name.function_name].push_back(run.GetAdjustedCPUTime());
      } else if (run.aggregate_name == "median") {
        medians_[run.run_name.function_name] = run.GetAdjustedCPUTime();
      }
    }
  }

  void PrintRatio(const char* name, const char* baseline) {
    const double ours = Median(name);
    const double theirs = Median(baseline);
    if (ours <= 0 || theirs <= 0) {
      return;  // filtered out on the command line
    }
    std::printf("%-18s / %-10s %6.2f\n", name, baseline, ours / theirs);
  }

 private:
  double Median(const std::string& name) {
    if (const auto reported = medians_.find(name); reported != medians_.end()) {
      return reported->second;
    }
    std::vector<double>& times = times_[name];
    if (times.empty()) {
      return 0;
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
  }

  std::map<std::string, std::vector<double>> times_;
  std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  TheInputs();  // built before any timing starts
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  std::printf("\nTime per value, ratio:\n");
  reporter.PrintRatio("NumberToText", "ToChars");
  reporter.PrintRatio("NumberToText", "Snprintf");
  reporter.PrintRatio("ToCharsScientific14", "ToChars");
  reporter.PrintRatio("ParseNumber", "FromChars");
  reporter.PrintRatio("ParseNumber", "Strtod");
  reporter.PrintRatio("ParseNumberStrict", "FromChars");
  reporter.PrintRatio("ParseNumberStrict", "Strtod");
  return 0;
}
