#pragma once

#include "app/frame/FormWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The rectangle or square window: width and length, then area, diagonal and perimeter.
class Form6 final : public FormWindow {
 public:
  explicit Form6(const FormContext& context);

  QLineEdit* Text1;
  QLineEdit* Text2;
  QLabel* Label1;
  QLabel* Label2;
  QPushButton* Command1;
  QPushButton* Command2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;
  QLabel* lblLabel8;

  void Command1_Click();
};

}  // namespace numora
