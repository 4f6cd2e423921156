#include "topics/geometry/TriangleWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "topics/geometry/GeometryExercises.h"
#include "topics/geometry/GeometryFigures.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/geometry/GeometryProblems.h"

namespace numora {

TriangleWindow::TriangleWindow(const FormContext& context)
    : TopicWindow(context,
                  {.caption = u"مساحة المثلث", .clientWidth = 6225, .clientHeight = 4200}) {
  // The triangle with its height from the apex, and the equals sign before the area.
  addLine(4800, 720, 3480, 2040, 2);
  addLine(4800, 720, 6120, 2040, 2);
  addLine(3480, 2040, 6120, 2040, 2);
  addLine(4800, 720, 4800, 2040, 2);
  addLine(2640, 1560, 3120, 1560, 2);
  addLine(2640, 1680, 3120, 1680, 2);

  altitude = addTextBox({"Text1", u"", 4320, 240, 1095, 405, 0, {.accessibleName = u"الارتفاع"}});
  base = addTextBox({"Text2", u"", 4200, 2640, 1215, 375, 1, {.accessibleName = u"طول القاعدة"}});
  addLabel({"Label1", u"طول القاعدة", 4320, 2400, 975, 255, 2});
  addLabel({"Label2", u"الارتفاع", 5520, 240, 495, 255, 3});
  area = addResult({"Label3", u"", 120, 1320, 2055, 615, 4, {.framed = true}}, TriangleArea);
  calculate =
      addCalculateButton({"Command1", u"احسب", 1440, 2640, 1935, 615, 5}, [this] { solve(); });
  mainMenu = addMainButton({"Command2", u"الرئيسية", 0, 3480, 6255, 735, 6},
                           ReturnOrder::HideThenShowMain);
  addLabel({"Label4", u"المساحة", 360, 960, 1575, 255, 7, {.align = Align::Centre}});
  setFigure(TriangleFigure);
  setProblem(TriangleProblem);
  setExercises(TriangleExercise);
  finishLayout();
}

void TriangleWindow::solve() {
  readLength(altitude, kHeight);
  readLength(base, kBase);
  measure(area, TriangleArea);
}

}  // namespace numora
