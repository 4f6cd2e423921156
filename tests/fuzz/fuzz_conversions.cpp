// Feeds arbitrary bytes to the four conversions and to the reading of a pupil's typed answer. The
// first byte picks the decimal separator; the rest is read as UTF-16 text, as text of one byte a
// character (so that plain ASCII inputs are easy for the fuzzer to find) and as doubles, eight
// bytes each. Any broken rule aborts.

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "numeric/Fault.h"
#include "numeric/NumberReading.h"
#include "numeric/NumberWriting.h"
#include "practice/Answer.h"
#include "practice/TypedAnswer.h"

namespace {

using numora::Fault;
using numora::FaultKind;

constexpr char16_t kSeparators[] = {u'.', u',', u'\u066B'};

void Require(bool condition, const char* rule) {
  if (!condition) {
    std::fprintf(stderr, "broken rule: %s\n", rule);
    std::abort();
  }
}

bool SameDouble(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// From the C library, independently of the code under test. Near the largest double the rounding
// leaves the double range; the display text then reads back as the largest double.
double RoundTo15Digits(double x) {
  char text[40];
  std::snprintf(text, sizeof text, "%.14e", x);
  const double value = std::strtod(text, nullptr);
  return std::isinf(value) ? std::copysign(std::numeric_limits<double>::max(), value) : value;
}

void CheckDisplayText(double x, char16_t separator) {
  const std::u16string text = numora::NumberToText(x, separator);
  for (char16_t c : text) {
    Require((c >= u'0' && c <= u'9') || c == separator || c == u'-' || c == u'+' || c == u'E',
            "the display text holds only ASCII digits, the separator, signs and E");
  }
  // Zero of either sign is written "0" and read back as positive zero.
  const double expected = x == 0.0 ? 0.0 : RoundTo15Digits(x);
  double strict = 0.0;
  try {
    strict = numora::ParseNumberStrict(text, separator);
  } catch (const Fault&) {
    Require(false, "the strict reader takes every display text");
  }
  Require(SameDouble(strict, expected), "a display text reads back as the value to 15 digits");
  Require(numora::NumberToText(expected, separator) == text,
          "the value to 15 digits is written as the same text");
  Require(SameDouble(numora::ParseNumber(text, separator), expected),
          "the lenient reader reads a display text with the locale's separator back");
}

void CheckLenientReading(std::u16string_view text, char16_t separator) {
  numora::Reading reading{};
  try {
    reading = numora::ReadNumber(text, separator);
  } catch (const Fault& fault) {
    Require(fault.kind() == FaultKind::Overflow, "the lenient reader raises only overflow");
    return;
  }
  Require(std::isfinite(reading.value), "the lenient reader gives a finite value");
  Require(reading.used <= text.size(), "the number ends inside the text");
  Require(reading.found || (reading.value == 0.0 && reading.used == 0),
          "a text without a number reads as 0, nothing of it used");
  if (reading.found && text.substr(0, reading.used).find(u'&') == text.npos) {
    // What the reading used is the whole number: the same number read alone.
    Require(SameDouble(numora::ParseNumber(text.substr(0, reading.used), separator), reading.value),
            "the part a reading used reads as the same number");
  }
  CheckDisplayText(reading.value, separator);
}

void CheckStrictReading(std::u16string_view text, char16_t separator) {
  double value = 0.0;
  try {
    value = numora::ParseNumberStrict(text, separator);
  } catch (const Fault& fault) {
    Require(fault.kind() == FaultKind::TypeMismatch || fault.kind() == FaultKind::Overflow,
            "the strict reader raises only type mismatch or overflow");
    return;
  }
  Require(std::isfinite(value), "the strict reader gives a finite value");
  // Every number the strict reader takes is also a whole number to the lenient one given the
  // same separator.
  Require(SameDouble(numora::ParseNumber(text, separator), value),
          "the lenient reader reads what the strict one takes alike");
  CheckDisplayText(value, separator);
}

}  // namespace

// A typed answer is read into at most one form per side of its "=" signs, each finite, and checked
// against an answer with an exact value without a fault.
void CheckTypedAnswer(const std::u16string& text, char16_t separator) {
  const std::vector<numora::TypedAnswer> forms = numora::ReadTypedAnswer(text, separator);
  Require(!forms.empty(), "a typed answer is read into at least one form");
  for (const numora::TypedAnswer& form : forms)
    Require(form.form == numora::TypedAnswer::Form::Empty ||
                form.form == numora::TypedAnswer::Form::Unreadable || std::isfinite(form.value),
            "every number read from an answer is finite");
  const numora::Expected twoRootTwo{.formula = nullptr, .value = 2 * std::sqrt(2.0)};
  const numora::Check check = numora::CheckAnswer(text, twoRootTwo, separator);
  Require(!check.sentence.empty(), "every verdict is said");
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  const char16_t separator = kSeparators[data[0] % 3];
  ++data;
  --size;

  std::u16string wide(size / 2, u'\0');
  std::memcpy(wide.data(), data, wide.size() * sizeof(char16_t));
  const std::u16string narrow(data, data + size);
  for (const std::u16string& text : {wide, narrow}) {
    CheckLenientReading(text, separator);
    CheckStrictReading(text, separator);
    CheckTypedAnswer(text, separator);
  }

  for (std::size_t at = 0; at + sizeof(double) <= size; at += sizeof(double)) {
    double x = 0.0;
    std::memcpy(&x, data + at, sizeof x);
    if (std::isfinite(x)) {
      CheckDisplayText(x, separator);
    }
  }

  if (size >= sizeof(std::int16_t)) {
    std::int16_t n = 0;
    std::memcpy(&n, data, sizeof n);
    const std::string expected = std::to_string(n);
    Require(numora::IntegerToText(n) == std::u16string(expected.begin(), expected.end()),
            "an integer is written as its decimal digits");
  }
  return 0;
}
