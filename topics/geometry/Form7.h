#pragma once

#include "app/frame/FormWindow.h"

class QPushButton;

namespace numora {

// The cuboid or cube window.
class Form7 final : public FormWindow {
 public:
  explicit Form7(const FormContext& context);

  QPushButton* Command2;
};

}  // namespace numora
