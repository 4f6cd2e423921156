#include "topics/geometry/TrapezoidWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "topics/geometry/GeometryFigures.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/geometry/GeometryProblems.h"

namespace numora {

Form4::Form4(const FormContext& context)
    : TopicWindow(context,
                  {.caption = u"مساحة شبه النحرف", .clientWidth = 6690, .clientHeight = 3840}) {
  // The two bases and the legs (no height line), then the equals sign.
  addLine(3360, 1080, 5400, 1080, 2);
  addLine(2640, 2160, 5880, 2160, 2);
  addLine(2640, 2160, 3360, 1080, 2);
  addLine(5880, 2160, 5400, 1080, 2);
  addLine(2520, 1440, 2160, 1440, 2);
  addLine(2520, 1560, 2160, 1560, 2);

  Text1 = addTextBox(
      {"Text1", u"", 3480, 480, 1215, 375, 0, {.accessibleName = u"طول القاعدة الاولى"}});
  Text2 = addTextBox(
      {"Text2", u"", 3480, 2280, 1215, 375, 1, {.accessibleName = u"طول القاعدة الثانية"}});
  Text3 = addTextBox({"Text3", u"", 5640, 1080, 975, 375, 2, {.accessibleName = u"الارتفاع"}});
  Label1 = addLabel({"Label1", u"الارتفاع", 5640, 720, 975, 255, 3});
  Label2 = addLabel({"Label2", u"طول القاعدة الاولى", 3480, 240, 1455, 255, 4});
  Label3 = addLabel({"Label3", u"طول القاعدة الثانية", 3360, 2760, 1455, 255, 5});
  Label4 = addResult({"Label4", u"", 240, 1200, 1815, 615, 6, {.framed = true}}, TrapezoidArea);
  Command1 = addCalculateButton({"Command1", u"احسب", 240, 2280, 2535, 615, 7},
                                [this] { Command1_Click(); });
  Command2 = addMainButton({"Command2", u"الرئيسية", 0, 3120, 6735, 735, 8},
                           ReturnOrder::ShowMainThenHide);
  Label5 = addLabel({"Label5", u"المساحة", 360, 840, 1575, 255, 9, {.align = Align::Centre}});
  setFigure(TrapezoidFigure);
  setProblem(TrapezoidProblem);
  finishLayout();
}

void Form4::Command1_Click() {
  readLength(Text1, kFirstBase);
  readLength(Text2, kSecondBase);
  readLength(Text3, kHeight);
  measure(Label4, TrapezoidArea);
}

}  // namespace numora
