#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "numeric/Bidi.h"

namespace numora {

// The windows' text is UTF-16 already; these views pass it to the numeric library without a
// copy and without any locale conversion.
inline std::u16string_view View(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

inline std::u16string ToU16String(const QString& text) { return std::u16string(View(text)); }

inline QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString WithoutBidiMarks(const QString& text) {
  return ToQString(WithoutBidiMarks(View(text)));
}

}  // namespace numora
