#pragma once

#include "ui/solution/TopicWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The sphere window: the radius, then the surface area and the volume. Here the layout names
// "احسب" Command2 and "الرئيسية" Command1.
class SphereWindow final : public TopicWindow {
 public:
  explicit SphereWindow(const FormContext& context);

  QLineEdit* radius;
  QPushButton* mainMenu;
  QPushButton* calculate;
  QLabel* surfaceArea;
  QLabel* volume;

  void solve();  // writes the surface area, then the volume
};

}  // namespace numora
