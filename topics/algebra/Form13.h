#pragma once

#include "app/frame/FormWindow.h"

class QPushButton;

namespace numora {

// The quadratic equation window.
class Form13 final : public FormWindow {
 public:
  explicit Form13(const FormContext& context);

  QPushButton* Command2;
};

}  // namespace numora
