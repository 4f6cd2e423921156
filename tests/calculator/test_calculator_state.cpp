// The calculator's keys, driven without a window. Keys are written as one string: digits, "." for
// the point key, + - * / for the operator keys, "=" and "C" for the key captioned "Backspace".
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

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
  // Right after the operator key the display still shows the number, which "=" takes.
  EXPECT_EQ(Display(u"9-="), u"0");
  EXPECT_EQ(Display(u"8*="), u"64");
  EXPECT_EQ(Display(u"9/3="), u"3");
  // The Part's rule for "=" again: the stored operand and the number on the display.
  EXPECT_EQ(Display(u"7+8=5="), u"12");
}

TEST(CalculatorEquals, DoesNothingWithoutAPendingOperator) {
  EXPECT_EQ(Display(u"42="), u"42");
  EXPECT_EQ(Display(u"4+2C="), u"");
  EXPECT_EQ(Display(u"4+2C5="), u"5");
}

TEST(CalculatorEquals, KeepsTheFullValueOfANumberItComputed) {
  EXPECT_EQ(Display(u"1/3="), u"0.333333333333333");
  EXPECT_EQ(Display(u"1/3*3="), u"1");  // not 0.999999999999999
  EXPECT_EQ(Display(u"1/3=*3="), u"1");
  EXPECT_EQ(Display(u"1/3=+0="), u"0.333333333333333");
  // A number typed or edited on the display is read from its text.
  CalculatorState calculator(u'.');
  calculator.setDisplay(u"0.1234567890123456789");
  Press(calculator, u"+0=");
  EXPECT_EQ(calculator.display(), u"0.123456789012346");
  Press(calculator, u"C1/3=");
  calculator.setDisplay(u"0.33333");
  Press(calculator, u"*3=");
  EXPECT_EQ(calculator.display(), u"0.99999");
}

// A display read only in part is noted, for as long as the calculation uses what was read.
TEST(CalculatorNotes, SayHowADisplayReadInPartWasRead) {
  const std::u16string twelve = u"حُسب بالعدد 12 من شاشة الحاسبة وأُهمل «,5».";
  const std::u16string none = u"لم يكن في شاشة الحاسبة عدد، فحُسب بالعدد 0 وأُهمل «abc».";
  const struct {
    const char16_t* typed;  // on the display before the keys
    const char16_t* keys;
    char16_t separator;
    const char16_t* display;
    std::vector<std::u16string> notes;
  } cases[] = {
      {u"12,5", u"+1=", u'.', u"13", {twelve}},
      {u"12,5", u"+1=", u',', u"13,5", {}},  // the locale's own separator is read whole
      {u"abc", u"+2=", u'.', u"2", {none}},
      {u"abc", u"+2==", u'.', u"2", {none}},  // a result read again is no new reading
      {u"", u"+2=", u'.', u"2", {}},          // an empty display is 0, as on any calculator
      {u"abc", u"+2=5+1=", u'.', u"6", {}},   // a new calculation has notes of its own
      {u"abc", u"+2=C", u'.', u"", {}},
      {u"12,5", u"*", u'.', u"12,5", {twelve}},  // said at once, before the next number
      // A number pasted with the isolates and marks Numora writes around it, or a no-break space
      // before it, is read whole, with nothing to note.
      {u"\u20668\u2069", u"*8=", u'.', u"64", {}},
      {u"\u200F\u00A0\u2212\u0663\u066B\u0665\u200E", u"*2=", u'.', u"-7", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.keys, c.keys + std::u16string_view(c.keys).size()));
    CalculatorState calculator(c.separator);
    calculator.setDisplay(c.typed);
    Press(calculator, c.keys);
    EXPECT_EQ(calculator.display(), c.display);
    EXPECT_EQ(calculator.notes(), c.notes);
  }
}

