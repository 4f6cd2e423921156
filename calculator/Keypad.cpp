#include "calculator/Keypad.h"

#include "numeric/Fault.h"

namespace numora {

std::optional<CalculatorKey> KeyForCharacter(char16_t c) {
  switch (c) {
    case u'+':
      return CalculatorKey::Operator(Operation::Add);
    case u'-':
      return CalculatorKey::Operator(Operation::Subtract);
    case u'*':
    case u'\u00D7':
      return CalculatorKey::Operator(Operation::Multiply);
    case u'/':
    case u'\u00F7':
      return CalculatorKey::Operator(Operation::Divide);
    case u'=':
      return CalculatorKey::Equals();
    case u'.':
    case u',':
    case u'\u066B':
      return CalculatorKey::Point();
    default:
      break;
  }
  for (const char16_t zero : {u'0', u'\u0660', u'\u06F0'}) {
    if (c >= zero && c <= zero + 9) return CalculatorKey::Digit(c - zero);
  }
  return std::nullopt;
}

bool GoesInAsText(const CalculatorKey& key, const CalculatorState& state,
                  std::u16string_view displayText) {
  if (key.kind != CalculatorKey::Kind::Digit && key.kind != CalculatorKey::Kind::Point) {
    return false;
  }
  return !(state.awaitsNumber() && displayText == state.display());
}

std::u16string CalculatorFaultSentence(FaultKind kind) {
  return std::u16string(FaultTexts{
      .divisionByZero = u"لا قسمة على الصفر: اكتب عددا غير الصفر بعد مفتاح القسمة.",
      .typeMismatch = u"ما في شاشة الحاسبة ليس عددا.",
      .otherwise =
          u"لا يحسب هذا الناتج: إما أنه أكبر مما تحسبه الحاسبة وإما أنه صفر مقسوم على صفر.",
  }[kind]);
}

}  // namespace numora
