#pragma once

#include "ui/solution/TopicWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The cuboid or cube window: width, height and length, then total area, volume and lateral area.
class CuboidWindow final : public TopicWindow {
 public:
  explicit CuboidWindow(const FormContext& context);

  QLineEdit* breadth;   // the width ("width" is the widget's own)
  QLineEdit* altitude;  // the height ("height" is the widget's own)
  QLineEdit* length;
  QPushButton* calculate;
  QPushButton* mainMenu;
  QLabel* totalArea;
  QLabel* volume;
  QLabel* lateralArea;

  void solve();  // writes the total area, the volume and the lateral area, in that order
};

}  // namespace numora
