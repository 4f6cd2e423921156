#pragma once

#include "ui/solution/TopicWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The triangle window: the height beside the apex, the base below, and the area.
class TriangleWindow final : public TopicWindow {
 public:
  explicit TriangleWindow(const FormContext& context);

  QLineEdit* altitude;  // the height, beside the apex ("height" is the widget's own)
  QLineEdit* base;      // below the base
  QLabel* area;
  QPushButton* calculate;
  QPushButton* mainMenu;

  void solve();  // writes the triangle's area
};

}  // namespace numora
