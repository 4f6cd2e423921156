#include "calculator/CalculatorState.h"

#include "numeric/Arithmetic.h"
#include "numeric/NumberReading.h"
#include "numeric/NumberWriting.h"

namespace numora {

void CalculatorState::press(CalculatorKey key) {
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

void CalculatorState::startNumber() {
  if (entry_ == Entry::Typing) return;
  display_.clear();
  pointEntered_ = 0;
  entry_ = Entry::Typing;
}

void CalculatorState::digit(int value) {
  startNumber();
  display_.push_back(static_cast<char16_t>(u'0' + value));
}

void CalculatorState::point() {
  startNumber();
  if (pointEntered_ == 1) return;
  display_.push_back(u'.');
  pointEntered_ = 1;
}

void CalculatorState::operatorKey(Operation operation) {
  if (pending_ && entry_ == Entry::AfterOperator) {
    pending_ = operation;
    return;
  }
  // A fault here leaves every piece of state as it was.
  if (pending_ && !completed_ && entry_ == Entry::Typing) evaluate();
  firstOperand_ = NumberToText(ParseNumber(display_, separator_), separator_);
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
  const Checked second = ParseNumber(display_, separator_);
  const Checked first = ParseNumberStrict(firstOperand_, separator_);
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
  display_ = NumberToText(ValueOrFault(result), separator_);
  entry_ = Entry::AfterEquals;
}

void CalculatorState::clearAll() {
  firstOperand_ = IntegerToText(0);
  pending_.reset();
  display_.clear();
  pointEntered_ = 0;
  entry_ = Entry::Typing;
  completed_ = false;
}

}  // namespace numora
