#pragma once

#include "app/frame/FormWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The sphere window: the radius, then the surface area and the volume. Here "احسب" is Command2
// and "الرئيسية" Command1.
class Form9 final : public FormWindow {
 public:
  explicit Form9(const FormContext& context);

  QLabel* Label1;
  QLineEdit* Text1;
  QLabel* Label2;
  QPushButton* Command1;
  QPushButton* Command2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;

  void Command2_Click();
};

}  // namespace numora
