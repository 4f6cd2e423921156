#pragma once

#include <QObject>
#include <QString>

#include "numeric/Typeset.h"

class QLocale;

namespace numora {

class SettingsStore;

// The direction the program sets its formulas in, one for every window: the region's by default
// (RegionDirection), or the one the pupil or teacher chose, which is kept for the next run in the
// program's settings. A missing or unreadable setting means the region's direction; a choice that
// cannot be kept holds until the program ends.
class FormulaSetting final : public QObject {
  Q_OBJECT

 public:
  FormulaSetting(FormulaDirection regionDefault, SettingsStore& settings);

  FormulaDirection direction() const { return direction_; }
  SettingsStore& settings() const { return settings_; }
  void set(FormulaDirection direction);
  void toggle();

 signals:
  void changed();

 private:
  SettingsStore& settings_;
  FormulaDirection direction_;
};

// Left to right in the Arabic regions of the Maghreb (Morocco, Algeria, Tunisia, Libya,
// Mauritania) and in every region whose language is not Arabic; right to left in every other
// Arabic region.
FormulaDirection RegionDirection(const QLocale& locale);

}  // namespace numora
