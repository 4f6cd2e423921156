#pragma once

#include "ui/solution/TopicWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

// The roots window: the index at the hook of a radical sign drawn for right-to-left reading, the
// radicand under its bar, and the root.
class RootWindow final : public TopicWindow {
 public:
  explicit RootWindow(const FormContext& context);

  QLineEdit* index;
  QLineEdit* radicand;
  QPushButton* calculate;
  QLabel* root;
  QPushButton* mainMenu;

  void solve();  // writes the index-th root of the radicand
};

}  // namespace numora
