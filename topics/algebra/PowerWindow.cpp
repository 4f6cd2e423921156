#include "topics/algebra/PowerWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "topics/algebra/AlgebraExercises.h"
#include "topics/algebra/AlgebraFigures.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/algebra/AlgebraProblems.h"

namespace numora {

PowerWindow::PowerWindow(const FormContext& context)
    : TopicWindow(context, {.caption = u"القوى", .clientWidth = 5850, .clientHeight = 3225}) {
  // The caret between the base and the exponent, and the equals sign before the result.
  addLine(4680, 960, 4920, 720, 2);
  addLine(5160, 960, 4920, 720, 2);
  addLine(2400, 1320, 2880, 1320, 2);
  addLine(2400, 1440, 2880, 1440, 2);

  base = addTextBox({"Text1", u"", 3120, 1200, 1575, 495, 0, {.accessibleName = u"الأساس"}});
  exponent = addTextBox({"Text2", u"", 4920, 240, 735, 375, 1, {.accessibleName = u"الأس"}});
  power = addResult({"Label1", u"", 120, 1200, 1935, 495, 2, {.framed = true}}, PowerOfNumber);
  calculate =
      addCalculateButton({"Command1", u"احسب", 1680, 1920, 2415, 495, 3}, [this] { solve(); });
  mainMenu = addMainButton({"Command2", u"الرئيسية", 0, 2520, 5895, 735, 4},
                           ReturnOrder::HideThenShowMain);
  addLabel({"Label2", u"الناتج", 360, 840, 1455, 255, 5, {.align = Align::Centre}});
  setFigure(PowerFigure);
  setProblem(PowerProblem);
  setExercises(PowerExercise);
  finishLayout();
}

void PowerWindow::solve() {
  read(base, kPowerBase);
  read(exponent, kExponent);
  measure(power, PowerOfNumber);
}

}  // namespace numora
