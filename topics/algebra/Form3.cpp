#include "topics/algebra/Form3.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "numeric/Arithmetic.h"

namespace numora {

namespace {

constexpr std::u16string_view kPower = u"الناتج = {الأساس} ^ {الأس}";

}  // namespace

Form3::Form3(const FormContext& context)
    : FormWindow(context, {.caption = u"القوى", .clientWidth = 5850, .clientHeight = 3225}) {
  // The caret between the base and the exponent, and the equals sign before the result.
  addLine(4680, 960, 4920, 720, 2);
  addLine(5160, 960, 4920, 720, 2);
  addLine(2400, 1320, 2880, 1320, 2);
  addLine(2400, 1440, 2880, 1440, 2);

  Text1 = addTextBox({"Text1", u"", 3120, 1200, 1575, 495, 0, {.accessibleName = u"الأساس"}});
  Text2 = addTextBox({"Text2", u"", 4920, 240, 735, 375, 1, {.accessibleName = u"الأس"}});
  Label1 = addLabel({"Label1", u"", 120, 1200, 1935, 495, 2, {.framed = true}});
  Command1 = addButton({"Command1", u"احسب", 1680, 1920, 2415, 495, 3});
  Command2 = addMainButton({"Command2", u"الرئيسية", 0, 2520, 5895, 735, 4},
                           ReturnOrder::HideThenShowMain);
  Label2 = addLabel({"Label2", u"الناتج", 360, 840, 1455, 255, 5, {.align = Align::Centre}});
  showFormula(Label1, kPower);
  onCalculate(Command1, [this] { Command1_Click(); });
  finishLayout();
}

void Form3::Command1_Click() {
  const double base = read(Text1);
  const double exponent = read(Text2);
  expect(Label1, Working(kPower).let(u"الأساس", base).let(u"الأس", exponent));
  during(Step::Power);
  write(Label1, Power(base, exponent));
}

}  // namespace numora
