#include "numeric/Conversions.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>
#include <system_error>

#include "numeric/Fault.h"

namespace numora {
namespace {

constexpr bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Gathers the digits of a decimal number while the text is scanned, without ever copying the
// text, and turns them into the nearest double at the end. Leading zeros are not kept, and digits
// past kMaxDigits are folded into one sticky digit: every halfway point between two doubles is a
// decimal of at most 767 significant digits, so a number cut after 800 digits, with a non-zero
// digit standing for whatever was cut off, lies on the same side of every halfway point as the
// whole number. That keeps the reading exact for any length of text and the buffer on the stack.
class DecimalDigits {
 public:
  void AddDigit(char16_t c, bool inFraction) {
    if (inFraction) {
      --scale_;
    }
    if (count_ == 0 && c == u'0') {
      return;
    }
    if (count_ < kMaxDigits) {
      buffer_[count_++] = static_cast<char>(c);
    } else {
      ++scale_;
      sticky_ = sticky_ || c != u'0';
    }
  }

  void AddExponentDigit(char16_t c) {
    // Past the cap the number is far outside the double range either way; stopping there keeps
    // the sum with the scale free of integer overflow.
    if (exponent_ < kExponentCap) {
      exponent_ = exponent_ * 10 + (c - u'0');
    }
  }

  void SetExponentNegative(bool negative) { exponentNegative_ = negative; }

  double Finish(bool negative) {
    const double zero = negative ? -0.0 : 0.0;
    if (count_ == 0) {
      return zero;
    }
    std::int64_t power = scale_ + (exponentNegative_ ? -exponent_ : exponent_);
    // The power of ten of the first significant digit decides the clear cases here, so that the
    // converter below only ever sees a short exponent.
    const std::int64_t leading = power + static_cast<std::int64_t>(count_) - 1;
    if (leading > 308) {
      throw Fault(FaultKind::Overflow);
    }
    if (leading < -325) {
      return zero;  // Below half the smallest subnormal: an underflow, which passes.
    }
    char* end = buffer_.data() + count_;
    if (sticky_) {
      *end++ = '1';
      --power;
    }
    const std::string_view significant(buffer_.data(),
                                       static_cast<std::size_t>(end - buffer_.data()));
    *end++ = 'e';
    end = std::to_chars(end, buffer_.data() + buffer_.size(), power).ptr;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(buffer_.data(), end, value);
    if (ec != std::errc()) {
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
    return negative ? -value : value;
  }

 private:
  static constexpr std::size_t kMaxDigits = 800;
  static constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

  // The kept digits, the sticky digit, "e" and the exponent.
  std::array<char, kMaxDigits + 32> buffer_;
  std::size_t count_ = 0;
  bool sticky_ = false;
  // The value read is the kept digits times ten to the power scale_ + the signed exponent.
  std::int64_t scale_ = 0;
  std::int64_t exponent_ = 0;
  bool exponentNegative_ = false;
};

// Walks the text of an input box as if every blank, tab and line feed had been removed first.
// Skipping them on the way costs nothing extra and keeps the reading linear in the length of the
// text, however many of them there are.
class BlankSkippingCursor {
 public:
  explicit BlankSkippingCursor(std::u16string_view text)
      : position_(text.data()), end_(text.data() + text.size()) {}

  // The next character that counts, or 0 at the end of the text (a NUL in the text ends the
  // number just the same).
  char16_t Peek() {
    while (position_ != end_ &&
           (*position_ == u' ' || *position_ == u'\t' || *position_ == u'\n')) {
      ++position_;
    }
    return position_ != end_ ? *position_ : u'\0';
  }

  void Advance() { ++position_; }

