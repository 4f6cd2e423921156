#pragma once

#include "app/frame/FormWindow.h"

class QPushButton;

namespace numora {

// The triangle window.
class Form8 final : public FormWindow {
 public:
  explicit Form8(const FormContext& context);

  QPushButton* Command2;
};

}  // namespace numora
