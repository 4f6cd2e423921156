#include "topics/geometry/CylinderWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "topics/geometry/GeometryExercises.h"
#include "topics/geometry/GeometryFigures.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/geometry/GeometryProblems.h"

namespace numora {

CylinderWindow::CylinderWindow(const FormContext& context)
    : TopicWindow(context, {.caption = u"الاسطوانة", .clientWidth = 6720, .clientHeight = 4185}) {
  // The cylinder: its two end faces, its sides and a radius on the bottom face, then the equals
  // sign.
  addShape(Shape::Kind::Ellipse, 2760, 240, 1575, 615, 3);
  addShape(Shape::Kind::Ellipse, 2760, 1800, 1575, 615, 3);
  addLine(2760, 600, 2760, 2040, 3);
  addLine(4320, 600, 4320, 2160, 3);
  addLine(3480, 2040, 4320, 2160, 3);
  addLine(2400, 1560, 2640, 1560, 2);
  addLine(2640, 1680, 2400, 1680, 2);

  radius = addTextBox({"Text1", u"", 4680, 480, 975, 375, 0, {.accessibleName = u"نصف القطر"}});
  altitude = addTextBox({"Text2", u"", 4680, 1080, 975, 375, 1, {.accessibleName = u"الارتفاع"}});
  addLabel({"Label1", u"نصف القطر", 5760, 480, 735, 255, 2});
  addLabel({"Label2", u"الارتفاع", 5760, 1080, 735, 255, 3});
  calculate =
      addCalculateButton({"Command1", u"احسب", 4680, 1680, 1935, 615, 4}, [this] { solve(); });
  volume = addResult({"Label3", u"", 120, 480, 1815, 615, 5, {.framed = true}}, CylinderVolume);
  mainMenu = addMainButton({"Command2", u"الرئيسية", 0, 3480, 6735, 735, 6},
                           ReturnOrder::HideThenShowMain);
  addLabel({"Label4", u"الحجم", 360, 240, 1335, 255, 7, {.align = Align::Centre}});
  lateralArea =
      addResult({"Label5", u"", 120, 2760, 1815, 615, 8, {.framed = true}}, CylinderLateralArea);
  addLabel({"Label6", u"المساحة الجانبية", 360, 2520, 1335, 255, 9});
  totalArea =
      addResult({"Label7", u"", 120, 1680, 1800, 675, 10, {.framed = true}}, CylinderTotalArea);
  addLabel({"lblLabel8", u"المساحة الكلية", 600, 1440, 960, 195, 11, {.autoSize = true}});
  setFigure(CylinderFigure);
  setProblem(CylinderProblem);
  setExercises(CylinderExercise);
  finishLayout();
}

void CylinderWindow::solve() {
  readLength(radius, kRadius);
  readLength(altitude, kHeight);
  measure(volume, CylinderVolume);
  measure(lateralArea, CylinderLateralArea);
  measure(totalArea, CylinderTotalArea);
}

}  // namespace numora
