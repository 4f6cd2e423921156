#pragma once

#include "ui/solution/TopicWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The Pythagorean-theorem window: a right triangle with a box beside each leg, and the hypotenuse.
// Here the layout names "احسب" Command2 and "الرئيسية" Command1.
class PythagorasWindow final : public TopicWindow {
 public:
  explicit PythagorasWindow(const FormContext& context);

  QLineEdit* firstLeg;   // beside the upright side
  QLineEdit* secondLeg;  // below the bottom side
  QPushButton* mainMenu;
  QPushButton* calculate;
  QLabel* hypotenuse;

  void solve();  // writes the hypotenuse
};

}  // namespace numora
