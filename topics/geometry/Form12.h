#pragma once

#include "app/frame/FormWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The cylinder window: radius and height, then volume, lateral area and total area.
class Form12 final : public FormWindow {
 public:
  explicit Form12(const FormContext& context);

  QLineEdit* Text1;
  QLineEdit* Text2;
  QLabel* Label1;
  QLabel* Label2;
  QPushButton* Command1;
  QLabel* Label3;
  QPushButton* Command2;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;
  QLabel* lblLabel8;

  void Command1_Click();
};

}  // namespace numora
