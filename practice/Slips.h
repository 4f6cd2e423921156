#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "numeric/Formula.h"
#include "numeric/Notation.h"
#include "numeric/NumberWriting.h"

namespace numora {

// The radius, by the name the geometry windows give it: a slip takes the diameter for it.
inline constexpr std::u16string_view kRadiusName = u"نق";

// A usual slip in computing a formula: the formula's expression with one change.
struct Slip {
  enum class Kind : std::uint8_t {
    SquareForgotten,        // نق² as نق
    DoubledForSquare,       // نق² as نق × 2
    CubeForgotten,          // نق³ as نق
    TripledForCube,         // نق³ as نق × 3
    RootForgotten,          // √x as x
    FractionForgotten,      // ½ × ع × ق as ع × ق
    MinusForgotten,         // -B as B
    AddedForSubtracted,     // B² - 4 × A × C as B² + 4 × A × C
    SubtractedForAdded,     // ع² + ق² as ع² - ق²
    ConstantNotAdded,       // س × 9 ÷ 5 + 32 as س × 9 ÷ 5
    ConstantNotSubtracted,  // (س - 32) × 5 ÷ 9 as س × 5 ÷ 9
    DividedByPart,          // ÷ (2 × A) as ÷ A
    DiameterForRadius,      // نق as 2 × نق
    PiNotAsTaught,          // π as 3.14159… rather than 3.14, as the program takes it
  };
  Expr expression;
  Kind kind;
  Expr changed;  // the part of the formula that was changed, before the change
};

// The slips of an expression, outermost first.
std::vector<Slip> SlipsOf(const Expr& expression);

// What a slip did, in words a pupil understands: "يبدو أنك نسيت تربيع نق".
std::u16string SlipSentence(const Slip& slip, Notation notation);

}  // namespace numora
