#pragma once

#include "app/frame/FormWindow.h"

class QPushButton;

namespace numora {

// The circle window.
class Form5 final : public FormWindow {
 public:
  explicit Form5(const FormContext& context);

  QPushButton* Command2;
};

}  // namespace numora
