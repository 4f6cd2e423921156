#include "ui/platform/FormulaSetting.h"

#include <QLocale>
#include <QSettings>

#include "ui/platform/Settings.h"

namespace numora {
namespace {

const QString kKey = QStringLiteral("formulas/direction");

}  // namespace

FormulaSetting::FormulaSetting(FormulaDirection regionDefault, SettingsStore& settings)
    : settings_(settings), direction_(regionDefault) {
  const QString kept = settings_.open()->value(kKey).toString();
  if (kept == QStringLiteral("rtl")) direction_ = FormulaDirection::RightToLeft;
  if (kept == QStringLiteral("ltr")) direction_ = FormulaDirection::LeftToRight;
}

void FormulaSetting::set(FormulaDirection direction) {
  if (direction == direction_) return;
  direction_ = direction;
  const std::unique_ptr<QSettings> kept = settings_.open();
  kept->setValue(kKey, direction == FormulaDirection::RightToLeft ? QStringLiteral("rtl")
                                                                  : QStringLiteral("ltr"));
  settings_.keep(*kept);
  emit changed();
}

void FormulaSetting::toggle() {
  set(direction_ == FormulaDirection::RightToLeft ? FormulaDirection::LeftToRight
                                                  : FormulaDirection::RightToLeft);
}

FormulaDirection RegionDirection(const QLocale& locale) {
  if (locale.language() != QLocale::Arabic) return FormulaDirection::LeftToRight;
  switch (locale.territory()) {
    case QLocale::Morocco:
    case QLocale::Algeria:
    case QLocale::Tunisia:
    case QLocale::Libya:
    case QLocale::Mauritania:
      return FormulaDirection::LeftToRight;
    default:
      return FormulaDirection::RightToLeft;
  }
}

}  // namespace numora
