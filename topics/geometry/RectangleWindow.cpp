#include "topics/geometry/RectangleWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "topics/geometry/GeometryFigures.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/geometry/GeometryProblems.h"

namespace numora {

Form6::Form6(const FormContext& context)
    : TopicWindow(
          context,
          {.caption = u"مساحة المستطيل أو المربع", .clientWidth = 5730, .clientHeight = 4185}) {
  // The rectangle and its diagonal, then the equals sign.
  addLine(2400, 240, 2400, 2040);   // Line2
  addLine(2400, 240, 4200, 240);    // Line3
  addLine(4200, 240, 4200, 2040);   // Line4
  addLine(2400, 2040, 4200, 2040);  // Line5
  addLine(2400, 2040, 4200, 240);   // Line1
  addLine(1680, 1320, 2040, 1320, 2);
  addLine(1680, 1440, 2040, 1440, 2);

  Text1 = addTextBox({"Text1", u"", 4440, 840, 1215, 375, 0, {.accessibleName = u"العرض"}});
  Text2 = addTextBox({"Text2", u"", 2640, 2400, 1455, 375, 1, {.accessibleName = u"الطول"}});
  Label1 = addLabel({"Label1", u"العرض", 4800, 480, 615, 255, 2});
  Label2 = addLabel({"Label2", u"الطول", 3000, 2160, 495, 255, 3});
  Command1 = addCalculateButton({"Command1", u"احسب", 4200, 2640, 1455, 495, 4},
                                [this] { Command1_Click(); });
  Command2 = addMainButton({"Command2", u"الرئيسية", 0, 3480, 5775, 735, 5},
                           ReturnOrder::HideThenShowMain);
  Label3 = addResult({"Label3", u"", 120, 1560, 1455, 615, 6, {.framed = true}}, RectangleArea);
  Label4 = addLabel({"Label4", u"المساحة", 480, 1320, 735, 255, 7});
  Label5 = addResult({"Label5", u"", 120, 2640, 1455, 615, 8, {.framed = true}}, RectangleDiagonal);
  Label6 = addLabel({"Label6", u"طول الوتر", 360, 2400, 855, 255, 9});
  Label7 =
      addResult({"Label7", u"", 120, 600, 1500, 615, 10, {.framed = true}}, RectanglePerimeter);
  lblLabel8 = addLabel({"lblLabel8", u"المحيط", 600, 360, 435, 195, 11, {.autoSize = true}});
  setFigure(RectangleFigure);
  setProblem(RectangleProblem);
  finishLayout();
}

void Form6::Command1_Click() {
  readLength(Text1, kWidth);
  readLength(Text2, kLength);
  measure(Label3, RectangleArea);
  measure(Label5, RectangleDiagonal);
  measure(Label7, RectanglePerimeter);
}

}  // namespace numora
