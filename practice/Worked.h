#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "numeric/Fault.h"
#include "practice/Answer.h"
#include "practice/Exercise.h"
#include "solution/Calculation.h"

namespace numora {

// An exercise worked out by its window's own handler, with nothing shown and no box changed: the
// boxes get the exercise's numbers as the pupil would type them, in the order the handler reads
// them, and what the window would write, say and show is kept instead.
struct WorkedExercise {
  struct Box {
    FieldId field;
    std::u16string text;  // the number as the pupil would type it, in the region's digits
  };
  struct Result {
    FieldId field;
    const Formula* formula;
    std::u16string text;  // as the window writes it; empty where it was left out
  };
  std::vector<Box> boxes;       // in the order the handler read them
  std::vector<Result> results;  // in the order the handler wrote them
  Solution solution;
  std::u16string message;       // the window's own message, where the handler showed one
  std::u16string announcement;  // what the screen reader would have said
  // A fault or failure that stopped the handler: no exercise should ever give one.
  std::optional<Fault> fault;
  std::u16string failure;

  // The result field that answers an asked formula; null where the handler did not write it.
  const Result* resultOf(const Formula& formula) const;
  // What the pupil is asked for, as the window computed it: each asked formula's value and exact
  // value; none for an asked result the handler left out (an equation with no real root).
  std::vector<Expected> expected(const Exercise& exercise) const;
};

// Works the exercise out with a calculation like the window's, through the window's handler.
// The window's view still names the boxes.
WorkedExercise Work(const Exercise& exercise, const Calculation& window,
                    const ResultView& windowView, const std::function<void(Calculation&)>& handler);

}  // namespace numora
