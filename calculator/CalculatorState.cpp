#include "calculator/CalculatorState.h"

#include "numeric/Arithmetic.h"
#include "numeric/NumberReading.h"
#include "numeric/NumberWriting.h"

namespace numora {

void CalculatorState::press(CalculatorKey key) {
  computed_ = false;
  switch (key.kind) {
    case CalculatorKey::Kind::Digit:
      digit(key.digit);
      break;
    case CalculatorKey::Kind::Point:
      point();
      break;
    case CalculatorKey::Kind::Operator:
      operatorKey(key.operation);
      break;
    case CalculatorKey::Kind::Equals:
      equals();
      break;
    case CalculatorKey::Kind::ClearAll:
      clearAll();
      break;
  }
}

CalculatorState::Operand CalculatorState::readDisplay() const {
  if (shownValue_) return {*shownValue_, {}};
  const Reading reading = ReadNumber(display_, numerals_.separator);
  const std::u16string_view ignored = IgnoredText(display_, reading);
  if (ignored.empty()) return {reading.value, {}};
  const std::u16string used = NumberToText(reading.value, numerals_);
  const std::u16string quoted = u"«" + std::u16string(ignored) + u"»";
  return {reading.value,
          reading.found
              ? u"حُسب بالعدد " + used + u" من شاشة الحاسبة وأُهمل " + quoted + u"."
              : u"لم يكن في شاشة الحاسبة عدد، فحُسب بالعدد " + used + u" وأُهمل " + quoted + u"."};
}

void CalculatorState::startNumber() {
  if (entry_ == Entry::Typing) return;
  display_.clear();
  pointEntered_ = 0;
  entry_ = Entry::Typing;
}

void CalculatorState::digit(int value) {
  startNumber();
  shownValue_.reset();
  display_.push_back(static_cast<char16_t>(numerals_.zero + value));
}

void CalculatorState::point() {
  startNumber();
  if (pointEntered_ == 1) return;
  shownValue_.reset();
  display_.push_back(numerals_.separator);
  pointEntered_ = 1;
}

void CalculatorState::operatorKey(Operation operation) {
  if (pending_ && entry_ == Entry::AfterOperator) {
    pending_ = operation;
    return;
  }
  // An operator key that completes nothing starts a new calculation, with notes of its own.
  if (!pending_ || completed_) notes_.clear();
  // A fault here leaves every piece of state as it was.
  if (pending_ && !completed_ && entry_ == Entry::Typing) evaluate();
  const Operand first = readDisplay();
  firstValue_ = first.value;
  firstOperand_ = NumberToText(first.value, numerals_);
  if (!first.note.empty()) notes_.push_back(first.note);
  pending_ = operation;
  pointEntered_ = 0;
  entry_ = Entry::AfterOperator;
  completed_ = false;
}

void CalculatorState::equals() {
  if (!pending_) return;
  evaluate();
  completed_ = true;
}

void CalculatorState::evaluate() {
  const Operand read = readDisplay();
  const Checked second = read.value;
  const Checked first = firstValue_;
  Checked result = 0.0;
  switch (*pending_) {
    case Operation::Add:
      result = first + second;
      break;
    case Operation::Subtract:
      result = first - second;
      break;
    case Operation::Multiply:
      result = first * second;
      break;
    case Operation::Divide:
      result = first / second;
      break;
  }
  const double value = ValueOrFault(result);
  display_ = NumberToText(value, numerals_);
  shownValue_ = value;
  computed_ = true;
  if (!read.note.empty()) notes_.push_back(read.note);
  entry_ = Entry::AfterEquals;
}

void CalculatorState::clearAll() {
  firstOperand_ = IntegerToText(0);
  firstValue_ = 0;
  shownValue_.reset();
  notes_.clear();
  pending_.reset();
  display_.clear();
  pointEntered_ = 0;
  entry_ = Entry::Typing;
  completed_ = false;
}

}  // namespace numora
