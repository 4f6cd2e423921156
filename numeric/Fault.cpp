#include "numeric/Fault.h"

namespace numora {

const char* Fault::what() const noexcept {
  switch (kind_) {
    case FaultKind::InvalidArgument:
      return "Invalid procedure call or argument";
    case FaultKind::Overflow:
      return "Overflow";
    case FaultKind::DivisionByZero:
      return "Division by zero";
    case FaultKind::TypeMismatch:
      return "Type mismatch";
  }
  // Only reachable through a cast of a number that names no fault.
  return "Unknown fault";
}

std::u16string_view FaultTexts::operator[](FaultKind kind) const {
  const std::u16string_view own = kind == FaultKind::InvalidArgument  ? invalidArgument
                                  : kind == FaultKind::Overflow       ? overflow
                                  : kind == FaultKind::DivisionByZero ? divisionByZero
                                  : kind == FaultKind::TypeMismatch   ? typeMismatch
                                                                      : std::u16string_view();
  return own.empty() ? otherwise : own;
}

std::u16string_view ArabicName(FaultKind kind) {
  constexpr FaultTexts kNames{.invalidArgument = u"استدعاء إجراء أو وسيطة غير صالحة",
                              .overflow = u"تجاوز السعة",
                              .divisionByZero = u"القسمة على صفر",
                              .typeMismatch = u"عدم تطابق النوع"};
  return kNames[kind];
}

std::u16string StopReason(const Fault& fault, Numerals numerals) {
  const std::string number = std::to_string(fault.number());
  return u"توقف الحساب عند الخطأ " + numerals.digits(std::u16string(number.begin(), number.end())) +
         u"، " + std::u16string(ArabicName(fault.kind()));
}

}  // namespace numora
