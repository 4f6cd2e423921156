#include "numeric/NumberWriting.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "numeric/Bidi.h"

namespace numora {
namespace {

std::u16string Widen(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

}  // namespace

std::u16string Numerals::digits(std::u16string_view text) const {
  std::u16string written(text);
  if (ascii()) return written;
  for (char16_t& c : written) {
    if (c >= u'0' && c <= u'9') c = static_cast<char16_t>(zero + (c - u'0'));
  }
  return written;
}

std::u16string NumberToText(double value, Numerals numerals) {
  if (value == 0.0) {
    return numerals.digits(u"0");  // Negative zero as well.
  }
  char text[32];
  if (!std::isfinite(value)) {
    // Never passed by the windows; written as the converter writes it rather than left undefined.
    return Widen({text, std::to_chars(text, text + sizeof text, value).ptr});
  }
  // The 15 significant digits rounded half to even on the exact binary value, as
  // "d.dddddddddddddde+dd" with two or three exponent digits. A rounding that carries into a new
  // first digit moves the exponent and may change the form: 9.999999999999999E+14 is written
  // 1E+15.
  char* const end =
      std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific, 14)
          .ptr;
  std::string shown = text[0] + std::string(text + 2, 14);
  shown.erase(shown.find_last_not_of('0') + 1);
  int exponent = 0;
  std::from_chars(text + (text[17] == '-' ? 17 : 18), end, exponent);

  // The digits with "." standing for the separator.
  const bool exponentForm = exponent >= 15 || exponent < -4;
  if (exponentForm || exponent >= 0) {
    const std::size_t integerDigits = exponentForm ? 1 : static_cast<std::size_t>(exponent) + 1;
    shown.resize(std::max(shown.size(), integerDigits), '0');
    if (shown.size() > integerDigits) {
      shown.insert(integerDigits, 1, '.');
    }
  } else {
    shown.insert(0, "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0'));
  }
  if (exponentForm) {
    shown += 'E' + std::string(text + 17, end);
  }
  std::u16string result = value < 0.0 ? u"-" : u"";
  for (const char c : shown) {
    result += c == '.' ? numerals.separator : static_cast<char16_t>(c);
  }
  return numerals.digits(result);
}

std::u16string LeftToRightNumbers(std::u16string_view text) {
  const auto arabicDigit = [](char16_t c) {
    return (c >= u'\u0660' && c <= u'\u0669') || (c >= u'\u06F0' && c <= u'\u06F9');
  };
  const auto separator = [](char16_t c) { return c == u'\u066B' || c == u'.' || c == u','; };
  std::u16string marked;
  marked.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    marked += text[i];
    if (!arabicDigit(text[i])) continue;
    // The number goes on through its digits and a separator between two of them.
    const bool more = i + 1 < text.size() &&
                      (arabicDigit(text[i + 1]) ||
                       (separator(text[i + 1]) && i + 2 < text.size() && arabicDigit(text[i + 2])));
    if (!more && (i + 1 == text.size() || text[i + 1] != kLeftToRightMark))
      marked += kLeftToRightMark;
  }
  return marked;
}

std::u16string IntegerToText(std::int16_t value, Numerals numerals) {
  char text[8];
  return numerals.digits(
      Widen({text, std::to_chars(text, text + sizeof text, static_cast<int>(value)).ptr}));
}

std::u16string RoundedToText(double value, int places, Numerals numerals) {
  const std::u16string full = NumberToText(value, numerals);
  if (!std::isfinite(value) || full.find(u'E') != full.npos) return full;
  // The window's own text has no more places than asked for: it is the answer as it is.
  const std::size_t mark = full.find(numerals.separator);
  if (mark == full.npos || full.size() - mark - 1 <= static_cast<std::size_t>(places)) return full;
  const double scale = std::pow(10.0, places);
  const double rounded = std::round(value * scale) / scale;
  if (rounded == 0 || std::abs(value * scale) >= 1E15) return full;
  // Every place the answer is rounded to is written, a last zero too: 0.70.
  char buffer[32];
  const auto written = std::to_chars(std::begin(buffer), std::end(buffer), rounded,
                                     std::chars_format::fixed, places);
  std::u16string text(buffer, written.ptr);
  std::replace(text.begin(), text.end(), u'.', numerals.separator);
  return numerals.digits(text);
}

}  // namespace numora
