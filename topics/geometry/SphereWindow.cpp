#include "topics/geometry/SphereWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "topics/geometry/GeometryFigures.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/geometry/GeometryProblems.h"

namespace numora {

Form9::Form9(const FormContext& context)
    : TopicWindow(context,
                  {.caption = u"مساحة وحجم الكرة", .clientWidth = 5880, .clientHeight = 3735}) {
  // The sphere with its name written inside, and the equals sign.
  addShape(Shape::Kind::Circle, 2520, 240, 2175, 2055);
  addLine(2040, 1200, 2400, 1200, 2);
  addLine(2040, 1320, 2400, 1320, 2);

  Label1 = addLabel({"Label1", u"كرة", 3000, 720, 855, 375, 0});
  Text1 = addTextBox({"Text1", u"", 4680, 960, 1095, 375, 1, {.accessibleName = u"نصف القطر"}});
  Label2 = addLabel({"Label2", u"نصف القطر", 4800, 600, 855, 255, 2});
  Command1 = addMainButton({"Command1", u"الرئيسية", 0, 3000, 5895, 735, 3},
                           ReturnOrder::HideThenShowMain);
  Command2 = addCalculateButton({"Command2", u"احسب", 4080, 2280, 1695, 495, 4},
                                [this] { Command2_Click(); });
  Label3 = addResult({"Label3", u"", 120, 480, 1695, 615, 5, {.framed = true}}, SphereSurface);
  Label4 = addResult({"Label4", u"", 120, 1920, 1695, 615, 6, {.framed = true}}, SphereVolume);
  Label5 = addLabel({"Label5", u"مساحة الكرة", 480, 120, 975, 255, 7});
  Label6 = addLabel({"Label6", u"حجم اكرة", 600, 1560, 735, 255, 8});
  setFigure(SphereFigure);
  setProblem(SphereProblem);
  finishLayout();
}

void Form9::Command2_Click() {
  readLength(Text1, kRadius);
  measure(Label3, SphereSurface);
  measure(Label4, SphereVolume);
}

}  // namespace numora
