#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace numora {

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
  const std::u16string& pendingOperator() const { return pendingOperator_; }
  std::uint8_t pointEntered() const { return pointEntered_; }

  // A digit key types its caption at the end of the display, also after a result.
  void digit(std::u16string_view caption);
  // The point key looks only at its flag, never at the display.
  void point();
  // Stores the display's number and the key's caption, and empties the display.
  void operatorKey(std::u16string_view caption);
  // Applies the pending operator, the stored operand on the left. Raises the fault of the
  // operation and then leaves every piece of state as it was; does nothing while no operation
  // is pending.
  void evaluate();
  // The key captioned "Backspace": clears everything.
  void clearAll();

 private:
  char16_t separator_;
  std::u16string display_;
  std::u16string firstOperand_;
  std::u16string pendingOperator_;
  std::uint8_t pointEntered_ = 0;
};

}  // namespace numora
