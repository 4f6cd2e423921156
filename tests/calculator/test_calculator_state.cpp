// The calculator's keys, driven without a window. Keys are written as one string: digits, "." for
// the point key, + - * / for the operator keys, "=" and "C" for the key captioned "Backspace".
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "calculator/CalculatorState.h"
#include "numeric/Fault.h"

namespace numora {
namespace {

CalculatorKey KeyFor(char16_t key) {
  switch (key) {
    case u'.':
      return CalculatorKey::Point();
    case u'=':
      return CalculatorKey::Equals();
    case u'C':
      return CalculatorKey::ClearAll();
    case u'+':
      return CalculatorKey::Operator(Operation::Add);
    case u'-':
      return CalculatorKey::Operator(Operation::Subtract);
    case u'*':
      return CalculatorKey::Operator(Operation::Multiply);
    case u'/':
      return CalculatorKey::Operator(Operation::Divide);
    default:
      return CalculatorKey::Digit(key - u'0');
  }
}

void Press(CalculatorState& calculator, std::u16string_view keys) {
  for (char16_t key : keys) calculator.press(KeyFor(key));
}

std::u16string Display(std::u16string_view keys, char16_t separator = u'.') {
  CalculatorState calculator(separator);
  Press(calculator, keys);
  return calculator.display();
}

FaultKind FaultOf(std::u16string_view keys, char16_t separator = u'.') {
  CalculatorState calculator(separator);
  try {
    Press(calculator, keys);
  } catch (const Fault& fault) {
    return fault.kind();
  }
  ADD_FAILURE() << "no fault";
  return FaultKind::TypeMismatch;
}

TEST(CalculatorEquals, RepeatsTheOperationOnTheResult) {
  EXPECT_EQ(Display(u"7+8="), u"15");
  EXPECT_EQ(Display(u"7+8=="), u"22");
  EXPECT_EQ(Display(u"7+8==="), u"29");
  EXPECT_EQ(Display(u"9-="), u"9");
  EXPECT_EQ(Display(u"8*="), u"0");
  EXPECT_EQ(Display(u"9/3="), u"3");
}

TEST(CalculatorEquals, DoesNothingWithoutAPendingOperator) {
  EXPECT_EQ(Display(u"42="), u"42");
  EXPECT_EQ(Display(u"4+2C="), u"");
  EXPECT_EQ(Display(u"4+2C5="), u"5");
}

TEST(CalculatorEquals, ReadsTheStoredOperandAsTheFifteenDigitsWritten) {
  EXPECT_EQ(Display(u"1/3="), u"0.333333333333333");
  // The stored operand is the text "0.333333333333333", not one third.
  EXPECT_EQ(Display(u"1/3=+0="), u"0.333333333333333");
  CalculatorState calculator(u'.');
  calculator.setDisplay(u"0.1234567890123456789");
  Press(calculator, u"+0=");
  EXPECT_EQ(calculator.display(), u"0.123456789012346");
}

TEST(CalculatorOperatorKeys, ASecondOperatorStoresZero) {
  EXPECT_EQ(Display(u"7+-2="), u"-2");
  CalculatorState calculator(u'.');
  Press(calculator, u"7+");
  EXPECT_EQ(calculator.firstOperand(), u"7");
  EXPECT_EQ(calculator.pendingOperation(), Operation::Add);
  EXPECT_EQ(calculator.display(), u"");
  Press(calculator, u"*");
  EXPECT_EQ(calculator.firstOperand(), u"0");
  EXPECT_EQ(calculator.pendingOperation(), Operation::Multiply);
}

TEST(CalculatorDigits, AreAppendedEvenToAResult) {
  EXPECT_EQ(Display(u"2*3=4"), u"64");
  EXPECT_EQ(Display(u"2*3=4="), u"128");
}

TEST(CalculatorTypedText, TakesItsLeadingNumber) {
  CalculatorState calculator(u'.');
  calculator.setDisplay(u"12abc");
  Press(calculator, u"+3=");
  EXPECT_EQ(calculator.display(), u"15");
  calculator.setDisplay(u"\u0663");  // typed in Arabic-Indic digits
  Press(calculator, u"+4=");
  EXPECT_EQ(calculator.display(), u"7");
}

TEST(CalculatorPointKey, LooksOnlyAtItsFlag) {
  EXPECT_EQ(Display(u"1..5"), u"1.5");
  EXPECT_EQ(Display(u"1.5+1.2"), u"1.2");  // the operator key lets the point in again
  // Nothing set the flag after the operator key, so a second point goes in after the result.
  EXPECT_EQ(Display(u"1.5+1=."), u"2.5.");
  // Typed with a point, the second operand keeps the key blocked after "=".
  EXPECT_EQ(Display(u"1+1.5=."), u"2.5");
  CalculatorState typed(u'.');
  typed.setDisplay(u"3.5");
  Press(typed, u".");
  EXPECT_EQ(typed.display(), u"3.5.");  // a typed point does not block the key
}

TEST(CalculatorClearAll, EmptiesEverything) {
  CalculatorState calculator(u'.');
  Press(calculator, u"1.5*2C");
  EXPECT_EQ(calculator.display(), u"");
  EXPECT_EQ(calculator.firstOperand(), u"0");
  EXPECT_EQ(calculator.pendingOperation(), std::nullopt);
  EXPECT_EQ(calculator.pointEntered(), 0);
  Press(calculator, u"=");
  EXPECT_EQ(calculator.display(), u"");
}

TEST(CalculatorFaults, AreClassifiedAndLeaveTheStateAsItWas) {
  EXPECT_EQ(FaultOf(u"8/0="), FaultKind::DivisionByZero);
  EXPECT_EQ(FaultOf(u"8/="), FaultKind::DivisionByZero);
  EXPECT_EQ(FaultOf(u"0/0="), FaultKind::Overflow);

  CalculatorState calculator(u'.');
  Press(calculator, u"9/0.");
  EXPECT_THROW(calculator.press(CalculatorKey::Equals()), Fault);
  EXPECT_EQ(calculator.display(), u"0.");
  EXPECT_EQ(calculator.firstOperand(), u"9");
  EXPECT_EQ(calculator.pendingOperation(), Operation::Divide);
  EXPECT_EQ(calculator.pointEntered(), 1);
  Press(calculator, u"5=");  // and it goes on
  EXPECT_EQ(calculator.display(), u"18");

  CalculatorState huge(u'.');
  huge.setDisplay(u"1e308");
  Press(huge, u"*10");
  EXPECT_THROW(huge.press(CalculatorKey::Equals()), Fault);
  EXPECT_EQ(huge.display(), u"10");
}

TEST(CalculatorRegionalSettings, CommaSeparatorIsWrittenButNotReadBack) {
  EXPECT_EQ(Display(u"1/4=", u','), u"0,25");
  // The display "0,25" reads as 0 up to the comma.
  EXPECT_EQ(FaultOf(u"1/4==", u','), FaultKind::DivisionByZero);
  EXPECT_EQ(Display(u"1/4=+1=", u','), u"1");
  // The point key's point is still the point that the display is read with.
  EXPECT_EQ(Display(u"1.5+1=", u','), u"2,5");
  EXPECT_EQ(Display(u"1.5+1=", u'\u066B'), u"2\u066B5");
}

}  // namespace
}  // namespace numora