 private:
  const char16_t* position_;
  const char16_t* end_;
};

int RadixDigitValue(char16_t c, unsigned radix) {
  int value = -1;
  if (c >= u'0' && c <= u'9') {
    value = c - u'0';
  } else if (c >= u'A' && c <= u'F') {
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
double ReadRadixNumber(BlankSkippingCursor& cursor, unsigned radix) {
  std::uint64_t value = 0;
  for (int digit = RadixDigitValue(cursor.Peek(), radix); digit >= 0;
       digit = RadixDigitValue(cursor.Peek(), radix)) {
    value = value * radix + static_cast<unsigned>(digit);
    if (value > 0xFFFF'FFFFu) {
      throw Fault(FaultKind::Overflow);
    }
    cursor.Advance();
  }
  if (value <= 0xFFFFu) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::u16string Widen(const char* begin, const char* end) { return std::u16string(begin, end); }

}  // namespace

double ParseNumber(std::u16string_view text) {
  BlankSkippingCursor cursor(text);
  char16_t c = cursor.Peek();
  if (c == u'&') {
    cursor.Advance();
    c = cursor.Peek();
    if (c == u'H' || c == u'h') {
      cursor.Advance();
      return ReadRadixNumber(cursor, 16);
    }
    if (c == u'O' || c == u'o') {
      cursor.Advance();
      return ReadRadixNumber(cursor, 8);
    }
    return 0.0;
  }

  bool negative = false;
  if (c == u'+' || c == u'-') {
    negative = c == u'-';
    cursor.Advance();
    c = cursor.Peek();
  }
  DecimalDigits digits;
  bool anyDigit = false;
  for (; IsDigit(c); cursor.Advance(), c = cursor.Peek()) {
    digits.AddDigit(c, false);
    anyDigit = true;
  }
  if (c == u'.') {
    cursor.Advance();
    for (c = cursor.Peek(); IsDigit(c); cursor.Advance(), c = cursor.Peek()) {
      digits.AddDigit(c, true);
      anyDigit = true;
    }
  }
  if (!anyDigit) {
    return 0.0;
  }
  if (c == u'E' || c == u'e' || c == u'D' || c == u'd') {
    // Nothing is read after the number, so an exponent without digits needs no stepping back:
    // its letter and sign are simply not part of the number, and the exponent stays 0.
    cursor.Advance();
    c = cursor.Peek();
    if (c == u'+' || c == u'-') {
      digits.SetExponentNegative(c == u'-');
      cursor.Advance();
      c = cursor.Peek();
    }
    for (; IsDigit(c); cursor.Advance(), c = cursor.Peek()) {
      digits.AddExponentDigit(c);
    }
  }
  return digits.Finish(negative);
}

std::u16string NumberToText(double value, char16_t decimalSeparator) {
  if (value == 0.0) {
    return u"0";  // Negative zero as well.
  }
  // Fifteen significant digits, rounded half to even on the exact binary value, are what the
  // scientific form with 14 fraction digits gives; the exponent it writes already accounts for a
  // rounding that carries into a new digit (9.999999999999999E+14 becomes 1E+15).
  char scientific[32];
  const char* const scientificEnd = std::to_chars(scientific, scientific + sizeof scientific, value,
                                                  std::chars_format::scientific, 14)
                                        .ptr;
  if (!std::isfinite(value)) {
    // Never passed by the windows; written as the converter writes it rather than left undefined.
    return Widen(scientific, scientificEnd);
  }

  char16_t text[32];
  char16_t* out = text;
  const char* in = scientific;
  if (*in == '-') {
    *out++ = u'-';
    ++in;
  }
  // in: one digit, ".", 14 digits, "e", the exponent's sign and at least two digits.
  char digits[15];
  digits[0] = in[0];
  std::memcpy(digits + 1, in + 2, 14);
  int exponent = 0;
  for (const char* e = in + 18; e != scientificEnd; ++e) {
    exponent = exponent * 10 + (*e - '0');
  }
  if (in[17] == '-') {
    exponent = -exponent;
  }
  int count = 15;
  while (count > 1 && digits[count - 1] == '0') {
    --count;
  }

  if (exponent >= 15 || exponent < -4) {
    *out++ = static_cast<char16_t>(digits[0]);
    if (count > 1) {
      *out++ = decimalSeparator;
      for (int i = 1; i < count; ++i) {
        *out++ = static_cast<char16_t>(digits[i]);
      }
    }
    *out++ = u'E';
    *out++ = exponent < 0 ? u'-' : u'+';
    int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude >= 100) {
      *out++ = static_cast<char16_t>(u'0' + magnitude / 100);
      magnitude %= 100;
    }
    *out++ = static_cast<char16_t>(u'0' + magnitude / 10);
    *out++ = static_cast<char16_t>(u'0' + magnitude % 10);
  } else if (exponent >= 0) {
    for (int i = 0; i <= exponent; ++i) {
      *out++ = i < count ? static_cast<char16_t>(digits[i]) : u'0';
    }
    if (count > exponent + 1) {
      *out++ = decimalSeparator;
      for (int i = exponent + 1; i < count; ++i) {
        *out++ = static_cast<char16_t>(digits[i]);
      }
    }
  } else {
    *out++ = u'0';
    *out++ = decimalSeparator;
    for (int i = -1; i > exponent; --i) {
      *out++ = u'0';
    }
    for (int i = 0; i < count; ++i) {
      *out++ = static_cast<char16_t>(digits[i]);
    }
  }
  return std::u16string(text, out);
}

double ParseNumberStrict(std::u16string_view text, char16_t decimalSeparator) {
  const char16_t* p = text.data();
  const char16_t* const end = p + text.size();
  const auto skipBlanks = [&] {
    while (p != end && (*p == u' ' || *p == u'\t')) {
      ++p;
    }
  };
  const auto fail = [] { throw Fault(FaultKind::TypeMismatch); };

  skipBlanks();
  bool negative = false;
  if (p != end && (*p == u'+' || *p == u'-')) {
    negative = *p == u'-';
    ++p;
  }
  DecimalDigits digits;
  bool anyDigit = false;
  for (; p != end && IsDigit(*p); ++p) {
    digits.AddDigit(*p, false);
    anyDigit = true;
  }
  if (p != end && *p == decimalSeparator) {
    for (++p; p != end && IsDigit(*p); ++p) {
      digits.AddDigit(*p, true);
      anyDigit = true;
    }
  }
  if (!anyDigit) {
    fail();
  }
  if (p != end && (*p == u'E' || *p == u'e')) {
    ++p;
    if (p != end && (*p == u'+' || *p == u'-')) {
      digits.SetExponentNegative(*p == u'-');
      ++p;
    }
    if (p == end || !IsDigit(*p)) {
      fail();
    }
    for (; p != end && IsDigit(*p); ++p) {
      digits.AddExponentDigit(*p);
    }
  }
  skipBlanks();
  if (p != end) {
    fail();
  }
  return digits.Finish(negative);
}

std::u16string IntegerToText(std::int16_t value) {
  char text[8];
  const char* const end = std::to_chars(text, text + sizeof text, static_cast<int>(value)).ptr;
  return Widen(text, end);
}

}  // namespace numora
