#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "numeric/NumberWriting.h"

namespace numora {

enum class Operation : std::uint8_t { Add, Subtract, Multiply, Divide };

// One key of the calculator, as the keypad's buttons (and the keyboard keys that stand for them)
// send it to the state machine. A digit key carries the digit it types.
struct CalculatorKey {
  enum class Kind : std::uint8_t { Digit, Point, Operator, Equals, ClearAll };

  static constexpr CalculatorKey Digit(int value) { return {Kind::Digit, value, {}}; }
  static constexpr CalculatorKey Point() { return {Kind::Point, 0, {}}; }
  static constexpr CalculatorKey Operator(Operation operation) {
    return {Kind::Operator, 0, operation};
  }
  static constexpr CalculatorKey Equals() { return {Kind::Equals, 0, {}}; }
  static constexpr CalculatorKey ClearAll() { return {Kind::ClearAll, 0, {}}; }

  friend constexpr bool operator==(const CalculatorKey&, const CalculatorKey&) = default;

  Kind kind;
  int digit;
  Operation operation;
};

// The pocket calculator without its window: immediate execution from left to right with one
// pending operation, as a pocket calculator chains 2 + 3 + 4 =. A number the calculator computed
// keeps its full value while it stands on the display, so 1 / 3 * 3 = gives 1; a number typed or
// edited is read from the display's text. The display is the fourth piece of state; the window
// keeps it in step with what the user types into the display box, and such typing counts as
// entering a number. A display read only in part ("12,5" where the separator is ".", "abc") is
// noted, and the notes stand for as long as the numbers read from it take part in the
// calculation.
class CalculatorState {
 public:
  explicit CalculatorState(Numerals numerals) : numerals_(numerals) {}

  const std::u16string& display() const { return display_; }
  void setDisplay(std::u16string_view text) {
    if (text == display_) return;
    display_.assign(text);
    entry_ = Entry::Typing;
    shownValue_.reset();
  }
  const std::u16string& firstOperand() const { return firstOperand_; }
  // How the display was read where it was not read whole, oldest first: each says which number
  // was used and what was ignored. Cleared by "Backspace" and by a new calculation (an operator
  // key with no operation pending, or after "=").
  const std::vector<std::u16string>& notes() const { return notes_; }
  std::optional<Operation> pendingOperation() const { return pending_; }
  std::uint8_t pointEntered() const { return pointEntered_; }
  // Whether the last key computed the number now on the display ("=", or an operator key that
  // completed the operation pending before it).
  bool computed() const { return computed_; }
  // After an operator key or "=": the next digit or point starts a new number.
  bool awaitsNumber() const { return entry_ != Entry::Typing; }

  // Runs one key. Raises the fault of the operation that "=" applies, and then leaves every
  // piece of state as it was.
  void press(CalculatorKey key);

 private:
  // What the next digit or point key does to the display: types on at its end, or, after an
  // operator key or "=", starts a new number in place of the one shown.
  enum class Entry : std::uint8_t { Typing, AfterOperator, AfterEquals };

  // A digit key types its digit at the end of the number being entered.
  void digit(int value);
  // The point key looks only at its flag, never at the display.
  void point();
  // After an operator key or "=", the display's number stays in view until a digit or the point
  // key starts a new one, with the point flag cleared.
  void startNumber();
  // With an operation pending and a number entered for it, evaluates it first as "=" does; a
  // second operator key before any digit only replaces the operator. Then stores the display's
  // number as the operand of the new operation. After "=" nothing is evaluated again.
  void operatorKey(Operation operation);
  // Applies the pending operation, the stored operand on the left, to the display.
  void evaluate();
  // "=": evaluates the pending operation, if any, and completes it.
  void equals();
  // The key captioned "Backspace": clears everything.
  void clearAll();
  // The number on the display: the full value of a result still shown, else read from the text,
  // with a note where the text was not read whole.
  struct Operand {
    double value;
    std::u16string note;
  };
  Operand readDisplay() const;

  Numerals numerals_;
  std::u16string display_;
  std::u16string firstOperand_;
  double firstValue_ = 0;             // the full value behind firstOperand_
  std::optional<double> shownValue_;  // of the result on the display, while it stands there
  std::vector<std::u16string> notes_;
  std::optional<Operation> pending_;
  std::uint8_t pointEntered_ = 0;
  Entry entry_ = Entry::Typing;
  // "=" has completed the pending operation: the next operator key evaluates nothing, while "="
  // repeats it.
  bool completed_ = false;
  bool computed_ = false;
};

}  // namespace numora
