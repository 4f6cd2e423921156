#pragma once

#include "app/Navigator.h"
#include "app/frame/FormWindow.h"

class QAction;
class QMenu;
class QPushButton;

namespace numora {

// The main menu: fifteen buttons and the menu "ملف". Every button but "خروج" hides this window
// and shows one other.
class Form1 final : public FormWindow {
 public:
  Form1(const FormContext& context, Navigator& navigator);

  QPushButton* Command1;
  QPushButton* Command2;
  QPushButton* Command3;
  QPushButton* Command4;
  QPushButton* Command5;
  QPushButton* Command6;
  QPushButton* Command7;
  QPushButton* Command8;
  QPushButton* Command9;
  QPushButton* Command10;
  QPushButton* Command11;
  QPushButton* Command12;
  QPushButton* Command13;
  QPushButton* Command14;
  QPushButton* cmdCommand15;
  QMenu* file;
  QAction* program;
  QAction* exit;

  void Command2_Click();
  void cmdCommand15_Click();

 private:
  void open(FormId form);

  Navigator& navigator_;
};

}  // namespace numora