// Key sequences as a pocket calculator runs them, from left to right.
TEST(CalculatorChaining, EvaluatesLeftToRightAsEachOperatorKeyIsPressed) {
  const struct {
    const char16_t* keys;
    const char16_t* display;
  } cases[] = {
      {u"2+3+", u"5"},         // the pending sum is shown when the next operator comes
      {u"2+3+4=", u"9"},       // not 7
      {u"12+7*2=", u"38"},     // left to right, not 14
      {u"7+-2=", u"5"},        // a second operator key only replaces the first
      {u"7+*/-2=", u"5"},      //   however many times
      {u"10-4*2/3=", u"4"},    // ((10 - 4) × 2) ÷ 3
      {u"7+8=5", u"5"},        // a digit after "=" starts a new number
      {u"7+8=5+1=", u"6"},     //   and it is the next operand
      {u"7+8=+1=", u"16"},     // an operator after "=" takes the result, evaluating nothing
      {u"7+8=*=", u"225"},     //   and "=" right after it squares it
      {u"2*3=4", u"4"},        // not 34
      {u"2.5+.5=", u"3"},      // the point starts the new number as a digit does
      {u"2.5+1.5=.7", u".7"},  // after "=" too, with its flag cleared
      {u"1+2+C3=", u"3"},      // the clear-all key still clears everything
  };
  for (const auto& c : cases) {
    const std::u16string keys = c.keys;
    EXPECT_EQ(Display(keys), c.display) << std::string(keys.begin(), keys.end());
  }
}

TEST(CalculatorChaining, KeepsTheOperandAndOperatorBetweenKeys) {
  CalculatorState calculator(u'.');
  Press(calculator, u"7+");
  EXPECT_EQ(calculator.firstOperand(), u"7");
  EXPECT_EQ(calculator.pendingOperation(), Operation::Add);
  EXPECT_EQ(calculator.display(), u"7");  // still in view
  Press(calculator, u"*");
  EXPECT_EQ(calculator.firstOperand(), u"7");
  EXPECT_EQ(calculator.pendingOperation(), Operation::Multiply);
  Press(calculator, u"3-");
  EXPECT_EQ(calculator.firstOperand(), u"21");
  EXPECT_EQ(calculator.display(), u"21");
  EXPECT_EQ(calculator.pendingOperation(), Operation::Subtract);
  // Text typed into the display box after "=" is a new number, and the next operator key does
  // not evaluate the completed operation again.
  Press(calculator, u"1=");
  calculator.setDisplay(u"4");
  Press(calculator, u"*2=");
  EXPECT_EQ(calculator.display(), u"8");
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
  // After "=" the point key starts a new number.
  EXPECT_EQ(Display(u"1.5+1=."), u".");
  EXPECT_EQ(Display(u"1+1.5=.."), u".");
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
  EXPECT_EQ(FaultOf(u"8/0+"), FaultKind::DivisionByZero);  // an operator key evaluates as "="
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

  // A fault at an operator key that evaluates leaves the state as it was too, the new operator
  // not set.
  CalculatorState chained(u'.');
  Press(chained, u"8/0");
  EXPECT_THROW(chained.press(CalculatorKey::Operator(Operation::Add)), Fault);
  EXPECT_EQ(chained.display(), u"0");
  EXPECT_EQ(chained.firstOperand(), u"8");
  EXPECT_EQ(chained.pendingOperation(), Operation::Divide);
  Press(chained, u"2=");
  EXPECT_EQ(chained.display(), u"4");

  CalculatorState huge(u'.');
  huge.setDisplay(u"1e308");
  Press(huge, u"*10");
  EXPECT_THROW(huge.press(CalculatorKey::Equals()), Fault);
  EXPECT_EQ(huge.display(), u"10");
}

TEST(CalculatorRegionalSettings, CommaSeparatorIsWrittenAndReadBack) {
  EXPECT_EQ(Display(u"1/4=", u','), u"0,25");
  // The display "0,25" reads back as a quarter: "=" again divides the stored 1 by it.
  EXPECT_EQ(Display(u"1/4==", u','), u"4");
  EXPECT_EQ(Display(u"1/4=+1=", u','), u"1,25");
  // The point key's point is still the point that the display is read with.
  EXPECT_EQ(Display(u"1.5+1=", u','), u"2,5");
  EXPECT_EQ(Display(u"1.5+1=", u'\u066B'), u"2\u066B5");
}

}  // namespace
}  // namespace numora
