#include "numeric/Fault.h"

namespace numora {

const char* Fault::what() const noexcept {
  switch (kind_) {
    case FaultKind::InvalidArgument:
      return "Invalid procedure call or argument";
    case FaultKind::Overflow:
      return "Overflow";
    case FaultKind::DivisionByZero:
      return "Division by zero";
    case FaultKind::TypeMismatch:
      return "Type mismatch";
  }
  // Only reachable through a cast of a number that names no fault.
  return "Unknown fault";
}

}  // namespace numora
