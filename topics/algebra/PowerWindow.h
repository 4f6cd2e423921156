#pragma once

#include "ui/solution/TopicWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The powers window: a base, an exponent above and to the right of it, and the power.
class PowerWindow final : public TopicWindow {
 public:
  explicit PowerWindow(const FormContext& context);

  QLineEdit* base;
  QLineEdit* exponent;
  QLabel* power;
  QPushButton* calculate;
  QPushButton* mainMenu;

  void solve();  // writes the base raised to the exponent
};

}  // namespace numora
