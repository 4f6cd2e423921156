#pragma once

#include "app/frame/FormWindow.h"

class QPushButton;

namespace numora {

// The roots window.
class Form2 final : public FormWindow {
 public:
  explicit Form2(const FormContext& context);

  QPushButton* Command2;
};

}  // namespace numora
