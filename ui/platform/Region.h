#pragma once

#include <QLocale>

#include "numeric/NumberWriting.h"

namespace numora {

// The digits and decimal separator of the user's regional settings: on Windows the regional
// format's own digits where its digit substitution is not "never" (Arabic text is all this
// program writes, so "as the context" is the region's digits too), elsewhere the locale's.
Numerals RegionNumerals();
// The digits and separator a locale writes numbers with.
Numerals LocaleNumerals(const QLocale& locale);

}  // namespace numora
