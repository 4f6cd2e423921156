#include "numeric/Conversions.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>
#include <system_error>

// NUMORA_PORTABLE_CONVERSIONS builds the plain C++ code everywhere, so that the tests can check
// it on a machine that has SSE2.
#if (defined(__SSE2__) || defined(_M_X64)) && !defined(NUMORA_PORTABLE_CONVERSIONS)
#define NUMORA_CONVERSIONS_SSE2 1
#include <emmintrin.h>
#endif

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

  static constexpr bool IsRemoved(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }

  // The next character that counts, or 0 at the end of the text (a NUL in the text ends the
  // number just the same).
  char16_t Peek() {
    while (position_ != end_ && IsRemoved(*position_)) {
      ++position_;
    }
    return position_ != end_ ? *position_ : u'\0';
  }

  void Advance() { ++position_; }

  const char16_t* position() const { return position_; }
  const char16_t* end() const { return end_; }

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

// The common texts, short and without blanks inside the number, take a shortcut: their first
// characters are narrowed to ASCII, and std::from_chars finds the number there; its grammar is the
// lenient one with the sign taken off and without the "D" exponent. The general readings below
// decide everything else (blanks in the number, "D" exponents, long numbers, values out of range,
// no number, faults): the shortcut only ever confirms a plain success. The narrowing treats every
// character alike, without looking for where the number ends, so that it costs no mispredicted
// branches; narrowing one character at a time cost more than from_chars itself.
constexpr std::size_t kShortText = 32;

struct ShortText {
  char ascii[kShortText];
  std::size_t length;  // characters narrowed
  bool wholeText;      // whether they reach the end of the text
};

// Stands for every character that no number contains.
constexpr char kNoNumber = '#';

// The decimal separator becomes ".", and a "." that is not the separator ends the number, as does
// every character outside ASCII.
constexpr char NarrowCharacter(char16_t c, char16_t decimalSeparator) {
  if (c == decimalSeparator) {
    return '.';
  }
  return c == u'.' || c >= 0x80 ? kNoNumber : static_cast<char>(c);
}

// As NarrowCharacter, sixteen characters at a time where SSE2 is there; packing with unsigned
// saturation turns a character outside ASCII into 0 or a byte from 0x80 up, which end the number
// just the same.
ShortText NarrowShortText(const char16_t* begin, const char16_t* end, char16_t decimalSeparator) {
  ShortText text;
  const auto available = static_cast<std::size_t>(end - begin);
  text.length = std::min(available, kShortText);
  text.wholeText = text.length == available;
#if NUMORA_CONVERSIONS_SSE2
  const __m128i separator = _mm_set1_epi16(static_cast<short>(decimalSeparator));
  const __m128i point = _mm_set1_epi16('.');
  const __m128i noNumber = _mm_set1_epi16(kNoNumber);
  const auto load = [&](std::size_t at) {
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(begin + at));
    const __m128i isSeparator = _mm_cmpeq_epi16(c, separator);
    const __m128i isOtherPoint = _mm_andnot_si128(isSeparator, _mm_cmpeq_epi16(c, point));
    const __m128i kept = _mm_andnot_si128(_mm_or_si128(isSeparator, isOtherPoint), c);
    return _mm_or_si128(kept, _mm_or_si128(_mm_and_si128(isSeparator, point),
                                           _mm_and_si128(isOtherPoint, noNumber)));
  };
  // Sixteen characters at a time; a last, partial group is taken as the sixteen characters that
  // end the narrowed text, overlapping the group before.
  const auto store16 = [&](std::size_t at) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(text.ascii + at),
                     _mm_packus_epi16(load(at), load(at + 8)));
  };
  if (text.length >= 16) {
    store16(0);
    if (text.length > 16) {
      store16(text.length - 16);
    }
  } else if (text.length >= 8) {
    const __m128i first = load(0);
    const __m128i last = load(text.length - 8);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(text.ascii), _mm_packus_epi16(first, first));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(text.ascii + text.length - 8),
                     _mm_packus_epi16(last, last));
  } else {
    for (std::size_t i = 0; i < text.length; ++i) {
      text.ascii[i] = NarrowCharacter(begin[i], decimalSeparator);
    }
  }
