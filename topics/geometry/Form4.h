#pragma once

#include "app/frame/FormWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The trapezoid window: two bases and the height, and the area.
class Form4 final : public FormWindow {
 public:
  explicit Form4(const FormContext& context);

  QLineEdit* Text1;
  QLineEdit* Text2;
  QLineEdit* Text3;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QPushButton* Command1;
  QPushButton* Command2;
  QLabel* Label5;

  void Command1_Click();
};

}  // namespace numora
