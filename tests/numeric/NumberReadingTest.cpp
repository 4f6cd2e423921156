#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "numeric/Figure.h"
#include "numeric/NumberReading.h"
#include "numeric/NumberWriting.h"

namespace numora {
namespace {

using test::Capture;
using test::Outcome;
using test::Show;

constexpr char16_t kArabicSeparator = u'\u066B';

struct ParseRow {
  std::u16string_view text;
  Outcome expected;
};

void ExpectParsed(std::initializer_list<ParseRow> rows) {
  for (const ParseRow& row : rows) {
    EXPECT_EQ(Capture([&] { return ParseNumber(row.text); }), row.expected) << Show(row.text);
  }
}

TEST(ParseNumber, ReadsTheLeadingNumberAndIgnoresTheRest) {
  ExpectParsed({{u"", 0.0},       {u"abc", 0.0},
                {u"12abc", 12.0}, {u"1.2.3", 1.2},
                {u"1,5", 1.0},    {u"3e2", 300.0},
                {u"2d3", 2000.0}, {u"2D-3", 0.002},
                {u"4E+1", 40.0},  {u".5", 0.5},
                {u"5.", 5.0},     {u"-.5", -0.5},
                {u"7e", 7.0},     {u"7e+", 7.0},
                {u"7dx", 7.0},    {u"+3", 3.0},
                {u"-", 0.0},      {u"+", 0.0},
                {u".", 0.0},      {u"-.", 0.0},
                {u"--3", 0.0},    {u"+-3", 0.0},
                {u"e5", 0.0},     {u"0x10", 0.0},
                {u"00012", 12.0}, {u"1e0003", 1000.0},
                {u"1_000", 1.0},  {u"0.1", 0.1},
                {u"inf", 0.0},    {u"-infinity", 0.0},
                {u"nan", 0.0},    {u"NaN(1)", 0.0},
                {u"1e-5", 1e-5},  {u"123456789012345678", 123456789012345678.0}});
}

TEST(ParseNumber, RemovesBlanksTabsAndLineFeedsEverywhere) {
  ExpectParsed({{u"1 2", 12.0},
                {u"- 5", -5.0},
                {u"1 000", 1000.0},
                {u" \t\n42 \n", 42.0},
                {u"1 . 5", 1.5},
                {u"1 e 3", 1000.0},
                {u"2 d - 2", 0.02},
                {u"\t\t", 0.0},
                {u"& H F F", 255.0},
                // Other white space is not removed and ends the number.
                {u"1\r2", 1.0},
                {u"1\u00A02", 1.0},
                {u"1\u20032", 1.0}});
}

TEST(ParseNumber, ReadsArabicIndicDigitsAndTheArabicPoint) {
  ExpectParsed({{u"\u0663", 3.0},  // Arabic-Indic three
                {u"\u0661\u0662\u0663", 123.0},
                {u"1\u0662", 12.0},
                {u"12\u066B5", 12.5},  // Arabic decimal separator
                {u"\u0661\u066B\u0665", 1.5},
                {u"\u06F5", 5.0},  // Extended Arabic-Indic five
                {u"\u06F0\u066B\u06F5", 0.5},
                {u"\u0661\u0662abc", 12.0},
                {u"-\u0662\u0667", -27.0},
                {u"\u0661,\u0665", 1.0},  // the comma still ends the number
                {u"1\u066B5\u066B5", 1.5},
                {u"\uFF11\uFF12", 0.0},          // fullwidth digits
                {u"\u216B", 0.0},                // Roman numeral twelve
                {u"\u0639\u062F\u062F 5", 0.0},  // Arabic word before the number
                {u"5 \u0639\u062F\u062F", 5.0},
                {u"\u0434\u0432\u0430", 0.0},
                {u"3\u00B2", 3.0},
                {u"1e\u0663", 1000.0},
                {u"\u0661E-\u06F2", 0.01},
                {u"\xD83D\xDE00 7", 0.0}});
}

// Up to &HFFFF the value is a signed 16-bit integer, up to &HFFFFFFFF a signed 32-bit integer.
// Leading zeros do not widen a value: "&H0000FFFF" is the 16-bit -1.
TEST(ParseNumber, TakesTheLocalesSeparatorAsWellAsThePoint) {
  EXPECT_EQ(ParseNumber(u"12,56"), 12.0);
  EXPECT_EQ(ParseNumber(u"12,56", u','), 12.56);
  EXPECT_EQ(ParseNumber(u"12.56", u','), 12.56);
  EXPECT_EQ(ParseNumber(u"1,5,5", u','), 1.5);  // one point only
  EXPECT_EQ(ParseNumber(u"1.5,5", u','), 1.5);
}

// How much of the text a reading used, for saying what was ignored.
TEST(ReadNumber, SaysWhereTheNumberEndsAndWhetherThereWasOne) {
  const struct {
    const char16_t* text;
    char16_t separator;
    double value;
    std::size_t used;
    bool found;
  } cases[] = {
      {u"2,5", u'.', 2, 1, true},    {u"2,5", u',', 2.5, 3, true},
      {u"5cm", u'.', 5, 1, true},    {u" 2 ", u'.', 2, 2, true},
      {u"1 2x", u'.', 12, 3, true},  {u"5e", u'.', 5, 1, true},  // no exponent without digits
      {u"5e2m", u'.', 500, 3, true}, {u"5.", u'.', 5, 2, true},
      {u"&H1Fz", u'.', 31, 4, true}, {u"abc", u'.', 0, 0, false},
      {u"", u'.', 0, 0, false},      {u"-", u'.', 0, 0, false},
      {u".", u'.', 0, 0, false},     {u"&Z", u'.', 0, 0, false},
  };
  for (const auto& c : cases) {
    const Reading reading = ReadNumber(c.text, c.separator);
    EXPECT_EQ(reading.value, c.value) << Show(c.text);
    EXPECT_EQ(reading.used, c.used) << Show(c.text);
    EXPECT_EQ(reading.found, c.found) << Show(c.text);
  }
}

TEST(ParseNumber, RadixPrefixesAtThe16And32BitBorders) {
  ExpectParsed({{u"&HFFFF", -1.0},
                {u"&hffff", -1.0},
                {u"&H7FFF", 32767.0},
                {u"&H8000", -32768.0},
                {u"&H10000", 65536.0},
                {u"&H7FFFFFFF", 2147483647.0},
                {u"&H80000000", -2147483648.0},
                {u"&HFFFFFFFF", -1.0},
                {u"&H0000FFFF", -1.0},
                {u"&H0000000000000001", 1.0},
                {u"&H100000000", FaultKind::Overflow},
                {u"&HFFFFFFFFF", FaultKind::Overflow},
                {u"&O177777", -1.0},
                {u"&o77777", 32767.0},
                {u"&O100000", -32768.0},
                {u"&O200000", 65536.0},
                {u"&O17777777777", 2147483647.0},
                {u"&O37777777777", -1.0},
                {u"&O40000000000", FaultKind::Overflow},
                {u"&H", 0.0},
                {u"&Hxyz", 0.0},
                {u"&HFFG1", 255.0},
                {u"&H1E5", 485.0},
                {u"&O8", 0.0},
                {u"&", 0.0},
                {u"&X10", 0.0},
                {u"-&H10", 0.0},
                {u"&H\u0661\u0660", 16.0}});
}

TEST(ParseNumber, RangeEdgesOfTheDouble) {
  constexpr double kMax = std::numeric_limits<double>::max();
  constexpr double kTiniest = std::numeric_limits<double>::denorm_min();
  ExpectParsed({{u"1.7976931348623157e308", kMax},
                {u"-1.7976931348623157e308", -kMax},
                // The largest double is written 1.79769313486232E+308, just beyond the range; that
                // text and everything that rounds to it at 15 digits reads as the largest double.
                {u"1.79769313486232E+308", kMax},
                {u"-1.7976931348623249999e308", -kMax},
                {u"1.797693134862325e308", FaultKind::Overflow},
                {u"1e999", FaultKind::Overflow},
                {u"-1e309", FaultKind::Overflow},
                {u"1e99999999999999999999999", FaultKind::Overflow},
                {u"4.9e-324", kTiniest},
                {u"2.5e-324", kTiniest},
                {u"2.4e-324", 0.0},
                {u"1e-999", 0.0},
                {u"1e-99999999999999999999999", 0.0},
                {u"0e99999999999999999999999", 0.0}});
}

// Digits past what a double can hold still decide the rounding, however many there are.
TEST(ParseNumber, LongDigitStringsRoundCorrectly) {
  constexpr std::size_t kLength = 100'000;
  const std::u16string zeros(kLength, u'0');
  const double twoTo53 = std::ldexp(1.0, 53);

  ExpectParsed({{u"0." + std::u16string(kLength, u'3'), 1.0 / 3.0},
                {u"1" + zeros + u"e-0100000", 1.0},
                {u"0." + zeros + u"1e100001", 1.0},
                {u"1" + zeros, FaultKind::Overflow},
                {u"0." + zeros + u"1", 0.0},
                // 2^53 + 1 lies halfway between two doubles: a tie goes to the even one, anything
                // beyond the tie, even 100000 digits later, to the upper one.
                {u"9007199254740993." + zeros, twoTo53},
                {u"9007199254740993." + zeros + u"1", twoTo53 + 2.0},
                {u"9007199254740992." + zeros + u"9", twoTo53}});
}

TEST(ParseNumber, TenMegabyteTextsAreReadInOnePass) {
  constexpr std::size_t kUnits = 5 * 1024 * 1024;  // 10 MB of UTF-16
  std::u16string thirds = u"0.";
  while (thirds.size() < kUnits) {
    thirds += u" 3\t3\n";
  }
  std::u16string radix = u"&H";
  radix.append(kUnits, u'0');
  radix += u"7 F F F";
  std::u16string letters = u"12";
  letters.append(kUnits, u'x');
  std::u16string blanks(kUnits, u' ');
  blanks += u"-5";

  ExpectParsed({{thirds, 1.0 / 3.0}, {radix, 32767.0}, {letters, 12.0}, {blanks, -5.0}});
  EXPECT_EQ(
      ParseNumberStrict(std::u16string(kUnits, u' ') + u"5" + std::u16string(kUnits, u'\t'), u'.'),
      5.0);
}

struct StrictRow {
  std::u16string_view text;
  char16_t separator;
  Outcome expected;
};

// Every number Numora writes, as a result field, a step, a problem or a figure's label writes it
// (plain, set apart in an isolate, with the typographic minus), reads back from a box as itself in
// every region, whatever marks and spaces a copy and paste carries before and after it, and
// leaves nothing that a note would call ignored.
TEST(ReadNumber, ANumberNumoraWroteReadsAsItselfWhateverSurroundsIt) {
  const Numerals regions[] = {{u'.', u'0'}, {kArabicSeparator, u'\u0660'}, {u',', u'0'}};
  const std::u16string_view around[] = {
      u"",       u"\u200E", u"\u200F",       u"\u061C", u"\u200B",
      u"\u200C", u"\u200D", u"\u2060",       u"\uFEFF", u"\u00A0",
      u"\u2009", u"\u202F", u"\u2007",       u"\u2066", u"\u2067",
      u"\u2068", u"\u2069", u"\u202B\u202C", u" \t",    u"\u200F\u2068\u00A0"};
  std::vector<double> values = {0, -27, 153.86, 1.0 / 3, 37.7777777777778, 1e20, -1e-7, 2.5e-300};
  std::mt19937_64 random(20261211);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-12, 15);
  for (int i = 0; i < 120; ++i)
    values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
  for (const Numerals numerals : regions)
    for (const double value : values) {
      const std::u16string plain = NumberToText(value, numerals);
      const double meant = ParseNumber(plain, numerals.separator);
      ASSERT_NEAR(meant, value, std::abs(value) * 1e-14) << Show(plain);
      std::u16string typographic = plain;
      std::replace(typographic.begin(), typographic.end(), u'-', u'\u2212');
      for (const std::u16string& written :
           {plain, IsolatedNumber(plain), Isolate(plain), RightToLeftIsolate(typographic)})
        for (std::size_t b = 0; b < std::size(around); ++b) {
          const std::u16string text =
              std::u16string(around[b]) + written + std::u16string(around[(b * 7 + 3) % 20]);
          const Reading reading = ReadNumber(text, numerals.separator);
          ASSERT_TRUE(reading.found) << Show(text);
          EXPECT_EQ(reading.value, meant) << Show(text);
          EXPECT_TRUE(IgnoredText(text, reading).empty()) << Show(text);
        }
    }
}

TEST(ParseNumberStrict, AcceptsOnlyAWholeNumberWithTheGivenSeparator) {
  const StrictRow rows[] = {{u"1.5", u'.', 1.5},
                            {u"1,5", u',', 1.5},
                            {u"1\u066B5", kArabicSeparator, 1.5},
                            {u"  -2.5E-05\t", u'.', -2.5e-05},
                            {u"+3", u'.', 3.0},
                            {u"1e3", u'.', 1000.0},
                            {u"1E+308", u'.', 1e308},
                            {u"5.", u'.', 5.0},
                            {u",5", u',', 0.5},
                            {u"1E-400", u'.', 0.0},
                            {u"1,79769313486232E+308", u',', std::numeric_limits<double>::max()},
                            {u"1E+309", u'.', FaultKind::Overflow},
                            {u"-2e308", u',', FaultKind::Overflow},
                            {u"", u'.', FaultKind::TypeMismatch},
                            {u"   ", u'.', FaultKind::TypeMismatch},
                            {u"abc", u'.', FaultKind::TypeMismatch},
                            {u"1.5", u',', FaultKind::TypeMismatch},
                            {u"1,5", u'.', FaultKind::TypeMismatch},
                            {u"1\u066B5", u'.', 1.5},
                            {u"\u0661\u066B\u0665", u',', 1.5},
                            {u"\u06F1\u06F2E\u06F3", u'.', 12000.0},
                            {u"1.5", u'\u066B', FaultKind::TypeMismatch},
                            {u"12abc", u'.', FaultKind::TypeMismatch},
                            {u"1 2", u'.', FaultKind::TypeMismatch},
                            {u"- 5", u'.', FaultKind::TypeMismatch},
                            {u"1.2.3", u'.', FaultKind::TypeMismatch},
                            {u"1E", u'.', FaultKind::TypeMismatch},
                            {u"1E+", u'.', FaultKind::TypeMismatch},
                            {u"1D3", u'.', FaultKind::TypeMismatch},
                            {u"1e5.5", u'.', FaultKind::TypeMismatch},
                            {u"&HFF", u'.', FaultKind::TypeMismatch},
                            {u"inf", u'.', FaultKind::TypeMismatch},
                            {u".", u'.', FaultKind::TypeMismatch},
                            {u"\u0661\u0662", u'.', 12.0},
                            {u"\uFF11\uFF12", u'.', FaultKind::TypeMismatch},
                            {u"\n5", u'.', FaultKind::TypeMismatch}};
  for (const StrictRow& row : rows) {
    EXPECT_EQ(Capture([&] { return ParseNumberStrict(row.text, row.separator); }), row.expected)
        << Show(row.text) << " with separator " << Show({&row.separator, 1});
  }
}

}  // namespace
}  // namespace numora
