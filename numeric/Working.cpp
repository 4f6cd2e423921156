#include "numeric/Working.h"

#include "numeric/Conversions.h"

namespace numora {
namespace {

constexpr char16_t kLeftToRightIsolate = u'\u2066';
constexpr char16_t kPopDirectionalIsolate = u'\u2069';

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

std::u16string IsolatedNumber(std::u16string_view text, bool operand) {
  std::u16string out;
  out.reserve(text.size() + 4);
  out += kLeftToRightIsolate;
  const bool enclosed = operand && (text.starts_with(u'-') || text.find(u'E') != text.npos);
  if (enclosed) out += u'(';
  out += text;
  if (enclosed) out += u')';
  out += kPopDirectionalIsolate;
  return out;
}

Working& Working::let(std::u16string_view name, double value) {
  for (auto& [known, number] : values_) {
    if (known == name) {
      number = value;
      return *this;
    }
  }
  values_.emplace_back(name, value);
  return *this;
}

const double* Working::valueOf(std::u16string_view name) const {
  for (const auto& [known, number] : values_)
    if (known == name) return &number;
  return nullptr;
}

std::u16string Working::render(bool numbers, char16_t decimalSeparator) const {
  std::u16string out;
  out.reserve(formula_.size() * 2);
  const std::u16string_view formula = formula_;
  std::size_t i = 0;
  while (i < formula.size()) {
    const char16_t c = formula[i];
    if (c == u'{') {
      const std::size_t close = formula.find(u'}', i);
      if (close == std::u16string_view::npos) {  // not a quantity: the brace as it stands
        out += formula.substr(i);
        break;
      }
      std::u16string_view name = formula.substr(i + 1, close - i - 1);
      const bool intermediate = !name.empty() && name.front() == u'=';
      if (intermediate) name.remove_prefix(1);
      const double* value = numbers ? valueOf(name) : nullptr;
      if (intermediate) {
        if (value != nullptr)
          out += u" = " + IsolatedNumber(NumberToText(*value, decimalSeparator), false);
      } else if (value != nullptr) {
        out += IsolatedNumber(NumberToText(*value, decimalSeparator), true);
      } else {
        out += name;
      }
      i = close + 1;
      continue;
    }
    // A point between two digits of a constant is a decimal point.
    const bool decimalPoint = c == u'.' && i > 0 && IsDigit(formula[i - 1]) &&
                              i + 1 < formula.size() && IsDigit(formula[i + 1]);
    out += decimalPoint ? decimalSeparator : c;
    ++i;
  }
  return out;
}

std::u16string Working::inWords(char16_t decimalSeparator) const {
  return render(false, decimalSeparator);
}

std::u16string Working::withNumbers(char16_t decimalSeparator) const {
  return render(true, decimalSeparator);
}

std::u16string Working::withResult(std::u16string_view resultText,
                                   char16_t decimalSeparator) const {
  return withNumbers(decimalSeparator) + u" = " + IsolatedNumber(resultText, false);
}

std::u16string Working::notComputed(std::u16string_view why, char16_t decimalSeparator) const {
  return withNumbers(decimalSeparator) + u"، لم تحسب: " + std::u16string(why);
}

}  // namespace numora
