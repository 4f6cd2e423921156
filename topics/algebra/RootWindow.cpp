#include "topics/algebra/RootWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "topics/algebra/AlgebraExercises.h"
#include "topics/algebra/AlgebraFigures.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/algebra/AlgebraProblems.h"

namespace numora {

RootWindow::RootWindow(const FormContext& context)
    : TopicWindow(context, {.caption = u"الجذور", .clientWidth = 5865, .clientHeight = 3225}) {
  // The radical sign, hook on the right and bar running left over the radicand, then the equals
  // sign before the result.
  addLine(2640, 1080, 5040, 1080, 2);
  addLine(5280, 1680, 5040, 1080, 2);
  addLine(5520, 1200, 5280, 1680, 2);
  addLine(5520, 1200, 5640, 1320, 2);
  addLine(2520, 1320, 2160, 1320, 2);
  addLine(2520, 1440, 2160, 1440, 2);

  index = addTextBox({"Text1", u"", 5160, 840, 495, 285, 0, {.accessibleName = u"دليل الجذر"}});
  radicand =
      addTextBox({"Text2", u"", 2880, 1200, 2175, 495, 1, {.accessibleName = u"ما تحت الجذر"}});
  calculate =
      addCalculateButton({"Command1", u"احسب", 1680, 1920, 2055, 495, 2}, [this] { solve(); });
  root = addResult({"Label1", u"", 120, 1200, 1815, 495, 3, {.framed = true}}, RootOfNumber);
  mainMenu = addMainButton({"Command2", u"الرئيسية", 0, 2520, 5895, 735, 4},
                           ReturnOrder::ShowMainThenHide);
  addLabel({"Label2", u"الناتج", 480, 840, 975, 255, 5, {.align = Align::Centre}});
  setFigure(RootFigure);
  setProblem(RootProblem);
  setExercises(RootExercise);
  finishLayout();
}

void RootWindow::solve() {
  read(index, kIndex);
  read(radicand, kRadicand);
  measure(root, RootOfNumber);
}

}  // namespace numora
