#pragma once

#include <string_view>

#include "numeric/Formula.h"

namespace numora {

// The quantities of the algebra windows, by the names their formulas give them.
inline constexpr std::u16string_view kRadicand = u"ما تحت الجذر", kIndex = u"دليل الجذر",
                                     kPowerBase = u"الأساس", kExponent = u"الأس",
                                     kFirstLeg = u"الضلع الأول", kSecondLeg = u"الضلع الثاني",
                                     kA = u"A", kB = u"B", kC = u"C";

// The root of a number as the reciprocal power of its index; a negative radicand under an odd
// whole index gives the real root, the negative of the root of its absolute value: the cube root
// of -27 is -3.
extern const Formula RootOfNumber, PowerOfNumber;
// The hypotenuse from the squares of the two legs.
extern const Formula Hypotenuse;
// The quadratic equation A س² + B س + C = 0: its discriminant, and the two roots over 2A, the
// first with -√d, the second with +√d.
extern const Formula Discriminant, FirstRoot, SecondRoot;

// Why the quadratic's roots are not computed when the discriminant is negative.
inline constexpr std::u16string_view kNoRealRoot = u"المميز سالب، فليس للمعادلة جذر حقيقي";

}  // namespace numora
