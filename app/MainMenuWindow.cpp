#include "app/MainMenuWindow.h"

#include <QMenuBar>
#include <QPushButton>

namespace numora {

Form1::Form1(const FormContext& context, Navigator& navigator)
    : FormWindow(
          context,
          {.caption = u"Numora - برمجة : Kadiro ", .clientWidth = 5415, .clientHeight = 6330}),
      navigator_(navigator) {
  // The rose at its natural size, 367 x 250 pixels; its right edge runs past the window.
  addPicture(":/pictures/rose.png", 0, 0, 5505, 3750);

  // In tab order.
  Command1 = addButton({"Command1", u"المثلث", 1920, 4440, 1575, 375, 0});
  Command2 = addButton({"Command2", u"الجذور", 120, 4440, 1575, 375, 1});
  Command3 = addButton({"Command3", u"الاسطوانة", 3720, 3960, 1575, 375, 2});
  Command4 = addButton({"Command4", u"الكرة", 120, 3960, 1575, 375, 3});
  Command5 = addButton({"Command5", u"القوى", 120, 5400, 1575, 375, 4});
  Command6 = addButton({"Command6", u"الدائرة", 1920, 3960, 1575, 375, 5});
  Command7 = addButton({"Command7", u"فيثاغورس", 1920, 5400, 1575, 375, 6});
  Command8 = addButton({"Command8", u"شبه المنحرف", 3720, 4920, 1575, 375, 7});
  Command9 = addButton({"Command9", u"حل المعادلة التربيعية", 3720, 4440, 1575, 375, 8});
  Command10 = addButton({"Command10", u"المربع والمستطيل", 120, 4920, 1575, 375, 9});
  Command11 = addButton({"Command11", u"المكعب والمستطيل", 1920, 4920, 1575, 375, 10});
  Command12 = addButton({"Command12", u"عن البرنامج", 1920, 5880, 1575, 375, 11});
  Command13 = addButton({"Command13", u"درجة الحرارة", 3720, 5400, 1575, 360, 12});
  Command14 = addButton({"Command14", u"الحاسبة", 3720, 5880, 1575, 360, 13});
  cmdCommand15 = addButton({"cmdCommand15", u"خروج", 120, 5880, 1575, 360, 14});

  auto* menuBar = new QMenuBar(this);
  // Inside the window also where the desktop has a global menu bar.
  menuBar->setNativeMenuBar(false);
  file = menuBar->addMenu(QStringLiteral(u"ملف"));
  file->setObjectName(QStringLiteral("file"));
  program = file->addAction(QStringLiteral(u"عن البرنامج"));
  program->setObjectName(QStringLiteral("program"));
  exit = file->addAction(QStringLiteral(u"خروج"));
  exit->setObjectName(QStringLiteral("exit"));
  setMenuBar(menuBar);

  onClick(Command1, [this] { open(FormId::Form8); });
  onClick(Command2, [this] { Command2_Click(); });
  onClick(Command3, [this] { open(FormId::Form12); });
  onClick(Command4, [this] { open(FormId::Form9); });
  onClick(Command5, [this] { open(FormId::Form3); });
  onClick(Command6, [this] { open(FormId::Form5); });
  onClick(Command7, [this] { open(FormId::Form11); });
  onClick(Command8, [this] { open(FormId::Form4); });
  onClick(Command9, [this] { open(FormId::Form13); });
  onClick(Command10, [this] { open(FormId::Form6); });
  onClick(Command11, [this] { open(FormId::Form7); });
  onClick(Command12, [this] { open(FormId::Form10); });
  onClick(Command13, [this] { open(FormId::Form15); });
  onClick(Command14, [this] { open(FormId::Form16); });
  onClick(cmdCommand15, [this] { cmdCommand15_Click(); });
  connect(program, &QAction::triggered, this, [this] { run([this] { open(FormId::Form10); }); });
  connect(exit, &QAction::triggered, this, [this] { run([this] { cmdCommand15_Click(); }); });

  finishLayout();
}

void Form1::open(FormId form) {
  hide();
  navigator_.show(form);
}

// The roots window is shown before the main menu hides, the other way round from every other
// button.
void Form1::Command2_Click() {
  navigator_.show(FormId::Form2);
  hide();
}

void Form1::cmdCommand15_Click() { context().programEnd->endProgram(); }

}  // namespace numora
