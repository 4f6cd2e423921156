#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "numeric/Notation.h"
#include "numeric/NumberWriting.h"
#include "numeric/Typeset.h"
#include "practice/Answer.h"
#include "practice/Exercise.h"
#include "practice/Worked.h"

namespace numora {

// How an exercise of a sitting ended.
enum class Outcome : std::uint8_t {
  Open,             // not answered yet
  RightFirstTry,    // every answer right, with no wrong try and no hint
  RightAfterHints,  // right in the end, after a wrong try or a hint
  Shown,            // the pupil asked for the solution before it was right
};

// The exercises of a sitting by how they ended. Kept in memory only: a sitting is the pupil's
// own, and nothing of it is written anywhere.
struct Tally {
  int rightFirstTry = 0;
  int rightAfterHints = 0;
  int shown = 0;
  friend bool operator==(const Tally&, const Tally&) = default;
};

// One result the pupil is asked for, as the window worked it out.
struct AskedResult {
  const Formula* formula;
  FieldId field;                     // the window's result field that answers it
  std::u16string name;               // the field's name, for the pupil
  std::u16string resultText;         // as the window wrote it; empty where it left it out
  std::optional<Expected> expected;  // none where the window left it out (no real root)
  bool right = false;
};

// What the pupil is told about one answer box.
struct AnswerVerdict {
  Verdict verdict = Verdict::Empty;
  std::u16string sentence;
};

// A step of the solution given as a hint: why the pupil should look at it, where a slip explains
// the answer, and the step's row ("= 3.14 × 7²").
struct StepHint {
  std::u16string sentence;
  std::u16string row;
  std::optional<Math> formula;  // the row to typeset
  bool empty() const { return sentence.empty() && row.empty(); }
};

// The answers typed for an exercise, checked: a verdict per box in the order of asked(), and the
// hint for the first wrong one.
struct RoundCheck {
  std::vector<AnswerVerdict> verdicts;
  StepHint hint;
};

// Words that answer an equation with no real root ("لا يوجد حل", "لا حل", ...): spaces,
// diacritics and a final full stop do not count.
bool SaysNoRealRoot(std::u16string_view typed);

// A run of practice in a topic window: the exercises of the topic's generator from one seed, the
// same seed giving the same exercises, one after the other, at a level; the check of each typed
// answer with its hint; and the tally of the sitting. It knows no window: the window works each
// exercise out with its own handler and poses it here.
class PracticeRound {
 public:
  PracticeRound(ExerciseOf exercises, Level level, std::uint64_t seed, Notation notation);

  Level level() const { return level_; }
  std::uint64_t seed() const { return seed_; }

  // The run's next exercise: the numbers go on from the previous exercise's.
  Exercise nextExercise();
  // The exercise as the window worked it out, with the names of its result fields (a field with
  // none is named by its formula). False where
  // the window could not work it out (a fault): the window draws the next one instead.
  using NameOf = std::function<std::u16string(FieldId field)>;
  bool pose(const Exercise& exercise, WorkedExercise worked, const NameOf& nameOf);

  const std::vector<AskedResult>& asked() const { return asked_; }
  const WorkedExercise& worked() const { return worked_; }
  // The problem as the solution states it ("دائرة نصف قطرها 7"), and what to compute with the
  // rounding asked for.
  const std::u16string& problem() const { return problem_; }
  // The problem as a formula to typeset, where it is one (an equation).
  const std::optional<Math>& problemFormula() const { return problemFormula_; }
  std::u16string instruction() const;

  // Checks the typed answers, one per asked result in their order; a box already right keeps its
  // verdict. A wrong answer gets a hint: the slip the checker sees in it, or the first step.
  RoundCheck check(const std::vector<std::u16string>& typed);
  // The next step of the first answer not yet right, after the last one given. The row that
  // writes the result itself is kept back: "الحل" shows it.
  StepHint hint();
  // The whole solution is shown: an exercise not yet right counts as shown.
  void showSolution();

  Outcome outcome() const { return outcome_; }
  bool done() const { return outcome_ != Outcome::Open; }
  const Tally& tally() const { return tally_; }

 private:
  // The rows of an asked result's steps, in order, as the solution sets them out, each with its
  // formula to typeset.
  std::vector<std::pair<std::u16string, Math>> rowsOf(const AskedResult& asked) const;
  StepHint stepAt(std::size_t asked, std::size_t row, std::u16string sentence);
  RoundCheck checkNoRealRoot(const std::vector<std::u16string>& typed);
  RoundCheck checkRoots(const std::vector<std::u16string>& typed);
  RoundCheck checkEach(const std::vector<std::u16string>& typed);
  // The hint for a wrong answer to an asked result.
  StepHint hintFor(std::size_t asked, const Check& check);
  std::vector<Expected> othersThan(std::size_t asked) const;
  void finish(Outcome outcome);

  ExerciseOf exercises_;
  Level level_;
  std::uint64_t seed_;
  Random random_;
  Notation notation_;

  Exercise exercise_;
  WorkedExercise worked_;
  std::vector<AskedResult> asked_;
  std::vector<std::size_t> nextRow_;  // per asked result: the next row "تلميح" gives
  std::u16string problem_;
  std::optional<Math> problemFormula_;
  bool helped_ = false;  // a wrong try or a hint in this exercise
  Outcome outcome_ = Outcome::Open;
  Tally tally_;
};

}  // namespace numora
