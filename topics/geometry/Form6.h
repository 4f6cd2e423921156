#pragma once

#include "app/frame/FormWindow.h"

class QPushButton;

namespace numora {

// The rectangle or square window.
class Form6 final : public FormWindow {
 public:
  explicit Form6(const FormContext& context);

  QPushButton* Command2;
};

}  // namespace numora
