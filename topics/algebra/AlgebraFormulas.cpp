#include "topics/algebra/AlgebraFormulas.h"

namespace numora {
namespace {

// The plain sentences of the faults, by the step under way: what went wrong and which box to
// look at.

std::u16string RootFault(const FaultPlace& place) {
  if (place.stage == kRootExponent)
    return place.kind == FaultKind::DivisionByZero
               ? u"دليل الجذر لا يمكن أن يكون صفرا: اكتب في خانة دليل الجذر عددا غير الصفر."
               : u"دليل الجذر صغير جدا فلا يحسب مقلوبه: انظر خانة دليل الجذر.";
  return std::u16string(FaultTexts{
      .invalidArgument =
          u"لا جذر حقيقيا لعدد سالب بهذا الدليل: انظر خانتي ما تحت الجذر ودليل الجذر.",
      .divisionByZero = u"لا يؤخذ جذر الصفر بدليل سالب: انظر خانتي ما تحت الجذر ودليل الجذر.",
      .otherwise = u"الناتج أكبر مما يحسبه البرنامج: انظر خانتي ما تحت الجذر ودليل الجذر.",
  }[place.kind]);
}

std::u16string PowerFault(const FaultPlace& place) {
  return std::u16string(FaultTexts{
      .invalidArgument = u"لا يرفع عدد سالب إلى أس كسري: انظر خانتي الأساس والأس.",
      .divisionByZero = u"لا يرفع الصفر إلى أس سالب: انظر خانتي الأساس والأس.",
      .otherwise = u"الناتج أكبر مما يحسبه البرنامج: انظر خانتي الأساس والأس.",
  }[place.kind]);
}

std::u16string HypotenuseFault(const FaultPlace&) {
  return u"مربع الضلعين أكبر مما يحسبه البرنامج: انظر خانتي الضلع الأول والضلع الثاني.";
}

std::u16string QuadraticFault(const FaultPlace& place) {
  if (place.formula == Discriminant.name || place.stage == Discriminant.name)
    return u"المميز أكبر مما يحسبه البرنامج: انظر خانات المعاملات A وB وC.";
  const double* a = place.values.find(kA);
  if (a != nullptr && *a == 0)
    return u"مع A = 0 ليست المعادلة تربيعية: اكتب في خانة المعامل A عددا غير الصفر.";
  return u"الحل أكبر مما يحسبه البرنامج: انظر خانات المعاملات A وB وC.";
}

const Expr a = Quantity(kA), b = Quantity(kB), c = Quantity(kC);

}  // namespace

const Formula RootOfNumber{u"الناتج", NthRoot(Quantity(kRadicand), Quantity(kIndex)), RootFault};

const Formula PowerOfNumber{u"الناتج", Pow(Quantity(kPowerBase), Quantity(kExponent)), PowerFault};

// The sum of two squares is the same in either order; its root is tested on its own.
const Formula Hypotenuse{u"طول الوتر",
                         Sqrt(Square(Quantity(kFirstLeg)) + Square(Quantity(kSecondLeg))),
                         HypotenuseFault,
                         {},
                         Unit::Length};

// 4 × A first: with A × (4 × C) a product beyond the range could come back into it.
const Formula Discriminant{u"المميز", Square(b) - 4 * a* c, QuadraticFault};

const Formula FirstRoot{u"س", (-b - Sqrt(Shown(Discriminant))) / (2 * a), QuadraticFault};
const Formula SecondRoot{u"س", (-b + Sqrt(Shown(Discriminant))) / (2 * a), QuadraticFault};

}  // namespace numora
