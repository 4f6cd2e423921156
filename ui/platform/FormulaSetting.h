#pragma once

#include <QObject>
#include <QString>

#include "numeric/Notation.h"
#include "numeric/Typeset.h"

class QLocale;

namespace numora {

class SettingsStore;

// How the program writes mathematics, one notation for every window: the region's by default
// (RegionNotation), or the style, the direction and the unit of length the pupil or teacher
// chose, which are kept for the next run in the program's settings. A missing,
// unreadable or unknown setting means the region's; a choice that cannot be kept holds until the
// program ends.
class FormulaSetting final : public QObject {
  Q_OBJECT

 public:
  // The region's notation holds where nothing else is kept.
  FormulaSetting(Notation region, SettingsStore& settings);

  Notation notation() const { return notation_; }
  NotationStyle style() const { return notation_.style; }
  FormulaDirection direction() const { return notation_.direction; }
  SettingsStore& settings() const { return settings_; }
  void set(FormulaDirection direction);
  void toggle();
  // Another style, in its own direction.
  void setStyle(NotationStyle style);
  // The unit the geometry windows' lengths are measured in: centimetres where none is kept.
  LengthUnit lengthUnit() const { return notation_.lengths; }
  void setLengthUnit(LengthUnit unit);

 signals:
  void changed();

 private:
  void keep(const QString& key, const QString& value);

  Notation ofStyle(NotationStyle style) const;

  SettingsStore& settings_;
  Notation region_;
  Notation notation_;
};

// The style of a region's schoolbooks (NotationStyle).
NotationStyle RegionNotationStyle(const QLocale& locale);
// The notation of a region: its style, in the digits of its regional settings.
Notation RegionNotation(const QLocale& locale, Numerals numerals);
// The direction of the region's style.
FormulaDirection RegionDirection(const QLocale& locale);

// The program's notation; without a setting, the region's digits in the Mashriq's letters, left
// to right.
Notation NotationOr(const FormulaSetting* formulas, Numerals numerals);

}  // namespace numora
