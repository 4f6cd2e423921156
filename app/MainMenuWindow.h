#pragma once

#include "app/Navigator.h"
#include "ui/frame/FormWindow.h"

class QAction;
class QMenu;
class QPushButton;

namespace numora {

// The main menu: fifteen buttons and the menu "ملف". Every button but "خروج" hides this window
// and shows one other.
class Form1 final : public FormWindow {
 public:
  Form1(const FormContext& context, Navigator& navigator);

  QPushButton* Command1;  // "المثلث": opens the triangle window
  QPushButton* Command2;  // "الجذور": opens the roots window, through Command2_Click
  QPushButton* Command3;  // "الاسطوانة": opens the cylinder window
  QPushButton* Command4;  // "الكرة": opens the sphere window
  QPushButton* Command5;  // "القوى": opens the powers window
  QPushButton* Command6;  // "الدائرة": opens the circle window
  QPushButton* Command7;  // "فيثاغورس": opens the Pythagorean-theorem window
  QPushButton* Command8;  // "شبه المنحرف": opens the trapezoid window
  // "حل المعادلة التربيعية": opens the quadratic-equation window.
  QPushButton* Command9;
  QPushButton* Command10;     // "المربع والمستطيل": opens the rectangle window
  QPushButton* Command11;     // "المكعب والمستطيل": opens the cuboid window
  QPushButton* Command12;     // "عن البرنامج": opens the about window
  QPushButton* Command13;     // "درجة الحرارة": opens the temperature window
  QPushButton* Command14;     // "الحاسبة": opens the calculator window
  QPushButton* cmdCommand15;  // "خروج": ends the program, through cmdCommand15_Click
  QMenu* file;                // the menu "ملف"
  QAction* program;           // the menu item "عن البرنامج": opens the about window
  QAction* exit;              // the menu item "خروج": ends the program, as cmdCommand15 does

  void Command2_Click();      // "الجذور": shows the roots window, then hides this menu
  void cmdCommand15_Click();  // "خروج": ends the program

 private:
  void open(FormId form);  // hides this menu, then shows the window `form`

  Navigator& navigator_;  // shows the windows the buttons open
};

}  // namespace numora
