#pragma once

#include "ui/solution/TopicWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The cylinder window: radius and height, then volume, lateral area and total area.
class CylinderWindow final : public TopicWindow {
 public:
  explicit CylinderWindow(const FormContext& context);

  QLineEdit* radius;
  QLineEdit* altitude;  // the height ("height" is the widget's own)
  QPushButton* calculate;
  QLabel* volume;
  QPushButton* mainMenu;
  QLabel* lateralArea;
  QLabel* totalArea;

  void solve();  // writes the volume, the lateral area and the total area, in that order
};

}  // namespace numora
