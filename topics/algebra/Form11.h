#pragma once

#include "app/frame/FormWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The Pythagorean theorem: a right triangle with a box beside each leg, and the hypotenuse.
// Here "احسب" is Command2 and "الرئيسية" Command1.
class Form11 final : public FormWindow {
 public:
  explicit Form11(const FormContext& context);

  QLineEdit* Text1;
  QLineEdit* Text2;
  QPushButton* Command1;
  QPushButton* Command2;
  QLabel* Label1;
  QLabel* Label2;

  void Command2_Click();
};

}  // namespace numora
