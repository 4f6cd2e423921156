#include "numeric/Arithmetic.h"

#include <cmath>

#include "numeric/Fault.h"

namespace numora {

// The conditions are derived from the operands and the result alone, never from the
// floating-point environment: the compiler is free to reorder or fold arithmetic around reads of
// the status flags, but it cannot change what these comparisons see.
Checked Checked::From(double result, double a, double b, unsigned conditions) noexcept {
  const bool operandsNumbers = !std::isnan(a) && !std::isnan(b);
  if (std::isnan(result) && operandsNumbers) {
    // 0/0, infinity - infinity, 0 * infinity, infinity / infinity.
    conditions |= Invalid;
  } else if (std::isinf(result) && std::isfinite(a) && std::isfinite(b)) {
    conditions |= Overflowed;
  }
  return Checked(result, conditions);
}

Checked operator+(Checked a, Checked b) noexcept {
  return Checked::From(a.value_ + b.value_, a.value_, b.value_, a.conditions_ | b.conditions_);
}

Checked operator-(Checked a, Checked b) noexcept {
  return Checked::From(a.value_ - b.value_, a.value_, b.value_, a.conditions_ | b.conditions_);
}

Checked operator*(Checked a, Checked b) noexcept {
  return Checked::From(a.value_ * b.value_, a.value_, b.value_, a.conditions_ | b.conditions_);
}

Checked operator/(Checked a, Checked b) noexcept {
  const unsigned inherited = a.conditions_ | b.conditions_;
  // A finite non-zero number over zero gives an exact infinity: that is a division by zero, not an
  // overflow. 0/0 falls through and is classified as invalid.
  if (b.value_ == 0.0 && a.value_ != 0.0 && std::isfinite(a.value_)) {
    return Checked(a.value_ / b.value_, inherited | Checked::DivideByZero);
  }
  return Checked::From(a.value_ / b.value_, a.value_, b.value_, inherited);
}

Checked operator-(Checked a) noexcept { return Checked(-a.value_, a.conditions_); }

double ValueOrFault(Checked result) {
  const unsigned conditions = result.conditions();
  if (conditions & Checked::DivideByZero) {
    throw Fault(FaultKind::DivisionByZero);
  }
  // The last test also catches an infinity or not-a-number that entered the expression as a plain
  // operand, so that none can reach the display text.
  if ((conditions & (Checked::Invalid | Checked::Overflowed)) || !std::isfinite(result.value())) {
    throw Fault(FaultKind::Overflow);
  }
  return result.value();
}

double Power(double base, double exponent) {
  if (std::isnan(base) || std::isnan(exponent)) {
    throw Fault(FaultKind::InvalidArgument);
  }
  if (base < 0.0 && std::isfinite(exponent) && exponent != std::trunc(exponent)) {
    throw Fault(FaultKind::InvalidArgument);
  }
  if (base == 0.0 && exponent < 0.0) {
    throw Fault(FaultKind::DivisionByZero);
  }
  const double result = std::pow(base, exponent);
  if (!std::isfinite(result)) {
    throw Fault(FaultKind::Overflow);
  }
  // A result too small for a double comes back as zero or a subnormal and passes.
  return result;
}

double SquareRoot(double x) {
  // Written so that a not-a-number argument is refused as well.
  if (!(x >= 0.0)) {
    throw Fault(FaultKind::InvalidArgument);
  }
  return std::sqrt(x);
}

}  // namespace numora
