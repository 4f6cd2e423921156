#include "calculator/CalculatorState.h"

#include "numeric/Arithmetic.h"
#include "numeric/Conversions.h"

namespace numora {

void CalculatorState::digit(std::u16string_view caption) { display_.append(caption); }

void CalculatorState::point() {
  if (pointEntered_ == 1) return;
  display_.push_back(u'.');
  pointEntered_ = 1;
}

void CalculatorState::operatorKey(std::u16string_view caption) {
  pointEntered_ = 0;
  firstOperand_ = NumberToText(ParseNumber(display_), separator_);
  pendingOperator_.assign(caption);
  display_.clear();
}

void CalculatorState::evaluate() {
  // Compared as exact text, in this order.
  const bool add = pendingOperator_ == u"+";
  const bool subtract = !add && pendingOperator_ == u"-";
  const bool multiply = !add && !subtract && pendingOperator_ == u"*";
  const bool divide = !add && !subtract && !multiply && pendingOperator_ == u"/";
  if (!add && !subtract && !multiply && !divide) return;

  const Checked second = ParseNumber(display_);
  const Checked first = ParseNumberStrict(firstOperand_, separator_);
  const Checked result = add        ? first + second
                         : subtract ? first - second
                         : multiply ? first * second
                                    : first / second;
  display_ = NumberToText(Test(result), separator_);
}

void CalculatorState::clearAll() {
  firstOperand_ = IntegerToText(0);
  pendingOperator_.clear();
  display_.clear();
  pointEntered_ = 0;
}

}  // namespace numora
