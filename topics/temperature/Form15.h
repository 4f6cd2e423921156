#pragma once

#include "app/frame/FormWindow.h"

class QPushButton;

namespace numora {

// The temperature window.
class Form15 final : public FormWindow {
 public:
  explicit Form15(const FormContext& context);

  QPushButton* Command2;
};

}  // namespace numora
