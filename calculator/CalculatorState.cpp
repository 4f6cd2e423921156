#include "calculator/CalculatorState.h"

#include "numeric/Arithmetic.h"
#include "numeric/Conversions.h"

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
      evaluate();
      break;
    case CalculatorKey::Kind::ClearAll:
      clearAll();
      break;
  }
}

void CalculatorState::digit(int value) { display_.push_back(static_cast<char16_t>(u'0' + value)); }

void CalculatorState::point() {
  if (pointEntered_ == 1) return;
  display_.push_back(u'.');
  pointEntered_ = 1;
}

void CalculatorState::operatorKey(Operation operation) {
  pointEntered_ = 0;
  firstOperand_ = NumberToText(ParseNumber(display_), separator_);
  pending_ = operation;
  display_.clear();
}

void CalculatorState::evaluate() {
  if (!pending_) return;
  const Checked second = ParseNumber(display_);
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
}

void CalculatorState::clearAll() {
  firstOperand_ = IntegerToText(0);
  pending_.reset();
  display_.clear();
  pointEntered_ = 0;
}

}  // namespace numora
