#pragma once

#include "app/frame/FormWindow.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace numora {

// The temperature window: one box that holds the temperature and, after "احسب", its conversion
// in the direction of the selected option.
class Form15 final : public FormWindow {
 public:
  explicit Form15(const FormContext& context);

  QLineEdit* Text1;
  QRadioButton* Option1;
  QRadioButton* Option2;
  QPushButton* Command1;
  QPushButton* Command2;
  QRadioButton* Option3;
  QRadioButton* Option4;
  QRadioButton* Option5;
  QRadioButton* Option6;

  void Command1_Click();
};

}  // namespace numora
