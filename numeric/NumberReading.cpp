#include "numeric/NumberReading.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>
#include <system_error>

#include "numeric/Fault.h"

namespace numora {
namespace {

// The value of a decimal digit: the ASCII digits, the Arabic-Indic digits ٠ to ٩ (U+0660 to U+0669)
// and the extended Arabic-Indic digits ۰ to ۹ (U+06F0 to U+06F9); -1 for anything else.
constexpr int DigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'\u0660' && c <= u'\u0669') return c - u'\u0660';
  if (c >= u'\u06F0' && c <= u'\u06F9') return c - u'\u06F0';
  return -1;
}

// The Arabic decimal separator, a decimal point for both readers.
constexpr char16_t kArabicDecimalSeparator = u'\u066B';

// Walks a text once, for either reader. The lenient one reads an input box as if every blank, tab
// and line feed had been removed first: stepping over them on the way keeps the reading linear in
// the length of the text, however many of them there are. The strict one takes the text as it
// stands.
class Cursor {
 public:
  Cursor(std::u16string_view text, bool lenient)
      : position_(text.data()), end_(text.data() + text.size()), lenient_(lenient) {}

  bool lenient() const { return lenient_; }

  // The next character that counts, or 0 at the end of the text (a NUL in the text ends the
  // number just the same).
  char16_t Peek() {
    while (lenient_ && position_ != end_ &&
           (*position_ == u' ' || *position_ == u'\t' || *position_ == u'\n' ||
            IsInvisible(*position_))) {
      ++position_;
    }
    return position_ != end_ ? *position_ : u'\0';
  }

  void Advance() { ++position_; }

  // Steps over the next character that counts if it is one of the given ones.
  bool Take(std::u16string_view characters) {
    const char16_t c = Peek();
    if (c == u'\0' || characters.find(c) == characters.npos) {
      return false;
    }
    Advance();
    return true;
  }

  // Steps over a sign; whether it is a minus.
  bool TakeSign() { return !Take(u"+") && Take(lenient_ ? u"-\u2212" : u"-"); }

  // The blanks and tabs the strict reader allows around the number.
  void SkipBlanksAndTabs() {
    while (position_ != end_ && (*position_ == u' ' || *position_ == u'\t')) {
      ++position_;
    }
  }

  bool AtEnd() const { return position_ == end_; }
  const char16_t* position() const { return position_; }

 private:
  const char16_t* position_;
  const char16_t* end_;
  bool lenient_;
};

// A decimal number read from a text without copying the text, turned into the nearest double at
// the end. Leading zeros are not kept, and digits past kMaxDigits are folded into one sticky
// digit: every halfway point between two doubles is a decimal of at most 767 significant digits,
// so a number cut after 800 digits, with a non-zero digit standing for whatever was cut off, lies
// on the same side of every halfway point as the whole number. That keeps the reading exact for
// any length of text and the buffer on the stack.
class DecimalNumber {
 public:
  // Reads a sign, digits, the separator and more digits, then an exponent: "E" or "e" (for the
  // lenient reader "D" or "d" too), a sign and digits. False when no digit comes before the
  // exponent, and for the strict reader when the exponent has no digits. The lenient reader reads
  // nothing after the number, so there an exponent without digits needs no stepping back: its
  // letter and sign are simply not part of the number.
  bool Read(Cursor& in, char16_t decimalSeparator,
            char16_t otherSeparator = kArabicDecimalSeparator) {
    negative_ = in.TakeSign();
    bool anyDigit = false;
    bool inFraction = false;
    for (char16_t c = in.Peek();; in.Advance(), c = in.Peek()) {
      if (const int digit = DigitValue(c); digit >= 0) {
        anyDigit = true;
        end_ = in.position() + 1;
        scale_ -= inFraction;
        if (count_ == kMaxDigits) {
          ++scale_;
          sticky_ = sticky_ || digit != 0;
        } else if (count_ != 0 || digit != 0) {
          digits_[count_++] = static_cast<char>('0' + digit);
        }
      } else if ((c == decimalSeparator || c == kArabicDecimalSeparator || c == otherSeparator) &&
                 !inFraction) {
        inFraction = true;
        end_ = in.position() + 1;
      } else {
        break;
      }
    }
    if (!anyDigit || !in.Take(in.lenient() ? u"EeDd" : u"Ee")) {
      return anyDigit;
    }
    const bool negativeExponent = in.TakeSign();
    bool anyExponentDigit = false;
    std::int64_t exponent = 0;
    for (int digit = DigitValue(in.Peek()); digit >= 0;
         in.Advance(), digit = DigitValue(in.Peek())) {
      anyExponentDigit = true;
      end_ = in.position() + 1;
      // Past the cap the number is far outside the double range either way; stopping there keeps
      // the sum with the scale free of integer overflow.
      exponent = std::min<std::int64_t>(exponent * 10 + digit, kExponentCap);
    }
    scale_ += negativeExponent ? -exponent : exponent;
    return anyExponentDigit || in.lenient();
  }

  // Just past the last character that was part of the number: an exponent letter without digits
  // is not.
  const char16_t* end() const { return end_; }

