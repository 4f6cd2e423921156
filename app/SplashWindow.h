#pragma once

#include "ui/frame/FormWindow.h"

class QLabel;
class QProgressBar;
class QTimer;

namespace numora {

// The splash window: its bar fills in ten ticks, and the eleventh hands over to the main menu.
class Form14 final : public FormWindow {
 public:
  explicit Form14(const FormContext& context);

  QProgressBar* P1;           // the bar, 0 to 10, raised one step a tick
  QTimer* Timer1;             // ticks every 700 ms and runs Timer1_Timer
  QLabel* Label3;             // caption "تصميم وبرمجة : Kadiro"
  QLabel* Label2;             // caption "الاصدار الاول"
  QLabel* Label1;             // caption "Numora"
  QLabel* lblAppDescription;  // caption "انتظر قليلا حتى يتم فتح البرنامج"
  QLabel* lblMyE;             // caption "My E Mail :kadiro@example.com"

  void Timer1_Timer();  // one tick: raises the bar; when full, hands over to the main menu
};

}  // namespace numora
