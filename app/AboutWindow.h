#pragma once

#include "ui/frame/FormWindow.h"

class QLabel;
class QPushButton;

namespace numora {

// The about window: the program's name, the author and how to reach him, over a starfield.
class Form10 final : public FormWindow {
 public:
  explicit Form10(const FormContext& context);

  QPushButton* Command1;  // "الرئيسية": back to the main menu
  QLabel* Label5;         // caption "555-0142": the author's telephone number
  QLabel* Label4;         // caption "kadiro@example.com": the author's e-mail address
  QLabel* Label3;         // caption "Kadiro": the author's name
  QLabel* Label2;         // caption "تصميم وبرمجه "
  QLabel* Label1;         // caption "Numora": the program's name
};

}  // namespace numora
