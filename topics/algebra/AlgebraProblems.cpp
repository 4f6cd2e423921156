#include "topics/algebra/AlgebraProblems.h"

#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "topics/algebra/AlgebraFormulas.h"

namespace numora {
namespace {

std::u16string Slot(std::u16string_view quantity) { return u"{" + std::u16string(quantity) + u"}"; }

}  // namespace

std::optional<Problem> RootProblem(const Values& values, Notation notation) {
  // The roots a textbook names by their ordinal, from the square root on.
  static constexpr std::array<std::u16string_view, 9> kNamed = {
      u"التربيعي", u"التكعيبي", u"الرابع", u"الخامس", u"السادس",
      u"السابع",   u"الثامن",   u"التاسع", u"العاشر"};
  const double* index = values.find(kIndex);
  if (index == nullptr) return std::nullopt;
  const std::u16string of = u" للعدد " + Slot(kRadicand);
  for (std::size_t i = 0; i < kNamed.size(); ++i)
    if (*index == static_cast<double>(i + 2))
      return Stated(u"الجذر " + std::u16string(kNamed[i]) + of, values, notation);
  return Stated(u"الجذر الذي دليله " + Slot(kIndex) + of, values, notation);
}

std::optional<Problem> PowerProblem(const Values& values, Notation notation) {
  return Stated(u"العدد " + Slot(kPowerBase) + u" مرفوعا إلى الأس " + Slot(kExponent), values,
                notation);
}

std::optional<Problem> PythagorasProblem(const Values& values, Notation notation) {
  return Stated(u"مثلث قائم ضلعاه " + Slot(kFirstLeg) + u" و" + Slot(kSecondLeg), values, notation,
                Unit::Length);
}

std::optional<Problem> QuadraticProblem(const Values& values, Notation notation) {
  const double *a = values.find(kA), *b = values.find(kB), *c = values.find(kC);
  if (a == nullptr || b == nullptr || c == nullptr) return std::nullopt;
  const Math unknown = MathName(u"س");
  std::vector<Math> row;
  // A term after the first is added or taken away; the first takes a minus of its own.
  const auto term = [&](double coefficient, const std::optional<Math>& power) {
    if (coefficient == 0) return;
    if (!row.empty())
      row.push_back(MathSign(coefficient < 0 ? u"-" : u"+"));
    else if (coefficient < 0)
      row.push_back(MathSign(u"-", true));
    const double size = std::abs(coefficient);
    if (size != 1 || !power) {
      const std::u16string digits = NumberToText(size, notation);
      // 1E+20س² would read as an exponent that goes on: the number stands in parentheses.
      const Math number = MathNumber(digits);
      row.push_back(digits.find(u'E') == std::u16string::npos ? number : MathParens(number));
    }
    if (power) row.push_back(*power);
  };
  term(*a, MathPower(unknown, MathNumber(notation.digits(u"2"))));
  term(*b, unknown);
  term(*c, std::nullopt);
  const Math zero = MathNumber(notation.digits(u"0"));
  if (row.empty()) row.push_back(zero);
  row.push_back(MathSign(u"="));
  row.push_back(zero);
  const Math equation = Written(MathRow(std::move(row)), notation);
  return Problem{LinearText(equation, notation.direction), equation};
}

}  // namespace numora
