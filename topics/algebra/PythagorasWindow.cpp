#include "topics/algebra/PythagorasWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "topics/algebra/AlgebraExercises.h"
#include "topics/algebra/AlgebraFigures.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/algebra/AlgebraProblems.h"

namespace numora {

PythagorasWindow::PythagorasWindow(const FormContext& context)
    : TopicWindow(context,
                  {.caption = u"نظرية فيثاغورس", .clientWidth = 5580, .clientHeight = 3555}) {
  // The right triangle with its right angle at (4560, 1680), its right-angle mark, and the
  // equals sign before the result.
  addLine(4560, 240, 4560, 1680, 2);
  addLine(3120, 1680, 4560, 1680, 2);
  addLine(3120, 1680, 4560, 240, 2);
  addLine(4320, 1680, 4320, 1440, 2);
  addLine(4560, 1440, 4320, 1440, 2);
  addLine(2280, 1200, 2640, 1200, 2);
  addLine(2280, 1320, 2640, 1320, 2);

  firstLeg = addTextBox({"Text1", u"", 4680, 720, 735, 405, 0, {.accessibleName = u"الضلع الأول"}});
  secondLeg =
      addTextBox({"Text2", u"", 3480, 1800, 855, 375, 1, {.accessibleName = u"الضلع الثاني"}});
  mainMenu = addMainButton({"Command1", u"الرئيسية", 0, 2880, 5655, 735, 2},
                           ReturnOrder::HideThenShowMain);
  calculate =
      addCalculateButton({"Command2", u"احسب", 4080, 2280, 1215, 495, 3}, [this] { solve(); });
  hypotenuse = addResult({"Label1", u"", 240, 1080, 1455, 495, 4, {.framed = true}}, Hypotenuse);
  addLabel({"Label2", u"طول الوتر", 480, 720, 1095, 255, 5, {.align = Align::Centre}});
  setFigure(PythagorasFigure);
  setProblem(PythagorasProblem);
  setExercises(PythagorasExercise);
  finishLayout();
}

void PythagorasWindow::solve() {
  readLength(firstLeg, kFirstLeg);
  readLength(secondLeg, kSecondLeg);
  measure(hypotenuse, Hypotenuse);
}

}  // namespace numora