#else
  for (std::size_t i = 0; i < text.length; ++i) {
    text.ascii[i] = NarrowCharacter(begin[i], decimalSeparator);
  }
#endif
  return text;
}

// Reads the number at the start of the narrowed text and how many characters it takes; false
// when there is none. Only a digit or a point may begin it: from_chars would also take a sign
// after the number's own one, and "inf" or "nan". (The result is not an optional<double>:
// returning one costs a stalled load.)
bool ReadShortNumber(const ShortText& text, double& value, std::size_t& used) {
  if (text.length == 0 || !(IsDigit(text.ascii[0]) || text.ascii[0] == '.')) {
    return false;
  }
  const auto [stop, ec] = std::from_chars(text.ascii, text.ascii + text.length, value);
  used = static_cast<std::size_t>(stop - text.ascii);
  return ec == std::errc();
}

double ReadDecimal(BlankSkippingCursor& cursor, bool negative) {
  DecimalDigits digits;
  bool anyDigit = false;
  char16_t c = cursor.Peek();
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

double ReadStrict(const char16_t* p, const char16_t* const end, char16_t decimalSeparator) {
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

// The 15 significant digits of a finite value above zero, rounded half to even on its exact
// binary value, as std::to_chars writes them in scientific form: one digit, ".", 14 digits; and
// the power of ten of the first digit.
struct RoundedDigits {
  char layout[16];
  int exponent;
};

int ReadExponent(const char* sign, const char* end) {
  int magnitude = 0;
  for (const char* digit = sign + 1; digit != end; ++digit) {
    magnitude = magnitude * 10 + (*digit - '0');
  }
  return *sign == '-' ? -magnitude : magnitude;
}

void RoundUp(RoundedDigits& digits) {
  int i = 15;
  while (i >= 2 && digits.layout[i] == '9') {
    digits.layout[i--] = '0';
  }
  if (i >= 2) {
    ++digits.layout[i];
  } else if (digits.layout[0] != '9') {
    ++digits.layout[0];
  } else {
    digits.layout[0] = '1';  // 9.99999999999999 became 10
    ++digits.exponent;
  }
}

// The shortest text that reads back as the value is much cheaper to get than 15 rounded digits,
// and in most cases it gives them:
// - With at most 15 digits it is the rounded value: half a unit in the last place of a double is
//   less than half the distance between two 15-digit decimals, so no other one lies as near.
// - With 16 or 17 digits, rounding it to 15 gives the same digits unless its 16th digit is a 5
//   that ends it. A halfway point between two 15-digit decimals lying between the value and the
//   shortest text would be a decimal of 16 digits that reads back as the value and is nearer to
//   it, and to_chars picks the nearest of the shortest texts; a text of 17 digits means there is
//   no such decimal at all.
// A subnormal has too few bits for the first point, and the one case left open goes to the
// conversion with a precision, which rounds the exact value itself.
RoundedDigits RoundTo15Digits(double value) {
  RoundedDigits digits;
  char text[32];
  if (value >= std::numeric_limits<double>::min()) {
    const char* const end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific).ptr;
    const char* const e = end[-4] == 'e' ? end - 4 : end - 5;  // two or three exponent digits
    const auto length = static_cast<int>(e - text);            // "d" or "d.ddd"
    const int count = length == 1 ? 1 : length - 1;
    if (count < 16 || text[16] != '5' || count == 17) {
      for (int i = 0; i < 16; ++i) {
        digits.layout[i] = i < length ? text[i] : '0';
      }
      digits.layout[1] = '.';
      digits.exponent = ReadExponent(e + 1, end);
      if (count > 15 && text[16] >= '5') {
        RoundUp(digits);
      }
      return digits;
    }
  }
  const char* const end =
      std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14).ptr;
  std::memcpy(digits.layout, text, 16);
  digits.exponent = ReadExponent(text + 17, end);
  return digits;
}

// Whether the display text uses the exponent form.
constexpr bool UsesExponentForm(int exponent) { return exponent >= 15 || exponent < -4; }

