#include "topics/algebra/QuadraticWindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "topics/algebra/AlgebraExercises.h"
#include "topics/algebra/AlgebraFigures.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/algebra/AlgebraProblems.h"

namespace numora {
namespace {

const QColor kRed(255, 0, 0);
constexpr FontSpec kVariable = {"Arial", 15.75};
constexpr FontSpec kHeading = {"MS Sans Serif", 8.25, true};
constexpr FontSpec kRootLabel = {"Arial", 14.25};

}  // namespace

QuadraticWindow::QuadraticWindow(const FormContext& context)
    : TopicWindow(context, {.caption = u"حل المعادلات التربيعية",
                            .clientWidth = 5580,
                            .clientHeight = 4545,
                            .frame = FormLook::Frame::Dialog,
                            .taskbarButton = false}) {
  // The two plus signs and the equals sign of the equation row, in red.
  addLine(3600, 840, 3840, 840, 2, kRed);  // Lin1(1)
  addLine(3720, 720, 3720, 960, 2, kRed);  // Lin2(1)
  addLine(1920, 840, 2160, 840, 2, kRed);  // Lin1(0)
  addLine(2040, 720, 2040, 960, 2, kRed);  // Lin2(0)
  addLine(480, 720, 720, 720, 2, kRed);    // Lin3
  addLine(480, 840, 720, 840, 2, kRed);    // Lin4

  coefficientA =
      addTextBox({"Text1", u"", 4440, 600, 855, 375, 0, {.accessibleName = u"المعامل A"}});
  addLabel({"Label1", u"س", 4080, 600, 255, 375, 1, {.font = kVariable}});
  addLabel({"Label2", u"2", 4080, 480, 135, 255, 2});
  coefficientB =
      addTextBox({"Text2", u"", 2640, 600, 855, 375, 3, {.accessibleName = u"المعامل B"}});
  addLabel({"Label3", u"س", 2280, 600, 255, 375, 4, {.font = kVariable}});
  constantC = addTextBox({"Text3", u"", 840, 600, 975, 375, 5, {.accessibleName = u"الثابت C"}});
  addLabel({"Label4", u"A", 4320, 120, 135, 255, 6, {.font = kHeading}});
  addLabel({"Label5", u"B", 2400, 120, 135, 255, 7, {.font = kHeading}});
  addLabel({"Label6", u"C", 1200, 120, 135, 255, 8, {.font = kHeading}});
  calculate =
      addCalculateButton({"Command1", u"حساب", 3480, 2160, 1335, 375, 9}, [this] { solve(); });
  rootsFrame = addFrame({"Frame1", u"الناتج", 120, 1560, 2415, 1935, 10});
  firstRoot =
      addResultBox({"Text4", u"", 120, 360, 1335, 375, 11, {.accessibleName = u"الحل الأول"}},
                   FirstRoot, rootsFrame);
  secondRoot =
      addResultBox({"Text5", u"", 120, 1200, 1335, 375, 12, {.accessibleName = u"الحل الثاني"}},
                   SecondRoot, rootsFrame);
  rootCaptions[0] =
      addLabel({"Label7(0)", u"= س", 1680, 360, 495, 375, 13, {.font = kRootLabel}}, rootsFrame);
  orCaption = addLabel({"Label8", u"أو", 1800, 840, 255, 375, 14, {.font = {"Arial", 12, true}}},
                       rootsFrame);
  rootCaptions[1] =
      addLabel({"Label7(1)", u"= س", 1680, 1200, 615, 375, 15, {.font = kRootLabel}}, rootsFrame);
  mainMenu = addMainButton({"Command2", u"الرئيسية", 0, 3840, 5655, 735, 16},
                           ReturnOrder::ShowMainThenHide);
  addLabel({"Label9", u"صفر", 120, 600, 375, 375, 17});
  setFigure(ParabolaFigure);
  setProblem(QuadraticProblem, AnswerForm::Fractions);
  setExercises(QuadraticExercise);
  finishLayout();
}

void QuadraticWindow::solve() {
  read(coefficientA, kA);
  read(coefficientB, kB);
  read(constantC, kC);
  if (value(Discriminant) < 0) {
    // The window's own message; the roots are emptied and say why.
    leaveOut(firstRoot, kNoRealRoot);
    leaveOut(secondRoot, kNoRealRoot);
    message(u"المعادلة لاتحل");
    return;
  }
  measure(firstRoot, FirstRoot);
  measure(secondRoot, SecondRoot);
}

}  // namespace numora
