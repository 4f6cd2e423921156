#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "numeric/NumberWriting.h"

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

// A text for each kind of fault, such as the sentence a topic gives it; a kind without a text of
// its own takes the text for every other fault.
struct FaultTexts {
  std::u16string_view invalidArgument = {};
  std::u16string_view overflow = {};
  std::u16string_view divisionByZero = {};
  std::u16string_view typeMismatch = {};
  std::u16string_view otherwise = {};

  std::u16string_view operator[](FaultKind kind) const;
};

// The fault's name in Arabic, as its box and the working name it.
std::u16string_view ArabicName(FaultKind kind);

// Why the results a fault stopped were not computed: "توقف الحساب عند الخطأ 6، تجاوز السعة",
// the number in the region's digits.
std::u16string StopReason(const Fault& fault, Numerals numerals = {});

// What a failure that is no exception of the standard library is called.
inline constexpr std::string_view kUnknownFailure = "unknown failure";

// Runs the handler of a click, the one place where what it throws is caught: a fault goes to
// onFault, and any other exception to onFailure with its text (kUnknownFailure for one that has
// none), each inside its catch.
template <class Handler, class OnFault, class OnFailure>
void RunGuarded(Handler&& handler, OnFault&& onFault, OnFailure&& onFailure) {
  try {
    handler();
  } catch (const Fault& fault) {
    onFault(fault);
  } catch (const std::exception& failure) {
    onFailure(std::string_view(failure.what()));
  } catch (...) {
    onFailure(kUnknownFailure);
  }
}

}  // namespace numora
