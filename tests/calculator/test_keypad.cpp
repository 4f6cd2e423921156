// The keypad without a window: which key each button and each typed character sends, and when a
// character typed into the display box goes in as text instead.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "calculator/Keypad.h"

namespace numora {
namespace {

using Key = CalculatorKey;

TEST(KeypadCharacters, StandForTheirKeys) {
  const std::pair<std::u16string_view, std::optional<Key>> rows[] = {
      {u"+", Key::Operator(Operation::Add)},
      {u"-", Key::Operator(Operation::Subtract)},
      {u"*\u00D7", Key::Operator(Operation::Multiply)},
      {u"/\u00F7", Key::Operator(Operation::Divide)},
      {u"=", Key::Equals()},
      {u".,\u066B", Key::Point()},
      // The neighbours of the three digit ranges, other digits, letters and signs.
      {std::u16string_view(u":\u065F\u066A\u06EF\u06FA\uFF10Ex\u2212 \0", 11), std::nullopt}};
  for (const auto& [characters, key] : rows) {
    for (const char16_t c : characters) EXPECT_EQ(KeyForCharacter(c), key) << int{c};
  }
  for (const char16_t zero : {u'0', u'\u0660', u'\u06F0'}) {
    for (int digit = 0; digit < 10; ++digit)
      EXPECT_EQ(KeyForCharacter(static_cast<char16_t>(zero + digit)), Key::Digit(digit))
          << int{zero};
  }
}

TEST(KeypadButtons, EachDigitHasExactlyOneButton) {
  for (int digit = 0; digit < 10; ++digit)
    EXPECT_EQ(std::ranges::count(kDigitButtonKeys, Key::Digit(digit)), 1) << digit;
}

// Keys pressed first, as typed characters; the display box's text; the character typed.
TEST(KeypadDisplayBox, TakesDigitsAndPointsAsTextExceptToStartANewNumber) {
  const std::tuple<std::u16string_view, std::u16string_view, char16_t, bool> rows[] = {
      {u"", u"", u'5', true},
      {u"12", u"12", u'\u066B', true},
      {u"12+", u"12", u'3', false},
      {u"12+", u"12", u',', false},
      {u"1+2=", u"3", u'\u0664', false},
      {u"12+", u"125", u'3', true},  // the new number is already being typed in the box
      {u"12", u"12", u'+', false}};
  for (const auto& [pressed, box, typed, asText] : rows) {
    CalculatorState state(u'.');
    for (const char16_t c : pressed) state.press(*KeyForCharacter(c));
    EXPECT_EQ(GoesInAsText(*KeyForCharacter(typed), state, box), asText)
        << std::string(pressed.begin(), pressed.end()) << " " << int{typed};
  }
}

}  // namespace
}  // namespace numora
