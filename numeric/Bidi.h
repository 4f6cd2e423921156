#pragma once

#include <string>
#include <string_view>

namespace numora {

// The characters that only set the direction text is read in: a mark is an invisible strong
// letter of one direction; an isolate sets a run apart from the text around it, up to its pop.
inline constexpr char16_t kLeftToRightMark = u'\u200E', kRightToLeftMark = u'\u200F',
                          kArabicLetterMark = u'\u061C', kLeftToRightIsolate = u'\u2066',
                          kRightToLeftIsolate = u'\u2067', kFirstStrongIsolate = u'\u2068',
                          kPopDirectionalIsolate = u'\u2069';

// A run set apart, read in the direction of its first strong letter.
inline std::u16string Isolate(std::u16string_view text) {
  return kFirstStrongIsolate + std::u16string(text) + kPopDirectionalIsolate;
}
// A run set apart and read from the left, or from the right, whatever it holds.
inline std::u16string LeftToRightIsolate(std::u16string_view text) {
  return kLeftToRightIsolate + std::u16string(text) + kPopDirectionalIsolate;
}
inline std::u16string RightToLeftIsolate(std::u16string_view text) {
  return kRightToLeftIsolate + std::u16string(text) + kPopDirectionalIsolate;
}

// Whether a character only sets a direction: a mark, an embedding or override (U+202A to U+202E),
// an isolate or its pop.
constexpr bool IsBidiMark(char16_t c) {
  return c == kLeftToRightMark || c == kRightToLeftMark || c == kArabicLetterMark ||
         (c >= u'\u202A' && c <= u'\u202E') ||
         (c >= kLeftToRightIsolate && c <= kPopDirectionalIsolate);
}

// The text as it reads, without the characters that only set its direction.
inline std::u16string WithoutBidiMarks(std::u16string_view text) {
  std::u16string plain(text);
  std::erase_if(plain, IsBidiMark);
  return plain;
}

}  // namespace numora
