#pragma once

#include <cstddef>
#include <string_view>

#include "numeric/Bidi.h"

namespace numora {

// Characters that show nothing: the marks and isolates that set a direction, the zero-width
// space and joiners, the word joiner and the byte-order mark. Numora writes isolates around the
// numbers it puts in Arabic text, so a number copied from a problem, a result or a label carries
// them; every reader of a typed number reads it as if they were not there.
constexpr bool IsInvisible(char16_t c) {
  return IsBidiMark(c) || (c >= u'\u200B' && c <= u'\u200D') || c == u'\u2060' || c == u'\uFEFF';
}
// The spaces a number may be written with besides the blank: the no-break, the figure, the thin
// and the other fixed-width spaces, the narrow no-break and the ideographic space.
constexpr bool IsSpaceInNumber(char16_t c) {
  return c == u'\u00A0' || (c >= u'\u2000' && c <= u'\u200A') || c == u'\u202F' || c == u'\u205F' ||
         c == u'\u3000';
}

// Text is the windows' UTF-16 text, passed unchanged. The only locale-dependent character, the
// decimal separator, is always passed in by the caller. Both readers take the Arabic-Indic digits
// ٠ to ٩ and the extended Arabic-Indic digits ۰ to ۹ wherever an ASCII digit may stand, and the
// Arabic decimal separator "٫" as a decimal point.

// Lenient reading of an input box: the leading number of the text after every blank, tab, line
// feed and invisible character (IsInvisible) is removed, and the spaces of a number
// (IsSpaceInNumber) before it; 0 where there is none. The minus sign is "-" or the typographic "−".
// The decimal point is "." or "٫", and the locale's own separator where it is another one, so that
// a result written "12,56" reads back as the same number. "&H"/"&O" radix prefixes. Raises the
// overflow fault for a number beyond the double range or a radix number wider than 32 bits. The
// range ends where the display text does: a number that rounds to 1.79769313486232E+308, the text
// of the largest double, reads as the largest double. Below the range a number reads as 0.
double ParseNumber(std::u16string_view text, char16_t localeSeparator = u'.');

// The same reading, with how much of the text it took: the number ends before text[used] (the
// blanks, tabs and line feeds after it do not count as ignored text); found is false when the
// text has no number at all, an empty text included.
struct Reading {
  double value;
  std::size_t used;
  bool found;
};
Reading ReadNumber(std::u16string_view text, char16_t localeSeparator = u'.');

// What a reading left of its text, without the white space (the controls, the spaces and the line
// and paragraph separators) and the invisible characters around it: the text a note says was
// ignored. Empty where the reading took it all; the whole text, trimmed, where it found no number.
std::u16string_view IgnoredText(std::u16string_view text, const Reading& reading);

// Reads a whole text as a number written with the given separator; blanks and tabs around the
// number are allowed, and the exponent letter is "E" or "e". Raises the type-mismatch fault for
// text that is not a number, including empty text, and the overflow fault as ParseNumber does.
double ParseNumberStrict(std::u16string_view text, char16_t decimalSeparator);

}  // namespace numora
