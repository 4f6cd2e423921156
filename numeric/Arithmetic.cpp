#include "numeric/Arithmetic.h"

#include <cmath>
#include <cstdint>

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

namespace {

// A number as the unevaluated sum of two doubles, for about 106 bits of precision.
struct DoubleDouble {
  double hi;
  double lo;
};

DoubleDouble Times(DoubleDouble a, DoubleDouble b) {
  const double product = a.hi * b.hi;
  double error = std::fma(a.hi, b.hi, -product);
  error += a.hi * b.lo + a.lo * b.hi;
  const double hi = product + error;
  return {hi, error - (hi - product)};
}

// A whole power by repeated squaring in double-double arithmetic, so that the result is the
// double nearest the exact power on every platform, whatever the C library's pow does with it.
// A negative power is a power of the reciprocal, so that no intermediate value is tinier than
// the result.
double WholePower(double base, std::int64_t exponent) {
  DoubleDouble factor{base, 0.0};
  if (exponent < 0) {
    const double reciprocal = 1.0 / base;
    factor = {reciprocal, -std::fma(reciprocal, base, -1.0) / base};
    exponent = -exponent;
  }
  DoubleDouble result{1.0, 0.0};
  while (exponent != 0) {
    if (exponent & 1) result = Times(result, factor);
    exponent >>= 1;
    if (exponent != 0) factor = Times(factor, factor);
  }
  return result.hi;
}

// Whole exponents up to this size are taken by repeated squaring; beyond it every base but
// ±1 and numbers next to it overflows or underflows anyway.
constexpr double kLargestWholeExponent = 2147483648.0;

}  // namespace

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
  const bool whole =
      exponent == std::trunc(exponent) && std::fabs(exponent) <= kLargestWholeExponent;
  const double result =
      whole ? WholePower(base, static_cast<std::int64_t>(exponent)) : std::pow(base, exponent);
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
