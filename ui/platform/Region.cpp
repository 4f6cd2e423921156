#include "ui/platform/Region.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace numora {

Numerals LocaleNumerals(const QLocale& locale) {
  const QString zero = locale.zeroDigit();
  const QString point = locale.decimalPoint();
  // A digit or separator outside the 16-bit range, or none, leaves the ASCII ones.
  const bool oneUnit =
      zero.size() == 1 && QChar(zero.front()).isDigit() && zero.front().digitValue() == 0;
  return {point.size() == 1 ? point.front().unicode() : u'.',
          oneUnit ? zero.front().unicode() : u'0'};
}

Numerals RegionNumerals() {
  Numerals numerals = LocaleNumerals(QLocale::system());
#ifdef Q_OS_WIN
  // Windows keeps the region's own digits apart from whether they are used.
  DWORD substitution = 1;
  wchar_t digits[11] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IDIGITSUBSTITUTION | LOCALE_RETURN_NUMBER,
                      reinterpret_cast<LPWSTR>(&substitution),
                      sizeof substitution / sizeof(wchar_t)) &&
      GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SNATIVEDIGITS, digits, 11)) {
    const QChar zero(static_cast<char16_t>(digits[0]));
    numerals.zero = substitution != 1 && zero.digitValue() == 0 ? zero.unicode() : u'0';
  }
#endif
  return numerals;
}

}  // namespace numora
