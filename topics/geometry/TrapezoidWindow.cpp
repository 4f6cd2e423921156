#include "topics/geometry/TrapezoidWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "topics/geometry/GeometryExercises.h"
#include "topics/geometry/GeometryFigures.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/geometry/GeometryProblems.h"

namespace numora {

TrapezoidWindow::TrapezoidWindow(const FormContext& context)
    : TopicWindow(context,
                  {.caption = u"مساحة شبه النحرف", .clientWidth = 6690, .clientHeight = 3840}) {
  // The two bases and the legs (no height line), then the equals sign.
  addLine(3360, 1080, 5400, 1080, 2);
  addLine(2640, 2160, 5880, 2160, 2);
  addLine(2640, 2160, 3360, 1080, 2);
  addLine(5880, 2160, 5400, 1080, 2);
  addLine(2520, 1440, 2160, 1440, 2);
  addLine(2520, 1560, 2160, 1560, 2);

  firstBase = addTextBox(
      {"Text1", u"", 3480, 480, 1215, 375, 0, {.accessibleName = u"طول القاعدة الاولى"}});
  secondBase = addTextBox(
      {"Text2", u"", 3480, 2280, 1215, 375, 1, {.accessibleName = u"طول القاعدة الثانية"}});
  altitude = addTextBox({"Text3", u"", 5640, 1080, 975, 375, 2, {.accessibleName = u"الارتفاع"}});
  addLabel({"Label1", u"الارتفاع", 5640, 720, 975, 255, 3});
  addLabel({"Label2", u"طول القاعدة الاولى", 3480, 240, 1455, 255, 4});
  addLabel({"Label3", u"طول القاعدة الثانية", 3360, 2760, 1455, 255, 5});
  area = addResult({"Label4", u"", 240, 1200, 1815, 615, 6, {.framed = true}}, TrapezoidArea);
  calculate =
      addCalculateButton({"Command1", u"احسب", 240, 2280, 2535, 615, 7}, [this] { solve(); });
  mainMenu = addMainButton({"Command2", u"الرئيسية", 0, 3120, 6735, 735, 8},
                           ReturnOrder::ShowMainThenHide);
  addLabel({"Label5", u"المساحة", 360, 840, 1575, 255, 9, {.align = Align::Centre}});
  setFigure(TrapezoidFigure);
  setProblem(TrapezoidProblem);
  setExercises(TrapezoidExercise);
  finishLayout();
}

void TrapezoidWindow::solve() {
  readLength(firstBase, kFirstBase);
  readLength(secondBase, kSecondBase);
  readLength(altitude, kHeight);
  measure(area, TrapezoidArea);
}

}  // namespace numora
