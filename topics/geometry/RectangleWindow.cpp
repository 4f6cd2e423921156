#include "topics/geometry/RectangleWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "topics/geometry/GeometryExercises.h"
#include "topics/geometry/GeometryFigures.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/geometry/GeometryProblems.h"

namespace numora {

RectangleWindow::RectangleWindow(const FormContext& context)
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

  breadth = addTextBox({"Text1", u"", 4440, 840, 1215, 375, 0, {.accessibleName = u"العرض"}});
  length = addTextBox({"Text2", u"", 2640, 2400, 1455, 375, 1, {.accessibleName = u"الطول"}});
  addLabel({"Label1", u"العرض", 4800, 480, 615, 255, 2});
  addLabel({"Label2", u"الطول", 3000, 2160, 495, 255, 3});
  calculate =
      addCalculateButton({"Command1", u"احسب", 4200, 2640, 1455, 495, 4}, [this] { solve(); });
  mainMenu = addMainButton({"Command2", u"الرئيسية", 0, 3480, 5775, 735, 5},
                           ReturnOrder::HideThenShowMain);
  area = addResult({"Label3", u"", 120, 1560, 1455, 615, 6, {.framed = true}}, RectangleArea);
  addLabel({"Label4", u"المساحة", 480, 1320, 735, 255, 7});
  diagonal =
      addResult({"Label5", u"", 120, 2640, 1455, 615, 8, {.framed = true}}, RectangleDiagonal);
  addLabel({"Label6", u"طول الوتر", 360, 2400, 855, 255, 9});
  perimeter =
      addResult({"Label7", u"", 120, 600, 1500, 615, 10, {.framed = true}}, RectanglePerimeter);
  addLabel({"lblLabel8", u"المحيط", 600, 360, 435, 195, 11, {.autoSize = true}});
  setFigure(RectangleFigure);
  setProblem(RectangleProblem);
  setExercises(RectangleExercise);
  finishLayout();
}

void RectangleWindow::solve() {
  readLength(breadth, kWidth);
  readLength(length, kLength);
  measure(area, RectangleArea);
  measure(diagonal, RectangleDiagonal);
  measure(perimeter, RectanglePerimeter);
}

}  // namespace numora
