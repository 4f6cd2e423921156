#include "topics/algebra/Form11.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "topics/algebra/AlgebraFormulas.h"

namespace numora {

namespace {

// The second leg's square comes first, as the window adds them.
constexpr std::u16string_view kHypotenuse = u"طول الوتر = √({الضلع الثاني}² + {الضلع الأول}²)";

}  // namespace

Form11::Form11(const FormContext& context)
    : FormWindow(context,
                 {.caption = u"نظرية فيثاغورس", .clientWidth = 5580, .clientHeight = 3555}) {
  // The right triangle with its right angle at (4560, 1680), its right-angle mark, and the
  // equals sign before the result.
  addLine(4560, 240, 4560, 1680, 2);
  addLine(3120, 1680, 4560, 1680, 2);
  addLine(3120, 1680, 4560, 240, 2);
  addLine(4320, 1680, 4320, 1440, 2);
  addLine(4560, 1440, 4320, 1440, 2);
  addLine(2280, 1200, 2640, 1200, 2);
  addLine(2280, 1320, 2640, 1320, 2);

  Text1 = addTextBox({"Text1", u"", 4680, 720, 735, 405, 0, {.accessibleName = u"الضلع الأول"}});
  Text2 = addTextBox({"Text2", u"", 3480, 1800, 855, 375, 1, {.accessibleName = u"الضلع الثاني"}});
  Command1 = addMainButton({"Command1", u"الرئيسية", 0, 2880, 5655, 735, 2},
                           ReturnOrder::HideThenShowMain);
  Command2 = addButton({"Command2", u"احسب", 4080, 2280, 1215, 495, 3});
  Label1 = addLabel({"Label1", u"", 240, 1080, 1455, 495, 4, {.framed = true}});
  Label2 = addLabel({"Label2", u"طول الوتر", 480, 720, 1095, 255, 5, {.align = Align::Centre}});
  showFormula(Label1, kHypotenuse);
  onCalculate(Command2, [this] { Command2_Click(); });
  finishLayout();
}

void Form11::Command2_Click() {
  const double first = readLength(Text1);
  const double second = readLength(Text2);
  expect(Label1, Working(kHypotenuse).let(u"الضلع الأول", first).let(u"الضلع الثاني", second));
  during(Step::Hypotenuse);
  write(Label1, Hypotenuse(first, second));
}

}  // namespace numora
