#pragma once

#include "ui/solution/TopicWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The circle window: the radius, then the area and the circumference.
class CircleWindow final : public TopicWindow {
 public:
  explicit CircleWindow(const FormContext& context);

  QLineEdit* radius;
  QPushButton* calculate;
  QPushButton* mainMenu;
  QLabel* area;
  QLabel* circumference;

  void solve();  // writes the area, then the circumference
};

}  // namespace numora
