#include "numeric/Bidi.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>

namespace numora {
namespace {

// Any text, isolated each way and its marks taken away again, reads as the letters it held: the
// marks are those Unicode's algorithm reads, and their neighbours in the code charts are letters.
TEST(Bidi, AnIsolatedTextReadsAsItsLettersOnceTheMarksAreTakenAway) {
  const std::u16string
      marks = u"\u200E\u200F\u061C\u202A\u202B\u202C\u202D\u202E\u2066\u2067\u2068\u2069",
      letters = u"a3س٣ (،\u200D\u2065\u206A\u202F\u2029\u061B";
  const std::pair<std::u16string (*)(std::u16string_view), char16_t> isolates[] = {
      {Isolate, u'\u2068'}, {LeftToRightIsolate, u'\u2066'}, {RightToLeftIsolate, u'\u2067'}};
  std::mt19937 random(20240613);
  for (int i = 0; i < 2000; ++i) {
    std::u16string text, reads;
    for (auto n = random() % 12; n > 0; --n) {
      const bool mark = random() % 3 == 0;
      const char16_t c = mark ? marks[random() % marks.size()] : letters[random() % letters.size()];
      text += c;
      if (!mark) reads += c;
    }
    ASSERT_EQ(WithoutBidiMarks(text), reads);
    for (const auto& [isolate, opening] : isolates) {
      const std::u16string isolated = isolate(text);
      EXPECT_EQ(isolated.front(), opening);
      EXPECT_EQ(isolated.back(), u'\u2069');
      EXPECT_EQ(WithoutBidiMarks(isolated), reads);
    }
  }
}

}  // namespace
}  // namespace numora
