#pragma once

#include "app/frame/FormWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The triangle window: the height beside the apex, the base below, and the area.
class Form8 final : public FormWindow {
 public:
  explicit Form8(const FormContext& context);

  QLineEdit* Text1;
  QLineEdit* Text2;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QPushButton* Command1;
  QPushButton* Command2;
  QLabel* Label4;

  void Command1_Click();
};

}  // namespace numora
