#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "numeric/Formula.h"
#include "numeric/Notation.h"
#include "numeric/NumberWriting.h"
#include "numeric/Typeset.h"

namespace numora {

// The whole numbers of an exact value: wide enough for the 30 digits a value may have and for the
// products on the way to it, every operation on them checked for overflow.
__extension__ typedef __int128 ExactInteger;

// A fraction in lowest terms with a positive denominator; zero is 0/1.
struct ExactFraction {
  ExactInteger numerator = 0;
  ExactInteger denominator = 1;

  friend bool operator==(const ExactFraction&, const ExactFraction&) = default;
};

// The exact value of a formula, where the textbook has one: every number a pupil types is an
// exact decimal (2.5 is 5/2), and so are the layouts' constants (3.14 is 157/50), so a formula of
// sums, products, quotients, whole powers and roots has an exact value of the form
//
//   a + b × ⁿ√m     (a and b fractions, m a whole number with no n-th power in it)
//
// as long as every number stays within bounds. Roots are simplified (√8 = 2√2, ∛54 = 3∛2,
// √(1/2) = √2/2), a power with a fractional exponent of small denominator is a root (2^0.5 = √2),
// and a sum of a fraction and a square root stays one (the quadratic's (5 + √13)/2). A constant
// that stands for π (Pi in numeric/Formula.h) is the number π, so that a measure of a circle,
// a sphere or a cylinder is a fraction times π (49π, 32π/3). Whatever leaves these terms (the sum
// of two different roots, π times a root, π², π plus a fraction, a number of more than about 30
// digits, an exponent that would need one) has no exact value here; so does a fault.
class ExactNumber {
 public:
  // a; for a multiple of π, the fraction that multiplies it.
  const ExactFraction& rational() const { return rational_; }
  // The value is a × π: never zero, and b is zero.
  bool timesPi() const { return timesPi_; }
  // b: zero for a plain fraction.
  const ExactFraction& coefficient() const { return coefficient_; }
  // m: at least 2, with no n-th power above 1 dividing it and no smaller index giving the same
  // root (⁴√4 is written √2); 1 for a plain fraction.
  ExactInteger radicand() const { return radicand_; }
  // n: at least 2.
  int index() const { return index_; }
  bool isFraction() const { return coefficient_.numerator == 0 && !timesPi_; }

  friend bool operator==(const ExactNumber&, const ExactNumber&) = default;

 private:
  // Made only by ExactValue, which keeps the form above.
  ExactNumber(ExactFraction rational, ExactFraction coefficient, ExactInteger radicand, int index,
              bool timesPi)
      : rational_(rational),
        coefficient_(coefficient),
        radicand_(radicand),
        index_(index),
        timesPi_(timesPi) {}
  friend std::optional<ExactNumber> ExactValue(const Expr& expr, const Values& values);

  ExactFraction rational_;
  ExactFraction coefficient_;
  ExactInteger radicand_ = 1;
  int index_ = 2;
  bool timesPi_ = false;
};

// The exact value of the expression with the numbers of one calculation: a quantity's number is
// the decimal its double reads back as (the shortest text that reads as the same double), a stage
// is evaluated exactly from its own expression. Bounded: every input ends within milliseconds.
std::optional<ExactNumber> ExactValue(const Expr& expr, const Values& values);

// The exact answer in one line, in the region's digits (here ASCII): "340/9 = 37 7/9", "2√2",
// "3∛2", "⁵√2", "√2/2", "-√2", "(5 - √13)/2", "49π", "32π/3 = 10 2/3 π". Empty when it says no
// more than the decimal the window shows: a whole number or a decimal that ends, equal to the
// shown text's number or longer than the 15 digits the window shows (its decimal ends all the
// same). A multiple of π always says more: its decimal takes π as 3.14.
std::u16string ExactAnswer(const ExactNumber& exact, std::u16string_view shownDecimal,
                           Notation notation);
// The same answer as a formula to typeset: its fractions built up, a mixed number's whole number
// beside its fraction, its roots with their bar, π as the direction's letter (MathPi); none where
// the text is empty.
std::optional<Math> ExactAnswerMath(const ExactNumber& exact, std::u16string_view shownDecimal,
                                    Notation notation);

// The nearest double, for checking the exact value against the decimal (with π as π, not 3.14).
double Approximate(const ExactNumber& exact);

}  // namespace numora
