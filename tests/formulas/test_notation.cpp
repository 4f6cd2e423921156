// Every window's formulas in each notation: the notation's letters, digits and signs and no
// others, a letter beside the number it multiplies, no long decimal before a formula's last step,
// and the text a screen reader hears the same as the formula the panel typesets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "numeric/Bidi.h"
#include "numeric/Exact.h"
#include "numeric/Notation.h"
#include "numeric/Working.h"
#include "tests/formulas/TopicFormulas.h"

namespace numora {
namespace {

const Notation kNotations[] = {
    NotationOf(NotationStyle::Mashriq, NotationStyle::Mashriq,
               StyleNumerals(NotationStyle::Mashriq)),
    NotationOf(NotationStyle::Maghreb, NotationStyle::Mashriq, {}),
    NotationOf(NotationStyle::Moroccan, NotationStyle::Moroccan,
               StyleNumerals(NotationStyle::Moroccan)),
    // A region whose language is not Arabic: Latin letters with its decimal point.
    NotationOf(NotationStyle::Moroccan, NotationStyle::Moroccan, {}),
};

std::string Utf8(std::u16string_view text) {
  std::string out;
  for (const char16_t c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

bool IsDigitOf(char16_t c, char16_t zero) { return c >= zero && c <= zero + 9; }

// The longest run of digits after a decimal mark in the text.
std::size_t LongestDecimals(std::u16string_view text, const Notation& notation) {
  std::size_t longest = 0;
  for (std::size_t at = text.find(notation.separator); at != text.npos;
       at = text.find(notation.separator, at + 1)) {
    std::size_t end = at + 1;
    while (end < text.size() && IsDigitOf(text[end], notation.zero)) ++end;
    longest = std::max(longest, end - at - 1);
  }
  return longest;
}

struct FixedMetrics final : MathMetrics {
  double advance(std::u16string_view text, MathFace face) const override {
    return static_cast<double>(text.size()) * (face.level == 0 ? 6 : 4);
  }
  double ascent(MathFace) const override { return 8; }
  double descent(MathFace) const override { return 2; }
};

TEST(Notation, EveryWindowsFormulaIsWrittenInTheNotationsLettersDigitsAndSigns) {
  const std::vector<double> numbers[] = {{3, 7, 2}, {-27, 3, 1}, {2.5, -5, 6}, {1, 4, 13}};
  for (const Notation& notation : kNotations) {
    const char16_t otherZero = notation.ascii() ? u'\u0660' : u'0';
    for (const Formula* formula : testing::kTopicFormulas) {
      std::vector<std::u16string> names;
      testing::QuantitiesOf(formula->expression, names);
      const std::u16string words = WithoutBidiMarks(InWords(*formula, notation));
      SCOPED_TRACE(Utf8(words));
      for (const std::u16string& name : names) {
        if (!notation.isLetter(name)) continue;
        const std::u16string letter = notation.letter(name);
        EXPECT_NE(words.find(letter), words.npos);
        // The formula after its name: a word's letters are no quantity's.
        const std::u16string formula = words.substr(words.rfind(u" = ") + 3);
        if (letter != name) EXPECT_EQ(formula.find(name), formula.npos);
        EXPECT_EQ(words.find(u"× " + letter), words.npos);  // a letter stands beside its factor
      }
      for (const std::vector<double>& set : numbers) {
        Values values;
        for (std::size_t i = 0; i < names.size(); ++i) values.set(names[i], set[i % set.size()]);
        for (const Step& step : StepsOf(*formula, values, {}, notation).lines) {
          for (std::size_t r = 0; r < step.rows.size(); ++r) {
            const std::u16string row = WithoutBidiMarks(step.rows[r]);
            EXPECT_EQ(std::count_if(row.begin(), row.end(),
                                    [&](char16_t c) { return IsDigitOf(c, otherZero); }),
                      0);
            // Only the last row of a formula may be a long decimal: the window's result.
            if (r + 1 < step.rows.size())
              EXPECT_LE(LongestDecimals(row, notation), 4u) << Utf8(row);
          }
        }
        const std::optional<ExactNumber> exact = ExactValue(formula->expression, values);
        if (!exact || !exact->timesPi()) continue;
        const std::optional<Math> answer = ExactAnswerMath(*exact, {}, notation);
        ASSERT_TRUE(answer.has_value());
        const std::u16string text = LinearText(Written(*answer, notation), notation.direction);
        EXPECT_NE(text.find(notation.pi()), text.npos);
        EXPECT_EQ(text.find(notation.latin() ? u"ط" : u"π"), text.npos);
      }
    }
  }
}

// Over random numbers, each row's text is the formula it is typeset from, and every number, name
// and π the panel draws is in the text a screen reader reads, in either direction.
TEST(Notation, TheTextReadAloudIsTheFormulaTheRowsAreSetFrom) {
  std::mt19937 random(41);
  std::uniform_int_distribution<int> whole(-60, 60);
  const FixedMetrics metrics;
  for (int draw = 0; draw < 40; ++draw) {
    const std::vector<double> set = {whole(random) / 4.0, whole(random) * 1.0, whole(random) / 8.0};
    for (const Notation& notation : kNotations) {
      for (const FormulaDirection direction :
           {FormulaDirection::LeftToRight, FormulaDirection::RightToLeft}) {
        for (const Formula* formula : testing::kTopicFormulas) {
          std::vector<std::u16string> names;
          testing::QuantitiesOf(formula->expression, names);
          Values values;
          for (std::size_t i = 0; i < names.size(); ++i) values.set(names[i], set[i % set.size()]);
          for (const Step& step : StepsOf(*formula, values, {}, notation).lines) {
            ASSERT_EQ(step.rows.size(), step.formulas.size());
            for (std::size_t r = 0; r < step.rows.size(); ++r) {
              const std::u16string said = WithoutBidiMarks(step.rows[r]);
              EXPECT_EQ(said, WithoutBidiMarks(LinearText(step.formulas[r], direction)));
              // An exponent and a half read as their digits, which the panel raises or stacks.
              std::u16string digits;
              for (const char16_t c : said) {
                const std::size_t raised = std::u16string_view(u"⁰¹²³⁴⁵⁶⁷⁸⁹").find(c);
                if (raised != std::u16string_view::npos)
                  digits += static_cast<char16_t>(notation.zero + raised);
                else
                  digits += c == u'½' ? notation.digits(u"1 2") : std::u16string(1, c);
              }
              for (const MathRun& run : Typeset(step.formulas[r], metrics, direction).runs) {
                const bool word = run.kind == Math::Kind::Number || run.kind == Math::Kind::Name ||
                                  run.kind == Math::Kind::Pi;
                if (word)
                  EXPECT_NE(digits.find(run.text), digits.npos)
                      << Utf8(run.text) << " in " << Utf8(said);
              }
            }
          }
        }
      }
    }
  }
}

TEST(Notation, RegionsTakeTheirSchoolbooksStyleAndAnswersRoundAsABookDoes) {
  const struct {
    const char* language;
    const char* territory;
    NotationStyle style;
  } regions[] = {{"ar", "EG", NotationStyle::Mashriq},  {"ar", "SA", NotationStyle::Mashriq},
                 {"ar", "LY", NotationStyle::Mashriq},  {"ar", "MA", NotationStyle::Moroccan},
                 {"ar", "DZ", NotationStyle::Moroccan}, {"ar", "TN", NotationStyle::Moroccan},
                 {"fr", "MA", NotationStyle::Moroccan}, {"en", "US", NotationStyle::Moroccan}};
  for (const auto& region : regions)
    EXPECT_EQ(RegionStyle(region.language, region.territory), region.style) << region.territory;
  for (const NotationStyle style :
       {NotationStyle::Mashriq, NotationStyle::Maghreb, NotationStyle::Moroccan})
    EXPECT_EQ(StyleOfKey(StyleKey(style)), style);
  EXPECT_EQ(StyleOfKey("sideways"), std::nullopt);

  const struct {
    double value;
    Numerals numerals;
    std::u16string_view text;
  } answers[] = {{33.4933333333333, {}, u"33.49"},
                 {0.697224362268005, u',', u"0,70"},
                 {62.8, {}, u"62.8"},
                 {-1.33333333333333, {}, u"-1.33"},
                 {0.001, {}, u"0.001"},
                 {1e-7, {}, u"1E-07"},
                 {37.7777777777778, {u'\u066B', u'\u0660'}, u"٣٧٫٧٨"},
                 {153.86, {}, u"153.86"},
                 {1e16 / 3, {}, u"3.33333333333333E+15"}};
  for (const auto& answer : answers)
    EXPECT_EQ(RoundedToText(answer.value, 2, answer.numerals), answer.text);
  // A pair with a decimal comma is set apart by a semicolon; the Arabic comma otherwise.
  EXPECT_EQ(kNotations[2].pairSeparator(), u";");
  EXPECT_EQ(kNotations[0].pairSeparator(), u"،");
  EXPECT_EQ(kNotations[3].pairSeparator(), u",");
}

// Each result measures what its formula declares: a formula of lengths alone grows as their power
// when every length doubles (a length twice, an area four times, a volume eight times), and a
// temperature is on its own scale; the sign of each unit is written in the notation's letters.
TEST(Notation, EveryResultIsWrittenWithTheUnitItMeasures) {
  for (const Formula* formula : testing::kTopicFormulas) {
    SCOPED_TRACE(Utf8(formula->name));
    if (formula->unit == Unit::Celsius || formula->unit == Unit::Fahrenheit ||
        formula->unit == Unit::Kelvin) {
      EXPECT_EQ(formula->unit, ScaleUnit(formula->name));
      continue;
    }
    std::vector<std::u16string> names;
    testing::QuantitiesOf(formula->expression, names);
    const auto at = [&](double length) {
      Values values;
      for (const std::u16string& name : names) values.set(name, length);
      return ValueOf(*formula, values);
    };
    const int power = formula->unit == Unit::Length   ? 1
                      : formula->unit == Unit::Area   ? 2
                      : formula->unit == Unit::Volume ? 3
                                                      : 0;
    // A plain number (a root, a power, the roots of an equation) is of no length.
    if (power == 0) {
      for (const std::u16string_view length : {kHeight, kBase, kFirstBase, kSecondBase, kWidth,
                                               kLength, kRadius, kFirstLeg, kSecondLeg})
        EXPECT_EQ(std::count(names.begin(), names.end(), length), 0);
      continue;
    }
    EXPECT_DOUBLE_EQ(at(4) / at(2), std::pow(2.0, power));
  }

  const struct {
    LengthUnit unit;
    std::u16string_view arabic, latin;
  } units[] = {{LengthUnit::Centimetre, u"سم", u"cm"},
               {LengthUnit::Millimetre, u"مم", u"mm"},
               {LengthUnit::Metre, u"م", u"m"},
               {LengthUnit::None, u"", u""}};
  for (const auto& row : units) {
    for (Notation notation : kNotations) {
      notation.lengths = row.unit;
      const std::u16string length(notation.latin() ? row.latin : row.arabic);
      EXPECT_EQ(notation.unitSign(Unit::Length), length);
      EXPECT_EQ(notation.unitSign(Unit::Area), length.empty() ? u"" : length + u"²");
      EXPECT_EQ(notation.unitSign(Unit::Volume), length.empty() ? u"" : length + u"³");
      EXPECT_EQ(notation.unitSign(Unit::Celsius), notation.latin() ? u"°C" : u"°س");
      EXPECT_EQ(notation.unitSign(Unit::None), u"");
      // The number of a measure is the number it was written from.
      const std::u16string number = NumberToText(12.56, notation);
      EXPECT_EQ(NumberBeforeUnit(notation.withUnit(number, Unit::Area)), number);
    }
    EXPECT_EQ(LengthUnitOfKey(LengthUnitKey(row.unit)), row.unit);
  }
  EXPECT_EQ(LengthUnitOfKey("inch"), std::nullopt);
}

}  // namespace
}  // namespace numora
