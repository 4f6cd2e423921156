#include "numeric/Notation.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace numora {
namespace {

// The names the formulas declare, each with its letter in Arabic and in Latin; a name in words
// is in none of them.
struct Letter {
  std::u16string_view name, arabic, latin;
};
constexpr std::array kLetters{
    Letter{u"A", u"أ", u"a"},           Letter{u"B", u"ب", u"b"},   Letter{u"C", u"جـ", u"c"},
    Letter{u"س", u"س", u"x"},           Letter{u"ص", u"ص", u"y"},   Letter{u"نق", u"نق", u"r"},
    Letter{u"ع", u"ع", u"h"},           Letter{u"ل", u"ل", u"L"},   Letter{u"ض", u"ض", u"l"},
    Letter{u"ق", u"ق", u"b"},           Letter{u"ق١", u"ق١", u"B"}, Letter{u"ق٢", u"ق٢", u"b"},
    Letter{u"المميز", u"المميز", u"Δ"},
};

const Letter* Find(std::u16string_view name) {
  const auto* found = std::find_if(kLetters.begin(), kLetters.end(),
                                   [name](const Letter& letter) { return letter.name == name; });
  return found == kLetters.end() ? nullptr : found;
}

using Kind = Math::Kind;

// A part a textbook sets beside what multiplies it: a letter, π, a letter's power.
bool LetterFactor(const Math& part, const Notation& notation) {
  switch (part.kind()) {
    case Kind::Name:
      return notation.isLetter(part.text());
    case Kind::Pi:
      return true;
    case Kind::Power:
      return LetterFactor(part[0], notation);
    default:
      return false;
  }
}

bool Multiplies(const Math& part) { return part.kind() == Kind::Sign && part.text() == u"×"; }

// A row's parts in the notation: a prefix minus joined to the number after it, and the
// multiplication signs a textbook leaves out.
std::vector<Math> RowParts(const Math& row, const Notation& notation) {
  std::vector<Math> parts;
  const std::vector<Math>& in = row.parts();
  for (std::size_t i = 0; i < in.size(); ++i) {
    const Math& part = in[i];
    if (part.kind() == Kind::Sign && part.prefix() && part.text() == u"-" && i + 1 < in.size() &&
        in[i + 1].kind() == Kind::Number && !in[i + 1].text().starts_with(u'-')) {
      parts.push_back(MathNumber(u"-" + in[++i].text()));
      continue;
    }
    if (Multiplies(part) && !parts.empty() && i + 1 < in.size()) {
      const Math& before = in[i - 1];
      const Math& after = in[i + 1];
      const bool beside = before.kind() != Kind::Sign && before.kind() != Kind::Words &&
                          (LetterFactor(after, notation) ||
                           (after.kind() == Kind::Parens && after[0].kind() == Kind::Row &&
                            (before.kind() == Kind::Number || LetterFactor(before, notation))));
      if (beside) continue;
    }
    parts.push_back(Written(part, notation));
  }
  return parts;
}

}  // namespace

std::u16string Notation::letter(std::u16string_view name) const {
  const Letter* found = Find(name);
  if (found == nullptr) return std::u16string(name);
  if (latin()) return std::u16string(found->latin);
  // A letter's index in the notation's digits: "ق١", or "ق1" with Western digits.
  std::u16string arabic(found->arabic);
  for (char16_t& c : arabic)
    if (c >= u'\u0660' && c <= u'\u0669') c = static_cast<char16_t>(zero + (c - u'\u0660'));
  return arabic;
}

bool Notation::isLetter(std::u16string_view name) const {
  const Letter* found = Find(name);
  // The discriminant is a word in Arabic and a letter, Δ, in Latin.
  return found != nullptr && (latin() || found->arabic.size() <= 2);
}

std::u16string_view Notation::pairSeparator() const {
  if (separator == u',') return u";";
  return latin() ? u"," : u"،";
}

