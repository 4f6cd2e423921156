#include "practice/Slips.h"

#include <functional>
#include <numbers>

namespace numora {
namespace {

using Kind = Expr::Kind;

bool IsConstant(const Expr& expr, double value) {
  return expr.kind() == Kind::Constant && expr.piMultiple() == 0 && expr.number() == value;
}
bool IsPlainConstant(const Expr& expr) {
  return expr.kind() == Kind::Constant && expr.piMultiple() == 0;
}

// The slips made at the node itself, each as the node's replacement.
void LocalSlips(const Expr& e, const std::function<void(Expr, Slip::Kind)>& add) {
  switch (e.kind()) {
    case Kind::Power:
      if (IsConstant(e.operand(1), 2)) {
        add(e.operand(0), Slip::Kind::SquareForgotten);
        add(e.operand(0) * 2, Slip::Kind::DoubledForSquare);
      } else if (IsConstant(e.operand(1), 3)) {
        add(e.operand(0), Slip::Kind::CubeForgotten);
        add(e.operand(0) * 3, Slip::Kind::TripledForCube);
      }
      break;
    case Kind::SquareRoot:
      add(e.operand(0), Slip::Kind::RootForgotten);
      break;
    case Kind::Multiply:
      for (std::size_t i = 0; i < 2; ++i)
        if (e.operand(i).kind() == Kind::Ratio)
          add(e.operand(1 - i), Slip::Kind::FractionForgotten);
      break;
    case Kind::Negate:
      add(e.operand(0), Slip::Kind::MinusForgotten);
      break;
    case Kind::Subtract:
      if (IsPlainConstant(e.operand(1))) add(e.operand(0), Slip::Kind::ConstantNotSubtracted);
      add(e.operand(0) + e.operand(1), Slip::Kind::AddedForSubtracted);
      break;
    case Kind::Add:
      if (IsPlainConstant(e.operand(1))) add(e.operand(0), Slip::Kind::ConstantNotAdded);
      add(e.operand(0) - e.operand(1), Slip::Kind::SubtractedForAdded);
      break;
    case Kind::Divide: {
      const Expr& divisor = e.operand(1);
      if (divisor.kind() == Kind::Multiply && IsPlainConstant(divisor.operand(0)))
        add(e.operand(0) / divisor.operand(1), Slip::Kind::DividedByPart);
      break;
    }
    case Kind::Quantity:
      if (e.name() == kRadiusName) add(2 * e, Slip::Kind::DiameterForRadius);
      break;
    case Kind::Constant:
      if (e.piMultiple() != 0)
        add(Expr(e.piMultiple() * std::numbers::pi), Slip::Kind::PiNotAsTaught);
      break;
    case Kind::Abs:
    case Kind::NthRoot:
    case Kind::Stage:
    case Kind::Ratio:
      break;
  }
}

// The slips at the node and inside it; whole rebuilds the full expression around a replacement.
void Collect(const Expr& e, const std::function<Expr(const Expr&)>& whole,
             std::vector<Slip>& slips) {
  LocalSlips(e, [&](Expr replacement, Slip::Kind kind) {
    slips.push_back({whole(replacement), kind, e});
  });
  // The reciprocal of a root's index is formed from the index itself, not changed on its own.
  const std::size_t operands = e.kind() == Kind::NthRoot ? 2 : e.operandCount();
  for (std::size_t i = 0; i < operands; ++i) {
    Collect(
        e.operand(i),
        [&](const Expr& replacement) {
          std::vector<Expr> changed;
          for (std::size_t j = 0; j < e.operandCount(); ++j) changed.push_back(e.operand(j));
          changed[i] = replacement;
          return whole(WithOperands(e, changed));
        },
        slips);
  }
}

// A name for the part a slip changed, where it has one, as the notation writes it: "نق" or "r",
// "أ" or "a" for the coefficient A, "المميز".
std::u16string NameOf(const Expr& expr, const Notation& notation) {
  if (expr.kind() == Kind::Quantity || expr.kind() == Kind::Stage)
    return notation.letter(expr.name());
  return {};
}

}  // namespace

std::vector<Slip> SlipsOf(const Expr& expression) {
  std::vector<Slip> slips;
  Collect(
      expression, [](const Expr& replacement) { return replacement; }, slips);
  return slips;
}

std::u16string SlipSentence(const Slip& slip, Notation notation) {
  const std::u16string seems = u"يبدو أنك ";
  const Expr& e = slip.changed;
  const auto number = [&](double x) { return NumberToText(x, notation); };
  switch (slip.kind) {
    case Slip::Kind::SquareForgotten:
    case Slip::Kind::CubeForgotten: {
      const std::u16string name = NameOf(e.operand(0), notation);
      const bool square = slip.kind == Slip::Kind::SquareForgotten;
      if (name.empty()) return seems + (square ? u"نسيت التربيع" : u"نسيت التكعيب");
      return seems + (square ? u"نسيت تربيع " : u"نسيت تكعيب ") + name;
    }
    case Slip::Kind::DoubledForSquare:
    case Slip::Kind::TripledForCube: {
      const bool square = slip.kind == Slip::Kind::DoubledForSquare;
      const std::u16string name = NameOf(e.operand(0), notation);
      return seems + u"ضربت " + (name.empty() ? u"" : name + u" ") + u"في " +
             number(square ? 2 : 3) + (square ? u" بدل التربيع" : u" بدل التكعيب");
    }
    case Slip::Kind::RootForgotten:
      return seems + u"نسيت الجذر التربيعي";
    case Slip::Kind::FractionForgotten: {
      const Expr& ratio = e.operand(0).kind() == Kind::Ratio ? e.operand(0) : e.operand(1);
      if (ratio.numerator() == 1 && ratio.denominator() == 2) return seems + u"نسيت النصف";
      return seems + u"نسيت الضرب في " + number(ratio.numerator()) + u"/" +
             number(ratio.denominator());
    }
    case Slip::Kind::MinusForgotten:
      return seems + u"نسيت إشارة السالب";
    case Slip::Kind::AddedForSubtracted:
      return seems + u"جمعت بدل أن تطرح";
    case Slip::Kind::SubtractedForAdded:
      return seems + u"طرحت بدل أن تجمع";
    case Slip::Kind::ConstantNotAdded:
      return seems + u"نسيت إضافة " + number(e.operand(1).number());
    case Slip::Kind::ConstantNotSubtracted:
      return seems + u"نسيت طرح " + number(e.operand(1).number());
    case Slip::Kind::DividedByPart: {
      const Expr& divisor = e.operand(1);
      const std::u16string name = NameOf(divisor.operand(1), notation);
      if (name.empty()) return seems + u"نسيت العدد " + number(divisor.operand(0).number());
      // The factor beside its letter, as the formula writes it: "2 أ", "2a".
      return seems + u"قسمت على " + name + u" لا على " + number(divisor.operand(0).number()) +
             (notation.latin() ? u"" : u" ") + name;
    }
    case Slip::Kind::DiameterForRadius:
      return seems + u"أخذت القطر بدل نصف القطر";
    case Slip::Kind::PiNotAsTaught:
      return seems + u"لم تأخذ النسبة التقريبية " + number(kPi);
  }
  return {};
}

}  // namespace numora
