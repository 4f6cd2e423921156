#include "topics/algebra/RootWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "topics/algebra/AlgebraFigures.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/algebra/AlgebraProblems.h"

namespace numora {

Form2::Form2(const FormContext& context)
    : TopicWindow(context, {.caption = u"الجذور", .clientWidth = 5865, .clientHeight = 3225}) {
  // The radical sign, hook on the right and bar running left over the radicand, then the equals
  // sign before the result.
  addLine(2640, 1080, 5040, 1080, 2);
  addLine(5280, 1680, 5040, 1080, 2);
  addLine(5520, 1200, 5280, 1680, 2);
  addLine(5520, 1200, 5640, 1320, 2);
  addLine(2520, 1320, 2160, 1320, 2);
  addLine(2520, 1440, 2160, 1440, 2);

  Text1 = addTextBox({"Text1", u"", 5160, 840, 495, 285, 0, {.accessibleName = u"دليل الجذر"}});
  Text2 = addTextBox({"Text2", u"", 2880, 1200, 2175, 495, 1, {.accessibleName = u"ما تحت الجذر"}});
  Command1 = addCalculateButton({"Command1", u"احسب", 1680, 1920, 2055, 495, 2},
                                [this] { Command1_Click(); });
  Label1 = addResult({"Label1", u"", 120, 1200, 1815, 495, 3, {.framed = true}}, RootOfNumber);
  Command2 = addMainButton({"Command2", u"الرئيسية", 0, 2520, 5895, 735, 4},
                           ReturnOrder::ShowMainThenHide);
  Label2 = addLabel({"Label2", u"الناتج", 480, 840, 975, 255, 5, {.align = Align::Centre}});
  setFigure(RootFigure);
  setProblem(RootProblem);
  finishLayout();
}

void Form2::Command1_Click() {
  read(Text1, kIndex);
  read(Text2, kRadicand);
  measure(Label1, RootOfNumber);
}

}  // namespace numora
