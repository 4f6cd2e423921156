#pragma once

#include "ui/solution/TopicWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The rectangle or square window: width and length, then area, diagonal and perimeter.
class RectangleWindow final : public TopicWindow {
 public:
  explicit RectangleWindow(const FormContext& context);

  QLineEdit* breadth;  // the width ("width" is the widget's own)
  QLineEdit* length;
  QPushButton* calculate;
  QPushButton* mainMenu;
  QLabel* area;
  QLabel* diagonal;  // under the caption "طول الوتر"
  QLabel* perimeter;

  void solve();  // writes the area, the diagonal and the perimeter, in that order
};

}  // namespace numora
