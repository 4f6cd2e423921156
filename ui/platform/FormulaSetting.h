#pragma once

#include <QObject>
#include <QString>

#include "numeric/Typeset.h"

class QLocale;

namespace numora {

// The direction the program sets its formulas in, one for every window: the region's by default
// (RegionDirection), or the one the pupil or teacher chose, which is kept for the next run in the
// user's settings (the registry on Windows, the configuration file on Linux). A missing or
// unreadable setting means the region's direction.
class FormulaSetting final : public QObject {
  Q_OBJECT

 public:
  // The settings file the choice is kept in; empty: the user's own settings of the program.
  explicit FormulaSetting(FormulaDirection regionDefault, QString file = {});

  FormulaDirection direction() const { return direction_; }
  void set(FormulaDirection direction);
  void toggle();

 signals:
  void changed();

 private:
  QString file_;
  FormulaDirection direction_;
};

// Left to right in the Arabic regions of the Maghreb (Morocco, Algeria, Tunisia, Libya,
// Mauritania) and in every region whose language is not Arabic; right to left in every other
// Arabic region.
FormulaDirection RegionDirection(const QLocale& locale);

}  // namespace numora
