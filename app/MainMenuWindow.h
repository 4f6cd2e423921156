#pragma once

#include "app/Navigator.h"
#include "ui/frame/FormWindow.h"

class QAction;
class QMenu;
class QPushButton;

namespace numora {

// The main menu: fifteen buttons and the menu "ملف". Every button but "خروج" hides this window
// and shows one other.
class MainMenuWindow final : public FormWindow {
 public:
  MainMenuWindow(const FormContext& context, Navigator& navigator);

  QPushButton* triangleButton;
  QPushButton* rootsButton;
  QPushButton* cylinderButton;
  QPushButton* sphereButton;
  QPushButton* powersButton;
  QPushButton* circleButton;
  QPushButton* pythagorasButton;
  QPushButton* trapezoidButton;
  QPushButton* quadraticButton;
  QPushButton* rectangleButton;
  QPushButton* cuboidButton;
  QPushButton* aboutButton;
  QPushButton* temperatureButton;
  QPushButton* calculatorButton;
  QPushButton* exitButton;
  QMenu* file;         // the menu "ملف"
  QAction* worksheet;  // the menu item "ورقة تمارين…": the worksheet dialog
  QAction* settings;   // the menu item "الإعدادات" (Ctrl+,): the settings window
  QAction* program;    // the menu item "عن البرنامج": opens the about window
  QAction* exit;       // the menu item "خروج": ends the program, as exitButton does

  void openRoots();  // shows the roots window, then hides this menu
  void endProgram();

 private:
  void open(FormId form);  // hides this menu, then shows the window `form`

  Navigator& navigator_;  // shows the windows the buttons open
};

}  // namespace numora
