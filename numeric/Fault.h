#pragma once

#include <exception>

namespace numora {

// The faults a computation can raise. The numbers are the conventional run-time error numbers
// that teachers and older manuals use for them; the fault box shows them.
enum class FaultKind : int {
  // A power with a negative base and a fractional exponent, the square root of a negative
  // number, an even root of a negative radicand.
  InvalidArgument = 5,
  // A result beyond the double range, and every invalid operation that is not a division by
  // zero (0 / 0, infinity - infinity).
  Overflow = 6,
  // A finite non-zero number divided by zero; zero raised to a negative power.
  DivisionByZero = 11,
  // Text that the strict reader cannot take as a number.
  TypeMismatch = 13,
};

class Fault : public std::exception {
 public:
  explicit Fault(FaultKind kind) noexcept : kind_(kind) {}
  FaultKind kind() const noexcept { return kind_; }
  int number() const noexcept { return static_cast<int>(kind_); }
  const char* what() const noexcept override;

 private:
  FaultKind kind_;
};

}  // namespace numora
