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

}  // namespace

std::optional<Problem> TriangleProblem(const Values& values, Notation notation) {
  return Stated(u"مثلث قاعدته " + Slot(kBase) + u" وارتفاعه " + Slot(kHeight), values, notation,
                Unit::Length);
}

std::optional<Problem> RectangleProblem(const Values& values, Notation notation) {
  if (Equal(values, {kWidth, kLength}))
    return Stated(u"مربع طول ضلعه " + Slot(kWidth), values, notation, Unit::Length);
  return Stated(u"مستطيل عرضه " + Slot(kWidth) + u" وطوله " + Slot(kLength), values, notation,
                Unit::Length);
}

std::optional<Problem> TrapezoidProblem(const Values& values, Notation notation) {
  return Stated(u"شبه منحرف قاعدتاه المتوازيتان " + Slot(kFirstBase) + u" و" + Slot(kSecondBase) +
                    u" وارتفاعه " + Slot(kHeight),
                values, notation, Unit::Length);
}

std::optional<Problem> CircleProblem(const Values& values, Notation notation) {
  return Stated(u"دائرة نصف قطرها " + Slot(kRadius), values, notation, Unit::Length);
}

std::optional<Problem> CuboidProblem(const Values& values, Notation notation) {
  if (Equal(values, {kWidth, kHeight, kLength}))
    return Stated(u"مكعب طول حرفه " + Slot(kWidth), values, notation, Unit::Length);
  return Stated(u"متوازي مستطيلات عرضه " + Slot(kWidth) + u" وارتفاعه " + Slot(kHeight) +
                    u" وطوله " + Slot(kLength),
                values, notation, Unit::Length);
}

std::optional<Problem> SphereProblem(const Values& values, Notation notation) {
  return Stated(u"كرة نصف قطرها " + Slot(kRadius), values, notation, Unit::Length);
}

std::optional<Problem> CylinderProblem(const Values& values, Notation notation) {
  return Stated(u"أسطوانة نصف قطر قاعدتها " + Slot(kRadius) + u" وارتفاعها " + Slot(kHeight),
                values, notation, Unit::Length);
}

}  // namespace numora
