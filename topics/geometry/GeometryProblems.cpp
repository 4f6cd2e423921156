#include "topics/geometry/GeometryProblems.h"

#include <initializer_list>
#include <string>
#include <string_view>

#include "topics/geometry/GeometryFormulas.h"

namespace numora {
namespace {

std::u16string Slot(std::u16string_view quantity) { return u"{" + std::u16string(quantity) + u"}"; }

// Whether every length was read and all are the same.
bool Equal(const Values& values, std::initializer_list<std::u16string_view> lengths) {
  const double* first = values.find(*lengths.begin());
  for (const std::u16string_view length : lengths) {
    const double* other = values.find(length);
    if (first == nullptr || other == nullptr || *other != *first) return false;
  }
  return true;
}

// A figure's problem, whose every number is a length.
std::optional<Problem> Lengths(const std::u16string& sentence, const Values& values,
                               Notation notation) {
  return Stated(sentence, values, notation, Unit::Length);
}

}  // namespace

std::optional<Problem> TriangleProblem(const Values& values, Notation notation) {
  return Lengths(u"مثلث قاعدته " + Slot(kBase) + u" وارتفاعه " + Slot(kHeight), values, notation);
}

std::optional<Problem> RectangleProblem(const Values& values, Notation notation) {
  if (Equal(values, {kWidth, kLength}))
    return Lengths(u"مربع طول ضلعه " + Slot(kWidth), values, notation);
  return Lengths(u"مستطيل عرضه " + Slot(kWidth) + u" وطوله " + Slot(kLength), values, notation);
}

std::optional<Problem> TrapezoidProblem(const Values& values, Notation notation) {
  return Lengths(u"شبه منحرف قاعدتاه المتوازيتان " + Slot(kFirstBase) + u" و" + Slot(kSecondBase) +
                     u" وارتفاعه " + Slot(kHeight),
                 values, notation);
}

std::optional<Problem> CircleProblem(const Values& values, Notation notation) {
  return Lengths(u"دائرة نصف قطرها " + Slot(kRadius), values, notation);
}

std::optional<Problem> CuboidProblem(const Values& values, Notation notation) {
  if (Equal(values, {kWidth, kHeight, kLength}))
    return Lengths(u"مكعب طول حرفه " + Slot(kWidth), values, notation);
  return Lengths(u"متوازي مستطيلات عرضه " + Slot(kWidth) + u" وارتفاعه " + Slot(kHeight) +
                     u" وطوله " + Slot(kLength),
                 values, notation);
}

std::optional<Problem> SphereProblem(const Values& values, Notation notation) {
  return Lengths(u"كرة نصف قطرها " + Slot(kRadius), values, notation);
}

std::optional<Problem> CylinderProblem(const Values& values, Notation notation) {
  return Lengths(u"أسطوانة نصف قطر قاعدتها " + Slot(kRadius) + u" وارتفاعها " + Slot(kHeight),
                 values, notation);
}

}  // namespace numora
