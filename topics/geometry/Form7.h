#pragma once

#include "app/frame/FormWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The cuboid or cube window: width, height and length, then total area, volume and lateral area.
class Form7 final : public FormWindow {
 public:
  explicit Form7(const FormContext& context);

  QLineEdit* Text1;
  QLineEdit* Text2;
  QLineEdit* Text3;
  QPushButton* Command1;
  QPushButton* Command2;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;
  QLabel* Label8;
  QLabel* lblLabel9;

  void Command1_Click();
};

}  // namespace numora
