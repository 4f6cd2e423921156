#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iomanip>
#include <limits>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "numeric/NumberReading.h"
#include "numeric/NumberWriting.h"

namespace numora {
namespace {

using test::Capture;
using test::Outcome;
using test::Show;

constexpr char16_t kSeparators[] = {u'.', u',', u'\u066B'};
constexpr int kMaxReportedFailures = 10;

bool SameDouble(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// Finite non-zero doubles drawn five ways in turn: any bit pattern (the whole exponent range),
// subnormals, values of the size results usually have, decimals of 1 to 17 digits as typed (their
// shortest texts are short, and some end in a 5 in the 16th digit), and close neighbours of
// powers of ten (where the digit count and the form of the text change) and of the largest
// double.
std::vector<double> SampleDoubles(std::size_t count) {
  std::mt19937_64 random(20240613);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> usualDecade(-20, 20);
  std::uniform_int_distribution<int> anyDecade(-325, 309);
  std::uniform_int_distribution<int> steps(-3, 3);
  std::uniform_int_distribution<int> digitCount(1, 17);
  std::uniform_int_distribution<int> digit(0, 9);
  std::vector<double> values;
  values.reserve(count);
  while (values.size() < count) {
    const std::uint64_t bits = random();
    const double sign = (bits >> 63) ? -1.0 : 1.0;
    double x = 0.0;
    switch (values.size() % 5) {
      case 0:
        x = std::bit_cast<double>(bits);
        break;
      case 1:
        x = std::bit_cast<double>(bits & 0x800F'FFFF'FFFF'FFFFu);
        break;
      case 2:
        x = sign * mantissa(random) * std::pow(10.0, usualDecade(random));
        break;
      case 3: {
        std::string typed = (bits >> 63) ? "-" : "";
        for (int n = digitCount(random); n > 0; --n) {
          typed += static_cast<char>('0' + digit(random));
        }
        typed += 'e' + std::to_string(usualDecade(random));
        x = std::strtod(typed.c_str(), nullptr);
        break;
      }
      default: {
        const int decade = anyDecade(random);
        x = sign * (decade > 308 ? std::numeric_limits<double>::max() : std::pow(10.0, decade));
        for (int n = steps(random); n != 0; n += n < 0 ? 1 : -1) {
          x = std::nextafter(x, n < 0 ? 0.0 : x * 2);
        }
      }
    }
    if (std::isfinite(x) && x != 0.0) {
      values.push_back(x);
    }
  }
  return values;
}

// The reference for the display text, taken from the C library independently of the code under
// test: the value rounded to 15 significant digits, and the power of ten of its first digit. Near
// the largest double that rounding leaves the double range, and the text reads back as the
// largest double.
struct Rounded {
  double value;
  int exponent;
};

Rounded RoundTo15Digits(double x) {
  char text[40];
  std::snprintf(text, sizeof text, "%.14e", x);
  double value = std::strtod(text, nullptr);
  if (std::isinf(value)) {
    value = std::copysign(std::numeric_limits<double>::max(), value);
  }
  return {value, std::atoi(std::strchr(text, 'e') + 1)};
}

// The text with its digits written in one of the two Arabic-Indic alphabets, which start at zero.
std::u16string WithDigitsFrom(std::u16string text, char16_t zero) {
  for (char16_t& c : text) {
    if (c >= u'0' && c <= u'9') c = static_cast<char16_t>(zero + (c - u'0'));
  }
  return text;
}

TEST(RoundTrip, TextReadsBackAsTheValueRoundedTo15Digits) {
  const std::vector<double> values = SampleDoubles(200'000);
  int failures = 0;
  for (std::size_t i = 0; i < values.size() && failures < kMaxReportedFailures; ++i) {
    const double x = values[i];
    const char16_t separator = kSeparators[i % 3];
    const Rounded expected = RoundTo15Digits(x);
    const std::u16string text = NumberToText(x, separator);

    const double strict = ParseNumberStrict(text, separator);
    const bool exponentForm = text.find(u'E') != std::u16string::npos;
    const bool onlyAllowedCharacters =
        text.find_first_not_of(std::u16string(u"0123456789E+-") + separator) == text.npos;
    // Given the locale's separator, the lenient reader reads the display text back too.
    const bool lenientAgrees = SameDouble(ParseNumber(text, separator), expected.value);
    // Written in a region's Arabic-Indic digits, it is the same text digit for digit, and the
    // same number to both readers.
    const char16_t zero = i % 2 ? u'\u0660' : u'\u06F0';
    const std::u16string arabic = NumberToText(x, Numerals(separator, zero));
    const bool arabicAgrees = arabic == WithDigitsFrom(text, zero) &&
                              SameDouble(ParseNumberStrict(arabic, separator), expected.value) &&
                              SameDouble(ParseNumber(arabic, separator), expected.value);
    if (!SameDouble(strict, expected.value) || NumberToText(expected.value, separator) != text ||
        !arabicAgrees || exponentForm != (expected.exponent >= 15 || expected.exponent < -4) ||
        !onlyAllowedCharacters || !lenientAgrees) {
      ++failures;
      ADD_FAILURE() << std::setprecision(17) << "value " << x << " written " << Show(text)
                    << " read back " << strict << ", expected " << expected.value << " (exponent "
                    << expected.exponent << ")";
    }
  }
}

TEST(RoundTrip, DisplayTextsSpoiltByOneCharacterAreNotNumbers) {
  const std::vector<double> values = SampleDoubles(20'000);
  for (std::size_t i = 0; i < values.size(); ++i) {
    const char16_t separator = kSeparators[i % 3];
    const std::u16string text = NumberToText(values[i], separator);
    std::vector<std::u16string> spoilt = {
        text + u"x",
        text.substr(0, text.size() / 2) + u" " + text.substr(text.size() / 2),
        // a fullwidth digit is no digit
        text.substr(0, text.size() - 1) + static_cast<char16_t>(u'\uFF10' + text.back() - u'0'),
    };
    if (const auto at = text.find(separator); at != text.npos) {
      spoilt.push_back(text);
      spoilt.back()[at] = separator == u',' ? u'.' : u',';  // a point this reader does not take
    }
    if (text.size() < 2) {
      spoilt.erase(spoilt.begin() + 1);  // a blank after a single digit is allowed
    }
    for (const std::u16string& bad : spoilt) {
      ASSERT_EQ(Capture([&] { return ParseNumberStrict(bad, separator); }),
                Outcome{FaultKind::TypeMismatch})
          << Show(bad);
    }
  }
}

// Short random texts over the characters that matter to the grammar, checked against a regular
// expression of the grammar and the C library's strtod. The regular expressions are the reference:
// the strict one must match exactly the texts ParseNumberStrict accepts, and the lenient one finds
// the leading number ParseNumber must read once the blanks are gone. Each digit of the text is
// written in one of the three alphabets and each point as "." or "٫", at random: the readers must
// see the same number as the ASCII reference.
TEST(Grammar, RandomShortTextsAgreeWithARegularExpressionOfTheGrammar) {
  static const std::regex strictNumber(
      R"(^[ \t]*[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?[ \t]*$)");
  static const std::regex leadingNumber(R"(^[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eEdD][+-]?[0-9]+)?)");
  constexpr std::string_view kAlphabet = "0123456789012345.+-eEdD ,\tx9";
  std::mt19937 random(7);
  std::uniform_int_distribution<std::size_t> length(0, 10);
  std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);

  for (int n = 0; n < 20'000; ++n) {
    std::string ascii;
    for (std::size_t i = length(random); i > 0; --i) {
      ascii += kAlphabet[pick(random)];
    }
    std::u16string text;
    for (char c : ascii) {
      constexpr char16_t kZeros[] = {u'0', u'\u0660', u'\u06F0'};
      const std::size_t alphabet = pick(random) % 3;
      if (c >= '0' && c <= '9') {
        text += static_cast<char16_t>(kZeros[alphabet] + (c - '0'));
      } else {
        text += c == '.' && alphabet == 1 ? u'\u066B' : static_cast<char16_t>(c);
      }
    }

    const Outcome strict = Capture([&] { return ParseNumberStrict(text, u'.'); });
    ASSERT_EQ(std::holds_alternative<double>(strict) ||
                  std::get<FaultKind>(strict) != FaultKind::TypeMismatch,
              std::regex_match(ascii, strictNumber))
        << Show(text);

    std::string compact;
    for (char c : ascii) {
      if (c != ' ' && c != '\t') {
        compact += (c == 'd' || c == 'D') ? 'e' : c;
      }
    }
    std::smatch match;
    Outcome expected = 0.0;
    if (std::regex_search(compact, match, leadingNumber)) {
      const double value = std::strtod(match.str().c_str(), nullptr);
      expected = std::isinf(value) ? Outcome{FaultKind::Overflow} : Outcome{value};
    }
    const Outcome lenient = Capture([&] { return ParseNumber(text); });
    ASSERT_EQ(lenient, expected) << Show(text);
    if (std::holds_alternative<double>(strict)) {
      ASSERT_EQ(lenient, strict) << Show(text);
    }
  }
}

}  // namespace
}  // namespace numora