#if NUMORA_CONVERSIONS_SSE2
// Writes the text sixteen characters at a time straight into the result, which is made long
// enough for the widest layout first and cut to the text's length at the end. Narrow stores
// followed by wide loads of the same bytes stall the processor, so a text assembled elsewhere
// and then copied would cost a good part of the conversion again.
std::u16string LayOut(const RoundedDigits& digits, bool negative, char16_t decimalSeparator) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i layout = _mm_loadu_si128(reinterpret_cast<const __m128i*>(digits.layout));
  // The 15 digits without the point, and a zero after them.
  const __m128i firstByte = _mm_setr_epi8(-1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  const __m128i digitBytes =
      _mm_or_si128(_mm_or_si128(_mm_and_si128(firstByte, layout),
                                _mm_andnot_si128(firstByte, _mm_srli_si128(layout, 1))),
                   _mm_setr_epi8(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, '0'));
  const auto zeroDigits =
      static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(digitBytes, _mm_set1_epi8('0'))));
  // Digits up to the last one that is not a zero.
  const int count = std::bit_width(~zeroDigits & 0x7FFFu);
  int magnitude = digits.exponent < 0 ? -digits.exponent : digits.exponent;

  std::u16string result(24, u'0');
  char16_t* const text = result.data();
  text[0] = u'-';
  char16_t* const out = text + negative;
  auto* const out16 = reinterpret_cast<__m128i*>(out);
  std::size_t length = 0;
  if (UsesExponentForm(digits.exponent)) {
    _mm_storeu_si128(out16, _mm_insert_epi16(_mm_unpacklo_epi8(layout, zero), decimalSeparator, 1));
    _mm_storeu_si128(out16 + 1, _mm_unpackhi_epi8(layout, zero));
    char16_t* e = out + (count > 1 ? count + 1 : 1);
    e[0] = u'E';
    e[1] = digits.exponent < 0 ? u'-' : u'+';
    if (magnitude >= 100) {
      e[2] = static_cast<char16_t>(u'0' + magnitude / 100);
      magnitude %= 100;
      ++e;
    }
    e[2] = static_cast<char16_t>(u'0' + magnitude / 10);
    e[3] = static_cast<char16_t>(u'0' + magnitude % 10);
    length = static_cast<std::size_t>(e + 4 - text);
  } else if (digits.exponent >= 0) {
    // Lane by lane: the integer digits, the separator, then the digits again one lane on.
    const __m128i shifted = _mm_slli_si128(digitBytes, 1);
    const __m128i separatorAt = _mm_set1_epi16(static_cast<short>(digits.exponent + 1));
    const __m128i separator = _mm_set1_epi16(static_cast<short>(decimalSeparator));
    const auto lanes = [&](__m128i digit, __m128i shiftedDigit, __m128i index) {
      const __m128i before = _mm_cmplt_epi16(index, separatorAt);
      const __m128i isSeparator = _mm_cmpeq_epi16(index, separatorAt);
      return _mm_or_si128(
          _mm_or_si128(_mm_and_si128(before, digit), _mm_and_si128(isSeparator, separator)),
          _mm_andnot_si128(_mm_or_si128(before, isSeparator), shiftedDigit));
    };
    _mm_storeu_si128(out16,
                     lanes(_mm_unpacklo_epi8(digitBytes, zero), _mm_unpacklo_epi8(shifted, zero),
                           _mm_setr_epi16(0, 1, 2, 3, 4, 5, 6, 7)));
    _mm_storeu_si128(out16 + 1,
                     lanes(_mm_unpackhi_epi8(digitBytes, zero), _mm_unpackhi_epi8(shifted, zero),
                           _mm_setr_epi16(8, 9, 10, 11, 12, 13, 14, 15)));
    const int integerDigits = digits.exponent + 1;
    length =
        static_cast<std::size_t>(negative + (count > integerDigits ? count + 1 : integerDigits));
  } else {
    // "0", the separator, the zeros the result was filled with, then the digits.
    out[0] = u'0';
    out[1] = decimalSeparator;
    auto* const digitsAt = reinterpret_cast<__m128i*>(out + 1 - digits.exponent);
    _mm_storeu_si128(digitsAt, _mm_unpacklo_epi8(digitBytes, zero));
    _mm_storeu_si128(digitsAt + 1, _mm_unpackhi_epi8(digitBytes, zero));
    length = static_cast<std::size_t>(negative + 1 - digits.exponent + count);
  }
  result.resize(length);
  return result;
}
#else
std::u16string LayOut(const RoundedDigits& digits, bool negative, char16_t decimalSeparator) {
  char16_t digit[15];
  digit[0] = static_cast<char16_t>(digits.layout[0]);
  for (int i = 1; i < 15; ++i) {
    digit[i] = static_cast<char16_t>(digits.layout[i + 1]);
  }
  int count = 15;
  while (count > 1 && digit[count - 1] == u'0') {
    --count;
  }
  const int exponent = digits.exponent;

  char16_t text[32];
  char16_t* out = text;
  if (negative) {
    *out++ = u'-';
  }
  if (UsesExponentForm(exponent)) {
    *out++ = digit[0];
    if (count > 1) {
      *out++ = decimalSeparator;
      out = std::copy(digit + 1, digit + count, out);
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
    out = std::copy(digit, digit + exponent + 1, out);  // the 15 digits hold the zeros needed
    if (count > exponent + 1) {
      *out++ = decimalSeparator;
      out = std::copy(digit + exponent + 1, digit + count, out);
    }
  } else {
    *out++ = u'0';
    *out++ = decimalSeparator;
    out = std::fill_n(out, -exponent - 1, u'0');
    out = std::copy(digit, digit + count, out);
  }
  return std::u16string(text, out);
}
#endif

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
    cursor.Peek();  // past the blanks after the sign, where the shortcut starts
  }

  const ShortText narrowed = NarrowShortText(cursor.position(), cursor.end(), u'.');
  double value = 0.0;
  std::size_t used = 0;
  if (ReadShortNumber(narrowed, value, used)) {
    // The number is known to end where from_chars stopped unless the narrowed text is cut off
    // there, or a removed blank follows (the number might go on after it), or an exponent letter
    // stands there ("D" is not read here, and the digits of an "E" might follow a blank: "1E 5").
    const bool complete = used < narrowed.length
                              ? (narrowed.ascii[used] | 0x20) != 'e' &&
                                    (narrowed.ascii[used] | 0x20) != 'd' &&
                                    !BlankSkippingCursor::IsRemoved(cursor.position()[used])
                              : narrowed.wholeText;
    if (complete) {
      return negative ? -value : value;
    }
  }
  return ReadDecimal(cursor, negative);
}

