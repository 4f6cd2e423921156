#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "numeric/NumberWriting.h"
#include "numeric/Typeset.h"
#include "numeric/Unit.h"

namespace numora {

// The three ways the Arab world's schoolbooks write mathematics:
// - Mashriq (Egypt, the Levant, Iraq, the Gulf): right to left, Arabic letters (س ص ع for the
//   unknowns, أ ب جـ for coefficients, نق ع ل for radius, height and length, ط for π),
//   Arabic-Indic digits, the radical sign opening to the left;
// - Maghreb: right to left with the same letters, Western digits and the decimal comma, the
//   radical as it is printed elsewhere;
// - Moroccan (Morocco, Algeria and Tunisia's schoolbooks, and every region whose language is not
//   Arabic): left to right, Latin letters (x, a, b, c, r, h, Δ, π), Western digits, the decimal
//   comma where the region writes one.
enum class NotationStyle : std::uint8_t { Mashriq, Maghreb, Moroccan };

// How the formulas, the working, the solution, the exercises and the paper write mathematics:
// the style's letters and signs, with the digits and decimal mark they are written in, and the
// direction they are set in (the style's, or the other one where the pupil switched it).
//
// Numbers are written by the numerals this is made of (a Notation is a Numerals), so that
// everything that writes a number in the region's digits writes it in the notation's; a negative
// number keeps its minus with its digits ("−٢٧"), on the same side in a formula as in a box.
struct Notation : Numerals {
  // Implicit: a region's numerals alone write in the Mashriq's letters, left to right.
  constexpr Notation(Numerals numbers = {},  // NOLINT
                     NotationStyle notationStyle = NotationStyle::Mashriq,
                     FormulaDirection formulaDirection = FormulaDirection::LeftToRight)
      : Numerals(numbers), style(notationStyle), direction(formulaDirection) {}
  // A separator alone stands for the ASCII digits, as for Numerals.
  constexpr Notation(char16_t decimalSeparator)  // NOLINT
      : Notation(Numerals(decimalSeparator)) {}

  const Numerals& numerals() const { return *this; }

  // The letter the notation writes for a quantity or a result the formulas name: "A" is "أ" or
  // "a", "نق" is "نق" or "r", "س" is "س" or "x", "المميز" is "المميز" or "Δ"; a name in words
  // ("المساحة", "الضلع الأول") stays as it is.
  std::u16string letter(std::u16string_view name) const;
  // Whether a name is written as a letter, a factor a textbook sets beside a number without a
  // multiplication sign ("٤ أ جـ", "4ac", "2πr"), rather than a word.
  bool isLetter(std::u16string_view name) const;
  std::u16string_view pi() const { return latin() ? u"π" : u"ط"; }
  bool latin() const { return style == NotationStyle::Moroccan; }
  // The sign between the two numbers of a pair and the items of a list: the Arabic comma, or a
  // semicolon where the decimal mark is a comma ("(−2,5 ; −2,25)").
  std::u16string_view pairSeparator() const;
  // Whether the radical sign opens to the left in a formula set right to left.
  bool mirroredRadical() const { return style == NotationStyle::Mashriq; }
  // The unit's sign in the notation's letters: "سم²" or "cm²", "°س" or "°C"; empty for a plain
  // number and for a length where the pupil chose no unit.
  std::u16string unitSign(Unit unit) const;
  // A number with its unit after it, which no line break parts from it: "7 سم", "12,56 cm²".
  std::u16string withUnit(std::u16string_view number, Unit unit) const;

  friend constexpr bool operator==(const Notation&, const Notation&) = default;

  NotationStyle style;
  FormulaDirection direction;
  LengthUnit lengths = LengthUnit::None;
};

// The style's own direction: right to left for the Mashriq and the Maghreb.
FormulaDirection StyleDirection(NotationStyle style);
// The style's own digits and decimal mark: Arabic-Indic digits with "٫" for the Mashriq, Western
// digits with "," for the Maghreb and Morocco.
Numerals StyleNumerals(NotationStyle style);

// The style of a region: the language's ISO 639 code ("ar") and the territory's ISO 3166 code
// ("EG", "MA"): Moroccan for Morocco, Algeria and Tunisia and every language but Arabic, Mashriq
// for every other Arabic region; the Maghreb's style is the pupil's choice.
NotationStyle RegionStyle(std::string_view language, std::string_view territory);

// The notation of a style with the digits of the pupil's region where the style is the region's
// own, the style's own digits where the pupil chose another; in the style's direction unless one
// is given.
Notation NotationOf(NotationStyle style, NotationStyle regionStyle, Numerals regionNumerals,
                    std::optional<FormulaDirection> direction = std::nullopt);

// The key a style is kept under, and the style of a key; none for a key that names no style.
std::string_view StyleKey(NotationStyle style);
std::optional<NotationStyle> StyleOfKey(std::string_view key);

// A unit as a formula sets it after its number: a square or a cube of the unit of length raised
// in the notation's digits, as an exponent is ("سم" with a raised "٢"); none where it has no sign.
std::optional<Math> UnitMath(Unit unit, const Notation& notation);

// The number of a text written with its unit (Notation::withUnit), without the unit.
inline std::u16string_view NumberBeforeUnit(std::u16string_view text) {
  return text.substr(0, text.find(u'\u00A0'));
}

// The key a unit of length is kept under ("cm", "mm", "m", "none"), and the unit of a key.
std::string_view LengthUnitKey(LengthUnit unit);
std::optional<LengthUnit> LengthUnitOfKey(std::string_view key);

// A formula written in a notation: each name as its letter, π with the notation's sign, no
// multiplication sign between a number or a letter and the letter it multiplies, each negative
// number one run with its minus, a radical that keeps its shape where the notation does not
// mirror it.
Math Written(const Math& math, const Notation& notation);

}  // namespace numora