std::u16string Notation::unitSign(Unit unit) const {
  const bool inLatin = latin();
  std::u16string_view length;
  switch (lengths) {
    case LengthUnit::None:
      break;
    case LengthUnit::Centimetre:
      length = inLatin ? u"cm" : u"سم";
      break;
    case LengthUnit::Millimetre:
      length = inLatin ? u"mm" : u"مم";
      break;
    case LengthUnit::Metre:
      length = inLatin ? u"m" : u"م";
      break;
  }
  switch (unit) {
    case Unit::None:
      return {};
    case Unit::Length:
      return std::u16string(length);
    // Raised as an exponent is in a formula's text ("نق²"), in every notation's digits.
    case Unit::Area:
      return length.empty() ? std::u16string() : std::u16string(length) + u"²";
    case Unit::Volume:
      return length.empty() ? std::u16string() : std::u16string(length) + u"³";
    case Unit::Celsius:
      return inLatin ? u"°C" : u"°س";
    case Unit::Fahrenheit:
      return inLatin ? u"°F" : u"°ف";
    case Unit::Kelvin:
      return inLatin ? u"K" : u"كلفن";
  }
  return {};
}

std::u16string Notation::withUnit(std::u16string_view number, Unit unit) const {
  const std::u16string sign = unitSign(unit);
  return sign.empty() ? std::u16string(number) : std::u16string(number) + u'\u00A0' + sign;
}

std::optional<Math> UnitMath(Unit unit, const Notation& notation) {
  const std::u16string sign = notation.unitSign(unit);
  if (sign.empty()) return std::nullopt;
  if (unit != Unit::Area && unit != Unit::Volume) return MathWords(sign);
  const char16_t power = static_cast<char16_t>(notation.zero + (unit == Unit::Area ? 2 : 3));
  return MathPower(MathWords(notation.unitSign(Unit::Length)),
                   MathNumber(std::u16string(1, power)));
}

FormulaDirection StyleDirection(NotationStyle style) {
  return style == NotationStyle::Moroccan ? FormulaDirection::LeftToRight
                                          : FormulaDirection::RightToLeft;
}

Numerals StyleNumerals(NotationStyle style) {
  return style == NotationStyle::Mashriq ? Numerals(u'\u066B', u'\u0660') : Numerals(u',', u'0');
}

NotationStyle RegionStyle(std::string_view language, std::string_view territory) {
  if (language != "ar") return NotationStyle::Moroccan;
  if (territory == "MA" || territory == "DZ" || territory == "TN") return NotationStyle::Moroccan;
  return NotationStyle::Mashriq;
}

Notation NotationOf(NotationStyle style, NotationStyle regionStyle, Numerals regionNumerals,
                    std::optional<FormulaDirection> direction) {
  return Notation(style == regionStyle ? regionNumerals : StyleNumerals(style), style,
                  direction.value_or(StyleDirection(style)));
}

std::string_view StyleKey(NotationStyle style) {
  switch (style) {
    case NotationStyle::Mashriq:
      return "mashriq";
    case NotationStyle::Maghreb:
      return "maghreb";
    case NotationStyle::Moroccan:
      return "moroccan";
  }
  return {};
}

std::optional<NotationStyle> StyleOfKey(std::string_view key) {
  for (const NotationStyle style :
       {NotationStyle::Mashriq, NotationStyle::Maghreb, NotationStyle::Moroccan})
    if (StyleKey(style) == key) return style;
  return std::nullopt;
}

std::string_view LengthUnitKey(LengthUnit unit) {
  switch (unit) {
    case LengthUnit::None:
      return "none";
    case LengthUnit::Centimetre:
      return "cm";
    case LengthUnit::Millimetre:
      return "mm";
    case LengthUnit::Metre:
      return "m";
  }
  return {};
}

std::optional<LengthUnit> LengthUnitOfKey(std::string_view key) {
  for (const LengthUnit unit :
       {LengthUnit::None, LengthUnit::Centimetre, LengthUnit::Millimetre, LengthUnit::Metre})
    if (LengthUnitKey(unit) == key) return unit;
  return std::nullopt;
}

Math Written(const Math& math, const Notation& notation) {
  switch (math.kind()) {
    case Kind::Name:
      return MathName(notation.letter(math.text()));
    case Kind::Pi:
      return MathPi(std::u16string(notation.pi()));
    case Kind::Number:
    case Kind::Sign:
    case Kind::Words:
      return math;
    case Kind::Row:
      return MathRow(RowParts(math, notation));
    default: {
      std::vector<Math> parts;
      for (const Math& part : math.parts()) parts.push_back(Written(part, notation));
      Math out = MathWithParts(math, std::move(parts));
      return math.kind() == Kind::Root && !notation.mirroredRadical() ? MathUpright(out) : out;
    }
  }
  return math;
}

}  // namespace numora