  double Finish() {
    const double zero = negative_ ? -0.0 : 0.0;
    if (count_ == 0) {
      return zero;
    }
    // The power of ten of the first significant digit decides the clear cases here, so that
    // from_chars only ever sees a short exponent.
    const std::int64_t leading = scale_ + static_cast<std::int64_t>(count_) - 1;
    if (leading > 308) {
      throw Fault(FaultKind::Overflow);
    }
    if (leading < -325) {
      return zero;  // Below half the smallest subnormal: an underflow, which passes.
    }
    char* end = digits_.data() + count_;
    if (sticky_) {
      *end++ = '1';
    }
    const std::string_view significant(digits_.data(),
                                       static_cast<std::size_t>(end - digits_.data()));
    *end++ = 'e';
    end = std::to_chars(end, digits_.data() + digits_.size(), scale_ - sticky_).ptr;
    double value = 0.0;
    if (std::from_chars(digits_.data(), end, value).ec != std::errc()) {
      if (leading <= 0) {
        return zero;  // An underflow.
      }
      // The display text of the largest double, 1.79769313486232E+308, denotes a value just
      // beyond the range. So that it still reads back, every number that rounds to it at 15
      // digits reads as the largest double; only from 1.797693134862325E+308 on is the number
      // beyond the range.
      if (leading != 308 || significant >= "1797693134862325") {
        throw Fault(FaultKind::Overflow);
      }
      value = std::numeric_limits<double>::max();
    }
    return negative_ ? -value : value;
  }

 private:
  static constexpr std::size_t kMaxDigits = 800;
  static constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

  // The kept digits; Finish adds the sticky digit, "e" and the power of ten.
  std::array<char, kMaxDigits + 32> digits_;
  std::size_t count_ = 0;
  bool sticky_ = false;
  bool negative_ = false;
  const char16_t* end_ = nullptr;
  // The value read is the kept digits times ten to the power scale_.
  std::int64_t scale_ = 0;
};

int RadixDigitValue(char16_t c, unsigned radix) {
  int value = DigitValue(c);
  if (c >= u'A' && c <= u'F') {
    value = c - u'A' + 10;
  } else if (c >= u'a' && c <= u'f') {
    value = c - u'a' + 10;
  }
  return value < static_cast<int>(radix) ? value : -1;
}

// The width follows the value, not the number of digits typed: leading zeros are not significant,
// so "&H0000FFFF" is the same 16-bit -1 as "&HFFFF", and any number of leading zeros is allowed.
// Up to &HFFFF (&O177777) the value is a signed 16-bit integer, up to &HFFFFFFFF (&O37777777777)
// a signed 32-bit integer; anything wider is the overflow fault.
double ReadRadixNumber(Cursor& in, unsigned radix) {
  std::uint64_t value = 0;
  for (int digit = RadixDigitValue(in.Peek(), radix); digit >= 0;
       digit = RadixDigitValue(in.Peek(), radix)) {
    value = value * radix + static_cast<unsigned>(digit);
    if (value > 0xFFFF'FFFFu) {
      throw Fault(FaultKind::Overflow);
    }
    in.Advance();
  }
  if (value <= 0xFFFFu) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

}  // namespace

Reading ReadNumber(std::u16string_view text, char16_t localeSeparator) {
  // What a copy carries before a number, its isolate or a mark, a no-break space, shows nothing
  // and is stepped over. Inside a number the invisible characters are stepped over as blanks are
  // (Numora sets an exponent's "E" apart with marks), and a no-break space still ends it.
  std::size_t start = 0;
  const auto nothing = [](char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || IsInvisible(c) || IsSpaceInNumber(c);
  };
  while (start < text.size() && nothing(text[start])) ++start;
  Cursor in(text.substr(start), true);
  const auto used = [&] { return static_cast<std::size_t>(in.position() - text.data()); };
  if (in.Take(u"&")) {
    if (in.Take(u"Hh")) {
      const double value = ReadRadixNumber(in, 16);
      return {value, used(), true};
    }
    if (in.Take(u"Oo")) {
      const double value = ReadRadixNumber(in, 8);
      return {value, used(), true};
    }
    return {0.0, 0, false};
  }
  DecimalNumber number;
  if (!number.Read(in, u'.', localeSeparator)) return {0.0, 0, false};
  const auto end = static_cast<std::size_t>(number.end() - text.data());
  return {number.Finish(), end, true};
}

std::u16string_view IgnoredText(std::u16string_view text, const Reading& reading) {
  const auto space = [](char16_t c) {
    return (c >= u'\t' && c <= u'\r') || c == u' ' || c == u'\u0085' || c == u'\u00A0' ||
           c == u'\u1680' || (c >= u'\u2000' && c <= u'\u200A') || c == u'\u2028' ||
           c == u'\u2029' || c == u'\u202F' || c == u'\u205F' || c == u'\u3000';
  };
  const auto nothing = [&space](char16_t c) { return space(c) || IsInvisible(c); };
  std::u16string_view ignored = text.substr(std::min(reading.used, text.size()));
  while (!ignored.empty() && nothing(ignored.front())) ignored.remove_prefix(1);
  while (!ignored.empty() && nothing(ignored.back())) ignored.remove_suffix(1);
  return ignored;
}

double ParseNumber(std::u16string_view text, char16_t localeSeparator) {
  return ReadNumber(text, localeSeparator).value;
}

double ParseNumberStrict(std::u16string_view text, char16_t decimalSeparator) {
  Cursor in(text, false);
  in.SkipBlanksAndTabs();
  DecimalNumber number;
  const bool isNumber = number.Read(in, decimalSeparator);
  in.SkipBlanksAndTabs();
  if (!isNumber || !in.AtEnd()) {
    throw Fault(FaultKind::TypeMismatch);
  }
  return number.Finish();
}

}  // namespace numora