std::u16string NumberToText(double value, char16_t decimalSeparator) {
  if (value == 0.0) {
    return u"0";  // Negative zero as well.
  }
  if (!std::isfinite(value)) {
    // Never passed by the windows; written as the converter writes it rather than left undefined.
    char text[8];
    return Widen(text, std::to_chars(text, text + sizeof text, value).ptr);
  }
  // A rounding that carries into a new first digit moves the exponent and may change the form:
  // 9.999999999999999E+14 is written 1E+15.
  return LayOut(RoundTo15Digits(std::fabs(value)), value < 0.0, decimalSeparator);
}

double ParseNumberStrict(std::u16string_view text, char16_t decimalSeparator) {
  const char16_t* p = text.data();
  const char16_t* const end = p + text.size();
  while (p != end && (*p == u' ' || *p == u'\t')) {
    ++p;
  }
  const bool negative = p != end && *p == u'-';
  p += negative || (p != end && *p == u'+');
  const ShortText narrowed = NarrowShortText(p, end, decimalSeparator);
  double value = 0.0;
  std::size_t used = 0;
  if (ReadShortNumber(narrowed, value, used) && (used < narrowed.length || narrowed.wholeText)) {
    const char16_t* rest = p + used;
    while (rest != end && (*rest == u' ' || *rest == u'\t')) {
      ++rest;
    }
    if (rest == end) {
      return negative ? -value : value;
    }
  }
  return ReadStrict(text.data(), end, decimalSeparator);
}

std::u16string IntegerToText(std::int16_t value) {
  char text[8];
  const char* const end = std::to_chars(text, text + sizeof text, static_cast<int>(value)).ptr;
  return Widen(text, end);
}

}  // namespace numora
