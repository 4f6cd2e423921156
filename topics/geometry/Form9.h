#pragma once

#include "app/frame/FormWindow.h"

class QPushButton;

namespace numora {

// The sphere window.
class Form9 final : public FormWindow {
 public:
  explicit Form9(const FormContext& context);

  QPushButton* Command1;
};

}  // namespace numora
