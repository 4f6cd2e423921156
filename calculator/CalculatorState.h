#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

  Kind kind;
  int digit;
  Operation operation;
};

// The pocket calculator without its window: immediate execution with one pending operation.
// The pending operand is kept only as the text that was written for it, so it carries exactly
// the digits shown and no more. The display is the fourth piece of state; the window keeps it in
// step with what the user types into the display box.
class CalculatorState {
 public:
  explicit CalculatorState(char16_t decimalSeparator) : separator_(decimalSeparator) {}

  const std::u16string& display() const { return display_; }
  void setDisplay(std::u16string_view text) { display_.assign(text); }
  const std::u16string& firstOperand() const { return firstOperand_; }
  std::optional<Operation> pendingOperation() const { return pending_; }
  std::uint8_t pointEntered() const { return pointEntered_; }

  // Runs one key. Raises the fault of the operation that "=" applies, and then leaves every
  // piece of state as it was.
  void press(CalculatorKey key);

 private:
  // A digit key types its digit at the end of the display, also after a result.
  void digit(int value);
  // The point key looks only at its flag, never at the display.
  void point();
  // Stores the display's number and the operation, and empties the display.
  void operatorKey(Operation operation);
  // Applies the pending operation, the stored operand on the left; does nothing while no
  // operation is pending.
  void evaluate();
  // The key captioned "Backspace": clears everything.
  void clearAll();

  char16_t separator_;
  std::u16string display_;
  std::u16string firstOperand_;
  std::optional<Operation> pending_;
  std::uint8_t pointEntered_ = 0;
};

}  // namespace numora
