#include "app/MainMenuWindow.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace numora {

MainMenuWindow::MainMenuWindow(const FormContext& context, Navigator& navigator)
    : FormWindow(
          context,
          {.caption = u"Numora - برمجة : Kadiro ", .clientWidth = 5415, .clientHeight = 6330}),
      navigator_(navigator) {
  // The rose at its natural size, 367 x 250 pixels; its right edge runs past the window.
  addPicture(":/pictures/rose.png", 0, 0, 5505, 3750);

  // In tab order.
  triangleButton = addButton({"Command1", u"المثلث", 1920, 4440, 1575, 375, 0});
  rootsButton = addButton({"Command2", u"الجذور", 120, 4440, 1575, 375, 1});
  cylinderButton = addButton({"Command3", u"الاسطوانة", 3720, 3960, 1575, 375, 2});
  sphereButton = addButton({"Command4", u"الكرة", 120, 3960, 1575, 375, 3});
  powersButton = addButton({"Command5", u"القوى", 120, 5400, 1575, 375, 4});
  circleButton = addButton({"Command6", u"الدائرة", 1920, 3960, 1575, 375, 5});
  pythagorasButton = addButton({"Command7", u"فيثاغورس", 1920, 5400, 1575, 375, 6});
  trapezoidButton = addButton({"Command8", u"شبه المنحرف", 3720, 4920, 1575, 375, 7});
  quadraticButton = addButton({"Command9", u"حل المعادلة التربيعية", 3720, 4440, 1575, 375, 8});
  rectangleButton = addButton({"Command10", u"المربع والمستطيل", 120, 4920, 1575, 375, 9});
  cuboidButton = addButton({"Command11", u"المكعب والمستطيل", 1920, 4920, 1575, 375, 10});
  aboutButton = addButton({"Command12", u"عن البرنامج", 1920, 5880, 1575, 375, 11});
  temperatureButton = addButton({"Command13", u"درجة الحرارة", 3720, 5400, 1575, 360, 12});
  calculatorButton = addButton({"Command14", u"الحاسبة", 3720, 5880, 1575, 360, 13});
  exitButton = addButton({"cmdCommand15", u"خروج", 120, 5880, 1575, 360, 14});

  auto* menuBar = new QMenuBar(this);
  // Inside the window also where the desktop has a global menu bar.
  menuBar->setNativeMenuBar(false);
  file = menuBar->addMenu(QStringLiteral(u"ملف"));
  file->setObjectName(QStringLiteral("file"));
  worksheet = file->addAction(QStringLiteral(u"ورقة تمارين…"));
  worksheet->setObjectName(QStringLiteral("worksheet"));
  worksheet->setEnabled(static_cast<bool>(context.openWorksheet));
  settings = file->addAction(QStringLiteral(u"الإعدادات"));
  settings->setObjectName(QStringLiteral("settings"));
  settings->setEnabled(static_cast<bool>(context.openSettings));
  // The menu shows the key; the window's own Ctrl+, acts on it, the menu's only while it is open.
  settings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
  settings->setShortcutContext(Qt::WidgetShortcut);
  program = file->addAction(QStringLiteral(u"عن البرنامج"));
  program->setObjectName(QStringLiteral("program"));
  exit = file->addAction(QStringLiteral(u"خروج"));
  exit->setObjectName(QStringLiteral("exit"));
  setMenuBar(menuBar);

  onClick(triangleButton, [this] { open(FormId::Form8); });
  onClick(rootsButton, [this] { openRoots(); });
  onClick(cylinderButton, [this] { open(FormId::Form12); });
  onClick(sphereButton, [this] { open(FormId::Form9); });
  onClick(powersButton, [this] { open(FormId::Form3); });
  onClick(circleButton, [this] { open(FormId::Form5); });
  onClick(pythagorasButton, [this] { open(FormId::Form11); });
  onClick(trapezoidButton, [this] { open(FormId::Form4); });
  onClick(quadraticButton, [this] { open(FormId::Form13); });
  onClick(rectangleButton, [this] { open(FormId::Form6); });
  onClick(cuboidButton, [this] { open(FormId::Form7); });
  onClick(aboutButton, [this] { open(FormId::Form10); });
  onClick(temperatureButton, [this] { open(FormId::Form15); });
  onClick(calculatorButton, [this] { open(FormId::Form16); });
  onClick(exitButton, [this] { endProgram(); });
  connect(worksheet, &QAction::triggered, this,
          [this] { run([this] { this->context().openWorksheet(*this); }); });
  connect(settings, &QAction::triggered, this,
          [this] { run([this] { this->context().openSettings(); }); });
  connect(program, &QAction::triggered, this, [this] { run([this] { open(FormId::Form10); }); });
  connect(exit, &QAction::triggered, this, [this] { run([this] { endProgram(); }); });

  finishLayout();
}

void MainMenuWindow::open(FormId form) {
  hide();
  navigator_.show(form);
}

// The roots window is shown before the main menu hides, the other way round from every other
// button.
void MainMenuWindow::openRoots() {
  navigator_.show(FormId::Form2);
  hide();
}

void MainMenuWindow::endProgram() { context().programEnd->endProgram(); }

}  // namespace numora
