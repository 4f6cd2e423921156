#include "topics/algebra/PowerWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "topics/algebra/AlgebraFigures.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/algebra/AlgebraProblems.h"

namespace numora {

Form3::Form3(const FormContext& context)
    : TopicWindow(context, {.caption = u"القوى", .clientWidth = 5850, .clientHeight = 3225}) {
  // The caret between the base and the exponent, and the equals sign before the result.
  addLine(4680, 960, 4920, 720, 2);
  addLine(5160, 960, 4920, 720, 2);
  addLine(2400, 1320, 2880, 1320, 2);
  addLine(2400, 1440, 2880, 1440, 2);

  Text1 = addTextBox({"Text1", u"", 3120, 1200, 1575, 495, 0, {.accessibleName = u"الأساس"}});
  Text2 = addTextBox({"Text2", u"", 4920, 240, 735, 375, 1, {.accessibleName = u"الأس"}});
  Label1 = addResult({"Label1", u"", 120, 1200, 1935, 495, 2, {.framed = true}}, PowerOfNumber);
  Command1 = addCalculateButton({"Command1", u"احسب", 1680, 1920, 2415, 495, 3},
                                [this] { Command1_Click(); });
  Command2 = addMainButton({"Command2", u"الرئيسية", 0, 2520, 5895, 735, 4},
                           ReturnOrder::HideThenShowMain);
  Label2 = addLabel({"Label2", u"الناتج", 360, 840, 1455, 255, 5, {.align = Align::Centre}});
  setFigure(PowerFigure);
  setProblem(PowerProblem);
  finishLayout();
}

void Form3::Command1_Click() {
  read(Text1, kPowerBase);
  read(Text2, kExponent);
  measure(Label1, PowerOfNumber);
}

}  // namespace numora
