#pragma once

#include "ui/frame/FormWindow.h"

class QProgressBar;
class QTimer;

namespace numora {

// The splash window: its bar fills in ten ticks, and the eleventh hands over to the main menu.
class SplashWindow final : public FormWindow {
 public:
  explicit SplashWindow(const FormContext& context);

  QProgressBar* progress;  // 0 to 10, raised one step a tick
  QTimer* timer;           // ticks every 700 ms

  void tick();  // raises the bar; when full, hands over to the main menu
};

}  // namespace numora
