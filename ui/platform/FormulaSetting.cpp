#include "ui/platform/FormulaSetting.h"

#include <QLocale>
#include <QSettings>
#include <memory>
#include <optional>
#include <string>

#include "ui/platform/Settings.h"

namespace numora {
namespace {

const QString kDirectionKey = QStringLiteral("formulas/direction");
const QString kStyleKey = QStringLiteral("formulas/style");
const QString kUnitKey = QStringLiteral("formulas/unit");

QString KeyText(NotationStyle style) { return QString::fromLatin1(StyleKey(style).data()); }

QString DirectionText(FormulaDirection direction) {
  return direction == FormulaDirection::RightToLeft ? QStringLiteral("rtl") : QStringLiteral("ltr");
}

}  // namespace

FormulaSetting::FormulaSetting(Notation region, SettingsStore& settings)
    : settings_(settings), region_(region), notation_(region) {
  const std::unique_ptr<QSettings> kept = settings_.open();
  if (const std::optional<NotationStyle> style =
          StyleOfKey(kept->value(kStyleKey).toString().toStdString()))
    notation_ = ofStyle(*style);
  const QString direction = kept->value(kDirectionKey).toString();
  if (direction == QStringLiteral("rtl")) notation_.direction = FormulaDirection::RightToLeft;
  if (direction == QStringLiteral("ltr")) notation_.direction = FormulaDirection::LeftToRight;
  notation_.lengths = LengthUnitOfKey(kept->value(kUnitKey).toString().toStdString())
                          .value_or(LengthUnit::Centimetre);
}

Notation FormulaSetting::ofStyle(NotationStyle style) const {
  Notation notation = style == region_.style ? region_ : NotationOf(style, region_.style, region_);
  notation.lengths = notation_.lengths;
  return notation;
}

void FormulaSetting::keep(const QString& key, const QString& value) {
  const std::unique_ptr<QSettings> kept = settings_.open();
  kept->setValue(key, value);
  settings_.keep(*kept);
}

void FormulaSetting::set(FormulaDirection direction) {
  if (direction == notation_.direction) return;
  notation_.direction = direction;
  keep(kDirectionKey, DirectionText(direction));
  emit changed();
}

void FormulaSetting::toggle() {
  set(notation_.direction == FormulaDirection::RightToLeft ? FormulaDirection::LeftToRight
                                                           : FormulaDirection::RightToLeft);
}

void FormulaSetting::setStyle(NotationStyle style) {
  if (style == notation_.style) return;
  notation_ = ofStyle(style);
  const std::unique_ptr<QSettings> kept = settings_.open();
  kept->setValue(kStyleKey, KeyText(style));
  kept->remove(kDirectionKey);
  // A direction the administrator's defaults give would come back under the new style at the next
  // run: the style's own is written over it.
  if (kept->contains(kDirectionKey))
    kept->setValue(kDirectionKey, DirectionText(notation_.direction));
  settings_.keep(*kept);
  emit changed();
}

void FormulaSetting::setLengthUnit(LengthUnit unit) {
  if (unit == notation_.lengths) return;
  notation_.lengths = unit;
  keep(kUnitKey, QString::fromLatin1(LengthUnitKey(unit).data()));
  emit changed();
}

NotationStyle RegionNotationStyle(const QLocale& locale) {
  const QString name = locale.name();  // "ar_EG"
  const QString language = name.section(u'_', 0, 0);
  const QString territory = name.section(u'_', 1, 1);
  return RegionStyle(language.toStdString(), territory.toStdString());
}

Notation RegionNotation(const QLocale& locale, Numerals numerals) {
  const NotationStyle style = RegionNotationStyle(locale);
  return NotationOf(style, style, numerals);
}

FormulaDirection RegionDirection(const QLocale& locale) {
  return StyleDirection(RegionNotationStyle(locale));
}

Notation NotationOr(const FormulaSetting* formulas, Numerals numerals) {
  return formulas != nullptr ? formulas->notation() : Notation(numerals);
}

}  // namespace numora
