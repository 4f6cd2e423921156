#pragma once

#include "app/frame/FormWindow.h"

class QPushButton;

namespace numora {

// The cylinder window.
class Form12 final : public FormWindow {
 public:
  explicit Form12(const FormContext& context);

  QPushButton* Command2;
};

}  // namespace numora
