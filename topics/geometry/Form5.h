#pragma once

#include "app/frame/FormWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The circle window: the radius, then the area and the circumference.
class Form5 final : public FormWindow {
 public:
  explicit Form5(const FormContext& context);

  QLineEdit* Text1;
  QLabel* Label1;
  QPushButton* Command1;
  QPushButton* Command2;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;

  void Command1_Click();
};

}  // namespace numora
