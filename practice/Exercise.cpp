#include "practice/Exercise.h"

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

}  // namespace numora
