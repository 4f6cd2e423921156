#pragma once

namespace numora {

// A double together with the floating-point exception conditions (invalid operation, division by
// zero, overflow) that the operations producing it raised. Each operation checks its own operands
// and result explicitly, so the optimiser cannot move anything around the test; underflow and
// inexact results are not recorded.
class Checked {
 public:
  enum Condition : unsigned { None = 0, Invalid = 1, DivideByZero = 2, Overflowed = 4 };

  constexpr Checked(double value) noexcept : value_(value) {}  // NOLINT: implicit on purpose
  constexpr double value() const noexcept { return value_; }
  constexpr unsigned conditions() const noexcept { return conditions_; }

  friend Checked operator+(Checked a, Checked b) noexcept;
  friend Checked operator-(Checked a, Checked b) noexcept;
  friend Checked operator*(Checked a, Checked b) noexcept;
  friend Checked operator/(Checked a, Checked b) noexcept;
  friend Checked operator-(Checked a) noexcept;

 private:
  constexpr Checked(double value, unsigned conditions) noexcept
      : value_(value), conditions_(conditions) {}
  static Checked From(double result, double a, double b, unsigned conditions) noexcept;

  double value_;
  unsigned conditions_ = None;
};

// Checks a result for faults, after one of a handler's own expressions: raises the
// division-by-zero fault when a division by zero happened, otherwise the overflow fault for an
// invalid operation or an overflow. Returns the plain value when nothing was raised.
double ValueOrFault(Checked result);

// Library operations that check their own arguments and result and raise their own faults.
// Power: a negative base with a fractional exponent raises the invalid-argument fault, zero to a
// negative power the division-by-zero fault, a result beyond the double range the overflow fault.
double Power(double base, double exponent);
// SquareRoot: a negative argument raises the invalid-argument fault.
double SquareRoot(double x);

}  // namespace numora
