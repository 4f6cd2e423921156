#pragma once

#include "ui/frame/FormWindow.h"

class QLabel;
class QPushButton;

namespace numora {

// The about window: the program's name, the author and how to reach him, over a starfield; under
// it the program's version and its licence's notice.
class AboutWindow final : public FormWindow {
 public:
  explicit AboutWindow(const FormContext& context);

  QPushButton* mainMenu;
  QLabel* version;  // "الإصدار 1.0.0", the project's version
  QLabel* licence;  // free software under the GNU GPL, version 3 or later, without any warranty
};

}  // namespace numora
