#pragma once

#include "app/frame/FormWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The roots window: the index at the hook of a radical sign drawn for right-to-left reading, the
// radicand under its bar, and the root.
class Form2 final : public FormWindow {
 public:
  explicit Form2(const FormContext& context);

  QLineEdit* Text1;
  QLineEdit* Text2;
  QPushButton* Command1;
  QLabel* Label1;
  QPushButton* Command2;
  QLabel* Label2;

  void Command1_Click();
};

}  // namespace numora
