#include "practice/TypedAnswer.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "numeric/Formula.h"
#include "numeric/NumberReading.h"

namespace numora {
namespace {

// A longer text is no answer: the reader's recursion stays shallow.
constexpr std::size_t kLongestAnswer = 200;
// A power or an index written in superscripts, kept within an int.
constexpr int kLargestSuperscript = 10000;

constexpr std::u16string_view kSuperscripts = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
// The tatweel stretches a written word and is no part of a number.
constexpr char16_t kTatweel = u'\u0640';

struct VulgarFraction {
  char16_t character;
  int numerator, denominator;
};
constexpr VulgarFraction kVulgarFractions[] = {
    {u'½', 1, 2}, {u'⅓', 1, 3}, {u'⅔', 2, 3}, {u'¼', 1, 4}, {u'¾', 3, 4}, {u'⅕', 1, 5},
    {u'⅖', 2, 5}, {u'⅗', 3, 5}, {u'⅘', 4, 5}, {u'⅙', 1, 6}, {u'⅚', 5, 6}, {u'⅐', 1, 7},
    {u'⅛', 1, 8}, {u'⅜', 3, 8}, {u'⅝', 5, 8}, {u'⅞', 7, 8}, {u'⅑', 1, 9}, {u'⅒', 1, 10},
};

const VulgarFraction* Vulgar(char16_t c) {
  for (const VulgarFraction& f : kVulgarFractions)
    if (f.character == c) return &f;
  return nullptr;
}

int Superscript(char16_t c) {
  const std::size_t at = kSuperscripts.find(c);
  return at == std::u16string_view::npos ? -1 : static_cast<int>(at);
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// One alphabet for the parser: ASCII digits and ".", π, "-", "×", "/", blanks as " ", no marks.
std::u16string Normalised(std::u16string_view text, char16_t localeSeparator) {
  std::u16string out;
  for (char16_t c : text) {
    if (IsInvisible(c) || c == kTatweel) continue;
    if (c >= u'٠' && c <= u'٩') c = static_cast<char16_t>(u'0' + (c - u'٠'));
    if (c >= u'۰' && c <= u'۹') c = static_cast<char16_t>(u'0' + (c - u'۰'));
    if (c == u'٫' || c == localeSeparator) c = u'.';
    if (c == u'ط') c = u'π';
    if (c == u'−' || c == u'‐' || c == u'–') c = u'-';
    if (c == u'*' || c == u'·' || c == u'⋅') c = u'×';
    if (c == u'÷' || c == u'∕' || c == u'⁄') c = u'/';
    if (c == u'\t' || c == u'\n' || c == u'\r' || IsSpaceInNumber(c)) c = u' ';
    out += c;
  }
  return out;
}

std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
  return text;
}

// A plain decimal: an optional sign, digits and at most one point. Its places, and the zeros
// they end with.
std::optional<std::pair<int, int>> DecimalForm(std::u16string_view text) {
  if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) text.remove_prefix(1);
  text = Trimmed(text);
  bool digits = false, point = false;
  int places = 0, zeros = 0;
  for (char16_t c : text) {
    if (c == u'.' && !point) {
      point = true;
    } else if (IsDigit(c)) {
      digits = true;
      if (point) {
        ++places;
        zeros = c == u'0' ? zeros + 1 : 0;
      }
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  return std::pair(places, zeros);
}

// Recursive descent over the normalised text; std::nullopt for anything it cannot read whole.
class Parser {
 public:
  explicit Parser(std::u16string_view text) : text_(text) {}

  std::optional<double> whole() {
    const std::optional<double> value = sum();
    skipBlanks();
    if (!value || at_ != text_.size() || !std::isfinite(*value)) return std::nullopt;
    return value;
  }

 private:
  char16_t peek() {
    skipBlanks();
    return at_ < text_.size() ? text_[at_] : u'\0';
  }
  void skipBlanks() {
    while (at_ < text_.size() && text_[at_] == u' ') ++at_;
  }
  bool take(char16_t c) {
    if (peek() != c) return false;
    ++at_;
    return true;
  }

  // sum := term { ("+" | "-") term }, a term with its own sign.
  std::optional<double> sum() {
    std::optional<double> value = signedTerm();
    while (value) {
      if (take(u'+')) {
        const auto right = signedTerm();
        value = right ? std::optional(*value + *right) : std::nullopt;
      } else if (take(u'-')) {
        const auto right = signedTerm();
        value = right ? std::optional(*value - *right) : std::nullopt;
      } else {
        break;
      }
    }
    return value;
  }

  std::optional<double> signedTerm() {
    if (take(u'-')) {
      const auto value = signedTerm();
      return value ? std::optional(-*value) : std::nullopt;
    }
    take(u'+');
    return product();
  }

  // Factors that may follow another without a sign: 2√2, 49π, 3(…), but never two numbers.
  bool startsImplicitFactor() {
    const char16_t c = peek();
    if (c == u'π' || c == u'√' || c == u'∛' || c == u'∜' || c == u'(') return true;
    std::size_t i = at_;
    while (i < text_.size() && Superscript(text_[i]) >= 0) ++i;
    return i > at_ && i < text_.size() && text_[i] == u'√';
  }

  // product := power { ("×" | "/") power | power }
  std::optional<double> product() {
    std::optional<double> value = power();
    while (value) {
      if (take(u'×')) {
        const auto right = power();
        value = right ? std::optional(*value * *right) : std::nullopt;
      } else if (take(u'/')) {
        const auto right = power();
        if (!right || *right == 0) return std::nullopt;
        value = *value / *right;
      } else if (startsImplicitFactor()) {
        const auto right = power();
        value = right ? std::optional(*value * *right) : std::nullopt;
      } else {
        break;
      }
    }
    return value;
  }

  // power := primary { "²" | "³" | "^" signed primary }
  std::optional<double> power() {
    std::optional<double> value = primary();
    while (value) {
      std::size_t i = at_;
      int exponent = 0;
      while (i < text_.size() && Superscript(text_[i]) >= 0)
        exponent = std::min(exponent * 10 + Superscript(text_[i++]), kLargestSuperscript);
      if (i > at_ && !(i < text_.size() && text_[i] == u'√')) {
        at_ = i;
        value = std::pow(*value, exponent);
      } else if (take(u'^')) {
        const bool negative = take(u'-');
        const auto e = primary();
        if (!e) return std::nullopt;
        value = std::pow(*value, negative ? -*e : *e);
      } else {
        break;
      }
    }
    return value;
  }

  std::optional<double> root(int index) {
    const bool negative = take(u'-');
    const std::optional<double> radicand = power();
    if (!radicand) return std::nullopt;
    const double x = negative ? -*radicand : *radicand;
    if (x >= 0) return index == 2 ? std::sqrt(x) : std::pow(x, 1.0 / index);
    if (index % 2 == 0) return std::nullopt;
    return -std::pow(-x, 1.0 / index);
  }

  // The digits of a number, with its point; none when there is no digit.
  std::optional<double> number(bool& whole) {
    const std::size_t start = at_;
    while (at_ < text_.size() && (IsDigit(text_[at_]) || text_[at_] == u'.')) ++at_;
    const std::u16string_view digits = text_.substr(start, at_ - start);
    if (digits.find_first_of(u"0123456789") == std::u16string_view::npos ||
        digits.find(u'.') != digits.rfind(u'.'))
      return std::nullopt;
    whole = digits.find(u'.') == std::u16string_view::npos;
    std::string ascii(digits.begin(), digits.end());
    return std::strtod(ascii.c_str(), nullptr);
  }

  // A mixed number's fraction after its whole number and a blank: "37 7/9", "10 ⅔".
  std::optional<double> mixedFraction() {
    const std::size_t start = at_;
    if (at_ >= text_.size() || text_[at_] != u' ') {
      if (at_ < text_.size() && Vulgar(text_[at_]) != nullptr) {
        const VulgarFraction* f = Vulgar(text_[at_++]);
        return static_cast<double>(f->numerator) / f->denominator;
      }
      return std::nullopt;
    }
    skipBlanks();
    if (at_ < text_.size() && Vulgar(text_[at_]) != nullptr) {
      const VulgarFraction* f = Vulgar(text_[at_++]);
      return static_cast<double>(f->numerator) / f->denominator;
    }
    bool whole = false;
    const auto numerator = IsDigit(peek()) ? number(whole) : std::nullopt;
    if (numerator && whole && take(u'/') && IsDigit(peek())) {
      const auto denominator = number(whole);
      if (denominator && whole && *denominator != 0 && *numerator < *denominator)
        return *numerator / *denominator;
    }
    at_ = start;
    return std::nullopt;
  }

  std::optional<double> primary() {
    const char16_t c = peek();
    if (c == u'(') {
      ++at_;
      const auto value = sum();
      return value && take(u')') ? value : std::nullopt;
    }
    if (c == u'π') {
      ++at_;
      return kPi;
    }
    if (const VulgarFraction* f = Vulgar(c)) {
      ++at_;
      return static_cast<double>(f->numerator) / f->denominator;
    }
    if (c == u'√' || c == u'∛' || c == u'∜') {
      ++at_;
      return root(c == u'√' ? 2 : c == u'∛' ? 3 : 4);
    }
    if (Superscript(c) >= 0) {
      int index = 0;
      while (at_ < text_.size() && Superscript(text_[at_]) >= 0)
        index = std::min(index * 10 + Superscript(text_[at_++]), kLargestSuperscript);
      if (index < 2 || !take(u'√')) return std::nullopt;
      return root(index);
    }
    if (IsDigit(c) || c == u'.') {
      bool whole = false;
      const auto value = number(whole);
      if (!value || !whole) return value;
      const auto fraction = mixedFraction();
      return fraction ? *value + *fraction : *value;
    }
    return std::nullopt;
  }

  std::u16string_view text_;
  std::size_t at_ = 0;
};

bool HasDigit(std::u16string_view text) {
  return text.find_first_of(u"0123456789π√∛∜½⅓⅔¼¾⅕⅖⅗⅘⅙⅚⅐⅛⅜⅝⅞⅑⅒") != std::u16string_view::npos;
}

// The text without words and unit signs after the number ("153.86 سم²", "١٥٣٫٨٦ سم٢", "77 °F"),
// the digit of a square or a cube in either alphabet; the text itself
// where nothing after it starts with a letter, so that "7²" keeps its square.
std::u16string_view WithoutUnit(std::u16string_view text) {
  const auto isLetter = [](char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= 0x0621 && c <= 0x064A);
  };
  const auto isUnit = [&](char16_t c) {
    return isLetter(c) || c == u' ' || c == u'\u00A0' || c == u'°' || c == u'²' || c == u'³' ||
           c == u'.';
  };
  // The digit of a square or a cube written after an Arabic unit ("سم٢", read as "سم2").
  const auto isPower = [&](std::size_t at) {
    return (text[at] == u'2' || text[at] == u'3') && at > 0 && text[at - 1] >= 0x0621 &&
           text[at - 1] <= 0x064A;
  };
  std::size_t end = text.size();
  bool letter = false;
  while (end > 0 && (isUnit(text[end - 1]) || isPower(end - 1)))
    letter = isLetter(text[--end]) || letter;
  // The unit starts at its first letter or degree sign: "2.5 م." keeps its number's point.
  while (end < text.size() && !isLetter(text[end]) && text[end] != u'°') ++end;
  return letter ? Trimmed(text.substr(0, end)) : text;
}

TypedAnswer ReadPart(std::u16string_view part) {
  part = Trimmed(part);
  if (part.empty()) return {TypedAnswer::Form::Empty};
  for (const std::u16string_view text : {part, WithoutUnit(part)}) {
    if (const auto places = DecimalForm(text)) {
      const std::string ascii(text.begin(), text.end());
      std::string digits;
      for (char c : ascii)
        if (c != ' ') digits += c;
      return {TypedAnswer::Form::Decimal, std::strtod(digits.c_str(), nullptr), places->first,
              places->second};
    }
    if (const std::optional<double> value = Parser(text).whole())
      return {TypedAnswer::Form::Exact, *value, 0};
  }
  return {TypedAnswer::Form::Unreadable};
}

}  // namespace

std::vector<TypedAnswer> ReadTypedAnswer(std::u16string_view text, char16_t localeSeparator) {
  const std::u16string normalised = Normalised(text, localeSeparator);
  if (Trimmed(normalised).empty()) return {{TypedAnswer::Form::Empty}};
  if (normalised.size() > kLongestAnswer) return {{TypedAnswer::Form::Unreadable}};
  std::vector<std::u16string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = std::u16string_view(normalised).find_first_of(u"=≈", start);
    parts.push_back(std::u16string_view(normalised).substr(start, end - start));
    if (end == std::u16string_view::npos) break;
    start = end + 1;
  }
  std::vector<TypedAnswer> read;
  for (const std::u16string_view part : parts) {
    if (!HasDigit(part) && parts.size() > 1) continue;  // a name: "س = 3"
    const TypedAnswer answer = ReadPart(part);
    if (answer.form == TypedAnswer::Form::Empty || answer.form == TypedAnswer::Form::Unreadable)
      return {{TypedAnswer::Form::Unreadable}};
    read.push_back(answer);
  }
  if (read.empty()) return {{TypedAnswer::Form::Unreadable}};
  return read;
}

int DecimalPlaces(double value) {
  if (!std::isfinite(value)) return 0;
  for (int places = 0; places < 17; ++places) {
    const double scale = std::pow(10.0, places);
    if (std::fabs(std::round(value * scale) / scale - value) <= 1e-12 * std::fabs(value))
      return places;
  }
  return 17;
}

Agreement Compare(double typed, bool decimal, int typedPlaces, double expected, int places) {
  // Tight: the window's arithmetic and the reader's differ in the last bits only.
  const double tight = 1e-9 * std::max(std::fabs(expected), 1e-3);
  const double difference = std::fabs(typed - expected);
  if (difference <= tight) return Agreement::Equal;
  if (!decimal) return Agreement::Different;
  const bool rounded = difference <= 0.5 * std::pow(10.0, -typedPlaces) + tight;
  if (!rounded) return Agreement::Different;
  const int ends = DecimalPlaces(expected);
  if (ends <= places) return typedPlaces < ends ? Agreement::Rounded : Agreement::Different;
  return typedPlaces >= places ? Agreement::Equal : Agreement::Rounded;
}

}  // namespace numora
