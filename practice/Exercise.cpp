#include "practice/Exercise.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "numeric/Fault.h"
#include "numeric/NumberWriting.h"
#include "practice/Answer.h"

namespace numora {

std::u16string_view LevelName(Level level) {
  switch (level) {
    case Level::Easy:
      return u"سهل";
    case Level::Medium:
      return u"متوسط";
    case Level::Hard:
      return u"صعب";
  }
  return u"سهل";
}

// SplitMix64: small, fast, and the same sequence everywhere.
std::uint64_t Random::next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

int Random::between(int low, int high) {
  if (high <= low) return low;
  const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low) + 1;
  // Rejection keeps every number equally likely.
  const std::uint64_t limit = UINT64_MAX - UINT64_MAX % span;
  std::uint64_t draw = next();
  while (draw >= limit) draw = next();
  return static_cast<int>(low + static_cast<std::int64_t>(draw % span));
}

Values InputValues(const Exercise& exercise) {
  Values values;
  for (const auto& [name, value] : exercise.inputs) values.set(name, value);
  return values;
}

int PlacesOfResults(const Exercise& exercise, int most) {
  int places = 0;
  for (const Formula* formula : exercise.asked) {
    Values values = InputValues(exercise);
    double value = 0;
    try {
      value = ValueOf(*formula, values);
    } catch (const Fault&) {
      continue;
    }
    // The window's arithmetic may land a unit in the last place off the decimal that ends.
    int ends = most;
    double scaled = value;
    for (int k = 0; k < most; ++k, scaled *= 10)
      if (std::abs(scaled - std::round(scaled)) <= 1e-11 * std::max(1.0, std::abs(scaled))) {
        ends = k;
        break;
      }
    places = std::max(places, ends);
  }
  return places;
}

bool ResultsTellApart(const Exercise& exercise) {
  std::vector<Expected> results;
  for (const Formula* formula : exercise.asked) {
    Values values = InputValues(exercise);
    try {
      results.push_back({formula, ValueOf(*formula, values), std::nullopt, exercise.places});
    } catch (const Fault&) {
    }
  }
  const double scale = std::pow(10.0, exercise.places);
  for (const Expected& worked : results) {
    const std::u16string typed = NumberToText(std::round(worked.value * scale) / scale, {});
    for (const Expected& asked : results)
      if (worked.formula->name != asked.formula->name &&
          CheckAnswer(typed, asked, u'.').verdict != Verdict::Wrong)
        return false;
  }
  return true;
}

}  // namespace numora
