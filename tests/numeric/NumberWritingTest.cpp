#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "numeric/NumberWriting.h"

namespace numora {
namespace {

constexpr char16_t kArabicSeparator = u'\u066B';

struct TextRow {
  double value;
  std::u16string_view text;
};

TEST(NumberToText, FifteenSignificantDigitsInFixedOrExponentForm) {
  const TextRow rows[] = {
      {1.0 / 3.0, u"0.333333333333333"},
      {2.0 / 3.0, u"0.666666666666667"},
      {0.1 + 0.2, u"0.3"},
      {std::sqrt(2.0), u"1.4142135623731"},
      {123456789012345.0, u"123456789012345"},
      {1e15, u"1E+15"},
      {1234567890123456.0, u"1.23456789012346E+15"},
      {0.0001, u"0.0001"},
      {0.000015, u"1.5E-05"},
      {1e100, u"1E+100"},
      {-0.5, u"-0.5"},
      {-0.0, u"0"},
      {0.0, u"0"},
      {2.0, u"2"},
      {100.0, u"100"},
      {1e14, u"100000000000000"},
      {999999999999999.0, u"999999999999999"},
      {1e-5, u"1E-05"},
      {-1e21, u"-1E+21"},
      {1.5e-300, u"1.5E-300"},
      {std::numeric_limits<double>::max(), u"1.79769313486232E+308"},
      {std::numeric_limits<double>::denorm_min(), u"4.94065645841247E-324"},
      // Rounding that carries into a new leading digit moves the value across a form border.
      {999999999999999.5, u"1E+15"},
      {std::nextafter(0.0001, 0.0), u"0.0001"},
      {std::nextafter(1e15, 0.0), u"1E+15"},
      {std::nextafter(1.0, 0.0), u"1"},
      {-std::nextafter(10.0, 0.0), u"-10"},
      // Exact ties of the binary value go to the even digit.
      {1234567890123455.0, u"1.23456789012346E+15"},
      {1234567890123445.0, u"1.23456789012344E+15"},
      {12345678901234.25, u"12345678901234.2"},
      {12345678901234.75, u"12345678901234.8"}};
  for (const TextRow& row : rows) {
    EXPECT_EQ(NumberToText(row.value, u'.'), row.text) << row.value;
  }
}

TEST(NumberToText, WritesTheSeparatorItIsGiven) {
  const struct {
    double value;
    char16_t separator;
    std::u16string_view text;
  } rows[] = {{0.5, u',', u"0,5"},
              {0.5, kArabicSeparator, u"0\u066B5"},
              {0.000015, u',', u"1,5E-05"},
              {-1234.5678, kArabicSeparator, u"-1234\u066B5678"},
              {2.0, u',', u"2"}};
  for (const auto& row : rows) {
    EXPECT_EQ(NumberToText(row.value, row.separator), row.text) << row.value;
  }
}

// The digits and separators of three regions: Egypt's Arabic-Indic digits, the Maghreb's decimal
// comma, and the ASCII digits with a point.
TEST(NumberToText, WritesTheRegionsDigitsAndSeparator) {
  const Numerals egypt(kArabicSeparator, u'\u0660'), maghreb(u','), english(u'.');
  const struct {
    double value;
    std::u16string_view egypt, maghreb, english;
  } rows[] = {
      {153.86, u"١٥٣٫٨٦", u"153,86", u"153.86"},
      {-0.0, u"٠", u"0", u"0"},
      {-1.0 / 3.0, u"-٠٫٣٣٣٣٣٣٣٣٣٣٣٣٣٣٣", u"-0,333333333333333", u"-0.333333333333333"},
      {1234567890123456.0, u"١٫٢٣٤٥٦٧٨٩٠١٢٣٤٦E+١٥", u"1,23456789012346E+15",
       u"1.23456789012346E+15"},
      {0.000015, u"١٫٥E-٠٥", u"1,5E-05", u"1.5E-05"},
      {1e100, u"١E+١٠٠", u"1E+100", u"1E+100"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(NumberToText(row.value, egypt), row.egypt) << row.value;
    EXPECT_EQ(NumberToText(row.value, maghreb), row.maghreb) << row.value;
    EXPECT_EQ(NumberToText(row.value, english), row.english) << row.value;
  }
  EXPECT_EQ(IntegerToText(-32768, egypt), u"-٣٢٧٦٨");
  EXPECT_EQ(egypt.digits(u"الأس 2، ق١ = 10"), u"الأس ٢، ق١ = ١٠");
  // Inside a formula set from left to right each Arabic-Indic number is followed by a mark
  // that keeps it in place; ASCII digits need none.
  EXPECT_EQ(LeftToRightNumbers(u"٣٫١٤ × ٧² = (١٫٥E-٠٥، ٢√٢)"),
            u"٣٫١٤\u200E × ٧\u200E² = (١٫٥\u200EE-٠٥\u200E، ٢\u200E√٢\u200E)");
  EXPECT_EQ(LeftToRightNumbers(u"٧\u200E × 3.14"), u"٧\u200E × 3.14");
}

TEST(IntegerToText, EverySixteenBitValue) {
  for (int value = -32768; value <= 32767; ++value) {
    const std::string expected = std::to_string(value);
    ASSERT_EQ(IntegerToText(static_cast<std::int16_t>(value)),
              std::u16string(expected.begin(), expected.end()));
  }
}

}  // namespace
}  // namespace numora
