#pragma once

#include "ui/frame/FormWindow.h"

class QPushButton;

namespace numora {

// The about window: the program's name, the author and how to reach him, over a starfield.
class AboutWindow final : public FormWindow {
 public:
  explicit AboutWindow(const FormContext& context);

  QPushButton* mainMenu;
};

}  // namespace numora
