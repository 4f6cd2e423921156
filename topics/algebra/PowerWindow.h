#pragma once

#include "ui/solution/TopicWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The powers window: a base, an exponent above and to the right of it, and the power.
class Form3 final : public TopicWindow {
 public:
  explicit Form3(const FormContext& context);

  QLineEdit* Text1;       // the base
  QLineEdit* Text2;       // the exponent, above and to the right of the base
  QLabel* Label1;         // the result box: the base raised to the exponent
  QPushButton* Command1;  // "احسب": runs Command1_Click
  QPushButton* Command2;  // "الرئيسية": back to the main menu
  QLabel* Label2;         // caption "الناتج"

  void Command1_Click();  // "احسب": writes the power into Label1
};

}  // namespace numora
