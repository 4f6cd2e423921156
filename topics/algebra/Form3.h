#pragma once

#include "app/frame/FormWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The powers window: a base, an exponent above and to the right of it, and the power.
class Form3 final : public FormWindow {
 public:
  explicit Form3(const FormContext& context);

  QLineEdit* Text1;
  QLineEdit* Text2;
  QLabel* Label1;
  QPushButton* Command1;
  QPushButton* Command2;
  QLabel* Label2;

  void Command1_Click();
};

}  // namespace numora
