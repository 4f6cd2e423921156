#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "numeric/Formula.h"

namespace numora {

// How hard an exercise is: سهل، متوسط، صعب.
enum class Level : std::uint8_t { Easy, Medium, Hard };
std::u16string_view LevelName(Level level);

// The numbers of exercises, from a seed: the same seed gives the same numbers on every platform
// and with every compiler (the standard library's distributions differ between them).
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next();
  // A whole number from low to high, both included.
  int between(int low, int high);
  // True about percent times in a hundred.
  bool chance(int percent) { return between(1, 100) <= percent; }
  template <typename Items>
  const auto& pick(const Items& items) {
    return items[static_cast<std::size_t>(between(0, static_cast<int>(std::size(items)) - 1))];
  }

 private:
  std::uint64_t state_;
};

// An exercise of a topic window: the numbers the program puts into the window's boxes and the
// results it asks for. The window computes the answers itself, from the numbers, with its own
// formulas; the exercise only chooses numbers that come out well at its level.
struct Exercise {
  // The numbers, by the names the window's formulas give them, in the order the window reads its
  // boxes.
  std::vector<std::pair<std::u16string, double>> inputs;
  // The results asked for, by their formulas, in the order the window computes them. The
  // temperature window's one result is the conversion to choose.
  std::vector<const Formula*> asked;
  // The decimal places a decimal answer is rounded to where it does not end ("قرّب إلى أقرب جزء
  // من مئة": 2).
  int places = 2;
};

// A topic's exercises at a level.
using ExerciseOf = Exercise (*)(Level level, Random& random);

// The exercise's numbers as the window reads them, for evaluating its formulas.
Values InputValues(const Exercise& exercise);

// The fewest decimal places, up to most, within which every asked result that the window computes
// without a fault ends (a whole area 0, 7.5 one, 3.14 × 5 two); most where one does not end
// within them (a root, 4/3 × 3.14 × 2³). A result that is bound to be rounded is rounded to most.
int PlacesOfResults(const Exercise& exercise, int most = 2);

// Whether a pupil who works one asked result with the formula of another is told it is wrong:
// every asked result, rounded to the exercise's places as a pupil writes it, checked as the answer
// to each other one, is neither right nor rounded too far (at a radius of 2 a circle's area and
// circumference are both 12.56; a rectangle of 1.5 by 2 has an area of 3 and a diagonal of 2.5).
// The roots of an equation are one answer in either order and may be equal; a result with a
// fault is left out.
bool ResultsTellApart(const Exercise& exercise);

// The first of make's exercises whose results tell apart. Make draws its numbers from a Random, so
// that the seed still gives the exercise.
template <typename Make>
Exercise TellingApart(Make make) {
  Exercise exercise = make();
  while (!ResultsTellApart(exercise)) exercise = make();
  return exercise;
}

}  // namespace numora
