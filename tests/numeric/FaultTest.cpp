#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "numeric/Fault.h"

namespace numora {
namespace {

// Each way a handler can end reaches one callback at most: a fault (a standard exception too) the
// fault's, any other exception the failure's, with its text.
TEST(RunGuarded, HandsEachEndOfAHandlerToItsOwnCallback) {
  const std::pair<std::function<void()>, std::vector<std::string>> rows[] = {
      {[] {}, {}},
      {[] { throw Fault(FaultKind::DivisionByZero); }, {"fault 11"}},
      {[] { throw std::runtime_error("no skin"); }, {"failure no skin"}},
      {[] { throw 42; }, {"failure unknown failure"}},
  };
  for (const auto& [handler, expected] : rows) {
    std::vector<std::string> handed;
    RunGuarded(
        handler,
        [&](const Fault& fault) { handed.push_back("fault " + std::to_string(fault.number())); },
        [&](std::string_view failure) { handed.push_back("failure " + std::string(failure)); });
    EXPECT_EQ(handed, expected);
  }
}

}  // namespace
}  // namespace numora
