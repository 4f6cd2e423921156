#pragma once

#include "app/frame/FormWindow.h"

class QPushButton;

namespace numora {

// The Pythagorean theorem window.
class Form11 final : public FormWindow {
 public:
  explicit Form11(const FormContext& context);

  QPushButton* Command1;
};

}  // namespace numora
