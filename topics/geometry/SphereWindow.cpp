#include "topics/geometry/SphereWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "topics/geometry/GeometryExercises.h"
#include "topics/geometry/GeometryFigures.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/geometry/GeometryProblems.h"

namespace numora {

SphereWindow::SphereWindow(const FormContext& context)
    : TopicWindow(context,
                  {.caption = u"مساحة وحجم الكرة", .clientWidth = 5880, .clientHeight = 3735}) {
  // The sphere with its name written inside, and the equals sign.
  addShape(Shape::Kind::Circle, 2520, 240, 2175, 2055);
  addLine(2040, 1200, 2400, 1200, 2);
  addLine(2040, 1320, 2400, 1320, 2);

  addLabel({"Label1", u"كرة", 3000, 720, 855, 375, 0});
  radius = addTextBox({"Text1", u"", 4680, 960, 1095, 375, 1, {.accessibleName = u"نصف القطر"}});
  addLabel({"Label2", u"نصف القطر", 4800, 600, 855, 255, 2});
  mainMenu = addMainButton({"Command1", u"الرئيسية", 0, 3000, 5895, 735, 3},
                           ReturnOrder::HideThenShowMain);
  calculate =
      addCalculateButton({"Command2", u"احسب", 4080, 2280, 1695, 495, 4}, [this] { solve(); });
  surfaceArea = addResult({"Label3", u"", 120, 480, 1695, 615, 5, {.framed = true}}, SphereSurface);
  volume = addResult({"Label4", u"", 120, 1920, 1695, 615, 6, {.framed = true}}, SphereVolume);
  addLabel({"Label5", u"مساحة الكرة", 480, 120, 975, 255, 7});
  addLabel({"Label6", u"حجم اكرة", 600, 1560, 735, 255, 8});
  setFigure(SphereFigure);
  setProblem(SphereProblem);
  setExercises(SphereExercise);
  finishLayout();
}

void SphereWindow::solve() {
  readLength(radius, kRadius);
  measure(surfaceArea, SphereSurface);
  measure(volume, SphereVolume);
}

}  // namespace numora
