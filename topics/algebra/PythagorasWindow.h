#pragma once

#include "ui/solution/TopicWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The Pythagorean-theorem window: a right triangle with a box beside each leg, and the hypotenuse.
// Here "احسب" is Command2 and "الرئيسية" Command1.
class Form11 final : public TopicWindow {
 public:
  explicit Form11(const FormContext& context);

  QLineEdit* Text1;       // the first leg, beside the upright side
  QLineEdit* Text2;       // the second leg, below the bottom side
  QPushButton* Command1;  // "الرئيسية": back to the main menu
  QPushButton* Command2;  // "احسب": runs Command2_Click
  QLabel* Label1;         // the result box: the hypotenuse
  QLabel* Label2;         // caption "طول الوتر"

  void Command2_Click();  // "احسب": writes the hypotenuse into Label1
};

}  // namespace numora
