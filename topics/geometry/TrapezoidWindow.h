#pragma once

#include "ui/solution/TopicWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The trapezoid window: two bases and the height, and the area.
class TrapezoidWindow final : public TopicWindow {
 public:
  explicit TrapezoidWindow(const FormContext& context);

  QLineEdit* firstBase;   // above the top side
  QLineEdit* secondBase;  // below the bottom side
  QLineEdit* altitude;    // the height ("height" is the widget's own)
  QLabel* area;
  QPushButton* calculate;
  QPushButton* mainMenu;

  void solve();  // writes the trapezoid's area
};

}  // namespace numora
