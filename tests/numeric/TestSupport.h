#pragma once

#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>

#include "numeric/Fault.h"

namespace numora {

inline void PrintTo(FaultKind kind, std::ostream* os) { *os << Fault(kind).what(); }

namespace test {

// What a conversion or an operation gave: a value or the fault it raised. Rows of value cases and
// fault cases share one table through it.
using Outcome = std::variant<double, FaultKind>;

template <class Operation>
Outcome Capture(Operation&& operation) {
  try {
    return operation();
  } catch (const Fault& fault) {
    return fault.kind();
  }
}

// Readable form of a UTF-16 text for failure messages: ASCII as it is, the rest as \uXXXX.
inline std::string Show(std::u16string_view text) {
  std::string shown = "\"";
  for (char16_t c : text) {
    if (c >= 0x20 && c < 0x7F) {
      shown += static_cast<char>(c);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
      shown += escaped;
    }
  }
  return shown + '"';
}

}  // namespace test
}  // namespace numora
