#pragma once

#include "app/frame/FormWindow.h"

class QPushButton;

namespace numora {

// The trapezoid window.
class Form4 final : public FormWindow {
 public:
  explicit Form4(const FormContext& context);

  QPushButton* Command2;
};

}  // namespace numora
