#pragma once

#include "app/frame/FormWindow.h"

class QLabel;
class QProgressBar;
class QTimer;

namespace numora {

// The splash window: its bar fills in ten ticks, and the eleventh hands over to the main menu.
class Form14 final : public FormWindow {
 public:
  explicit Form14(const FormContext& context);

  QProgressBar* P1;
  QTimer* Timer1;
  QLabel* Label3;
  QLabel* Label2;
  QLabel* Label1;
  QLabel* lblAppDescription;
  QLabel* lblMyE;

  void Timer1_Timer();
};

}  // namespace numora
