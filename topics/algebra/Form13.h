#pragma once

#include "app/frame/FormWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The quadratic equation, written as a row of boxes read from right to left: A س² + B س + C = صفر,
// and its two real roots in the frame "الناتج".
class Form13 final : public FormWindow {
 public:
  explicit Form13(const FormContext& context);

  QLineEdit* Text1;
  QLabel* Label1;
  QLabel* Label2;
  QLineEdit* Text2;
  QLabel* Label3;
  QLineEdit* Text3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QPushButton* Command1;
  QGroupBox* Frame1;
  QLineEdit* Text4;
  QLineEdit* Text5;
  ControlArray<QLabel> Label7;
  QLabel* Label8;
  QPushButton* Command2;
  QLabel* Label9;

  void Command1_Click();
};

}  // namespace numora
