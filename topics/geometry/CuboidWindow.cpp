#include "topics/geometry/CuboidWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "topics/geometry/GeometryExercises.h"
#include "topics/geometry/GeometryFigures.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/geometry/GeometryProblems.h"

namespace numora {

CuboidWindow::CuboidWindow(const FormContext& context)
    : TopicWindow(context, {.caption = u"حجم و مساحة متوازي المستطيلات اوالمكعب",
                            .clientWidth = 7170,
                            .clientHeight = 4560}) {
  // A box seen obliquely: the front and back faces and the edges joining them, then the equals
  // sign.
  addShape(Shape::Kind::Square, 3360, 720, 2535, 1815);
  addShape(Shape::Kind::Square, 4440, 0, 2415, 1695);
  addLine(6480, 0, 5520, 720);
  addLine(6480, 1680, 5520, 2520);
  addLine(4800, 0, 3720, 720);
  addLine(4800, 1680, 3720, 2520);
  addLine(2160, 1800, 2640, 1800, 2);
  addLine(2160, 1920, 2640, 1920, 2);

  breadth = addTextBox({"Text1", u"", 6000, 2160, 855, 375, 0, {.accessibleName = u"العرض"}});
  altitude = addTextBox({"Text2", u"", 2760, 1680, 855, 375, 1, {.accessibleName = u"الارتفاع"}});
  length = addTextBox({"Text3", u"", 3960, 2880, 855, 375, 2, {.accessibleName = u"الطول"}});
  calculate =
      addCalculateButton({"Command1", u"احسب", 5160, 3120, 1935, 495, 3}, [this] { solve(); });
  mainMenu = addMainButton({"Command2", u"الرئيسية", 0, 3840, 7215, 735, 4},
                           ReturnOrder::HideThenShowMain);
  addLabel({"Label1", u"الارتفاع", 2880, 1440, 615, 255, 5});
  addLabel({"Label2", u"العرض", 6240, 1920, 615, 255, 6});
  addLabel({"Label3", u"الطول", 4200, 2640, 615, 255, 7});
  totalArea =
      addResult({"Label4", u"", 120, 1800, 1815, 615, 8, {.framed = true}}, CuboidTotalArea);
  volume = addResult({"Label5", u"", 120, 3000, 1815, 615, 9, {.framed = true}}, CuboidVolume);
  addLabel({"Label6", u"المساحة الكلية", 480, 1560, 1095, 255, 10});
  addLabel({"Label7", u"الحجم", 720, 2760, 495, 255, 11});
  lateralArea =
      addResult({"Label8", u"", 120, 600, 1785, 615, 12, {.framed = true}}, CuboidLateralArea);
  addLabel({"lblLabel9", u"المساحة الجانبية", 480, 240, 1095, 195, 13, {.autoSize = true}});
  setFigure(CuboidFigure);
  setProblem(CuboidProblem);
  setExercises(CuboidExercise);
  finishLayout();
}

void CuboidWindow::solve() {
  readLength(breadth, kWidth);
  readLength(altitude, kHeight);
  readLength(length, kLength);
  measure(totalArea, CuboidTotalArea);
  measure(volume, CuboidVolume);
  measure(lateralArea, CuboidLateralArea);
}

}  // namespace numora
