#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "numeric/Fault.h"

namespace numora {
namespace {

// What the guarded runner hands on for each way a handler can end: a fault (a standard exception
// too) goes to the fault's callback alone, any other exception to the failure's with its text.
TEST(RunGuarded, HandsEachEndOfAHandlerToItsOwnCallback) {
  const struct {
    const char* what;
    std::function<void()> handler;
    std::string handed;  // "" when neither callback ran
  } rows[] = {
      {"returns", [] {}, ""},
      {"a fault", [] { throw Fault(FaultKind::DivisionByZero); }, "fault 11"},
      {"a standard exception", [] { throw std::runtime_error("no skin"); }, "failure no skin"},
      {"an empty text", [] { throw std::runtime_error(""); }, "failure "},
      {"anything else", [] { throw 42; }, "failure unknown failure"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    std::string handed;
    int calls = 0;
    RunGuarded(
        row.handler,
        [&](const Fault& fault) {
          ++calls;
          handed = "fault " + std::to_string(fault.number());
        },
        [&](std::string_view failure) {
          ++calls;
          handed = "failure " + std::string(failure);
        });
    EXPECT_EQ(handed, row.handed);
    EXPECT_EQ(calls, row.handed.empty() ? 0 : 1);
  }
}

}  // namespace
}  // namespace numora
