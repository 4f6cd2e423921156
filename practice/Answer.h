#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "numeric/Exact.h"
#include "numeric/Formula.h"
#include "numeric/Notation.h"
#include "numeric/NumberWriting.h"

namespace numora {

// What the pupil is asked for: one result of the exercise, as the window computed it.
struct Expected {
  const Formula* formula;
  double value;                      // as the window computed it, bit for bit
  std::optional<ExactNumber> exact;  // where the formula has an exact value
  int places = 2;                    // a decimal answer is rounded to these places
};

// The verdict on one typed answer.
enum class Verdict : std::uint8_t {
  Right,       // the exact value in any form the program writes, or the decimal rounded as asked
               // (one more correct place too)
  TooRough,    // the right value, rounded to fewer places than asked
  Wrong,       // a number, not the answer
  Unreadable,  // no number or exact form could be read from it
  Empty,
};
struct Check {
  Verdict verdict;
  std::optional<double> typed;  // the value read, where one was
  // The verdict in a sentence for the pupil and the screen reader ("صحيح", "قرّب إلى أقرب جزء
  // من مئة" ...).
  std::u16string sentence;
};

// Checks a typed answer: an exact value as the program writes it (2√2, 340/9, 37 7/9, 10 ⅔ π,
// (5 - √13)/2, ∛-27, π or ط standing for 3.14 as the program computes with it), or a decimal, in
// the pupil's digits and separator, Western or Eastern, or the locale's. The sentences: "صحيح",
// "ليس صحيحًا", "اقتربت، " and the rounding instruction, "اكتب عددًا", "اكتب جوابك".
Check CheckAnswer(std::u16string_view typed, const Expected& expected, char16_t localeSeparator);

// The roots of an equation are one answer in either order: the two typed roots against the two
// expected ones; each check says whether that box holds one of the roots not already given.
std::vector<Check> CheckRoots(const std::vector<std::u16string>& typed,
                              const std::vector<Expected>& expected, char16_t localeSeparator);

// The instruction of rounding to a number of places: "قرّب إلى أقرب جزء من مئة".
std::u16string RoundingInstruction(int places);

// Where a wrong answer went wrong. The steps of the asked formula (StepsOf) are compared with the
// steps of the usual slips (a square forgotten, the half forgotten, the discriminant's sign, the
// other result of the window computed instead ...): the first row that the slip's steps write
// otherwise is the step to look at. Where no slip gives the typed answer, the first step.
// The typed answer is the value the check read (Check::typed), taken as rounded to the places of
// its shortest decimal; the values are the exercise's numbers, by name; the others are the other
// results of the exercise. The sentence names the formula or its stage: "راجع المميز: يبدو أنك
// جمعت بدل أن تطرح", "يبدو أنك حسبت المحيط لا المساحة".
struct Hint {
  std::u16string sentence;  // what seems to have gone wrong; empty where no slip was found
  std::size_t line = 0;     // the step: StepsOf(...).lines[line].rows[row]
  std::size_t row = 0;
};
Hint HintFor(const Expected& asked, double typed, const Values& values,
             const std::vector<Expected>& others, Notation notation);

}  // namespace numora
