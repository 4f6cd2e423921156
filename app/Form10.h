#pragma once

#include "app/frame/FormWindow.h"

class QLabel;
class QPushButton;

namespace numora {

// The about window: the program's name, the author and how to reach him, over a starfield.
class Form10 final : public FormWindow {
 public:
  explicit Form10(const FormContext& context);

  QPushButton* Command1;
  QLabel* Label5;
  QLabel* Label4;
  QLabel* Label3;
  QLabel* Label2;
  QLabel* Label1;
};

}  // namespace numora
