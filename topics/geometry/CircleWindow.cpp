#include "topics/geometry/CircleWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "topics/geometry/GeometryExercises.h"
#include "topics/geometry/GeometryFigures.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/geometry/GeometryProblems.h"

namespace numora {

CircleWindow::CircleWindow(const FormContext& context)
    : TopicWindow(context,
                  {.caption = u"مساحة ومحيط الدائرة", .clientWidth = 5895, .clientHeight = 3570}) {
  // The circle, its radius pointing at the radius box, and the equals sign.
  addShape(Shape::Kind::Circle, 2520, 360, 2175, 1695);
  addLine(3600, 1200, 4440, 1200, 2);
  addLine(2520, 1200, 2040, 1200, 2);
  addLine(2520, 1320, 2040, 1320, 2);

  radius = addTextBox({"Text1", u"", 4560, 1200, 1215, 375, 0, {.accessibleName = u"نصف القطر"}});
  addLabel({"Label1", u"نصف القطر", 4800, 840, 855, 255, 1});
  calculate =
      addCalculateButton({"Command1", u"احسب", 2880, 2160, 2655, 615, 2}, [this] { solve(); });
  mainMenu = addMainButton({"Command2", u"الرئيسية", 0, 2880, 5895, 735, 3},
                           ReturnOrder::HideThenShowMain);
  area = addResult({"Label2", u"", 120, 480, 1695, 615, 4, {.framed = true}}, CircleArea);
  circumference =
      addResult({"Label3", u"", 120, 1800, 1815, 615, 5, {.framed = true}}, CircleCircumference);
  addLabel({"Label4", u"مساحة الدائرة", 480, 120, 975, 255, 6});
  addLabel({"Label5", u"محيط الدائرة", 480, 1440, 855, 255, 7});
  setFigure(CircleFigure);
  setProblem(CircleProblem);
  setExercises(CircleExercise);
  finishLayout();
}

void CircleWindow::solve() {
  readLength(radius, kRadius);
  measure(area, CircleArea);
  measure(circumference, CircleCircumference);
}

}  // namespace numora
