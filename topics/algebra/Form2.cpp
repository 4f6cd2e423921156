#include "topics/algebra/Form2.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "topics/algebra/AlgebraFormulas.h"

namespace numora {

namespace {

// The root as the window takes it: the reciprocal of the index first, then the power; a negative
// radicand under an odd whole index gives the negative of the root of its absolute value.
constexpr std::u16string_view kRoot = u"الناتج = {ما تحت الجذر} ^ (1 ÷ {دليل الجذر})";
constexpr std::u16string_view kOddRootOfNegative =
    u"الناتج = -(|{ما تحت الجذر}| ^ (1 ÷ {دليل الجذر}))";

}  // namespace

Form2::Form2(const FormContext& context)
    : FormWindow(context, {.caption = u"الجذور", .clientWidth = 5865, .clientHeight = 3225}) {
  // The radical sign, hook on the right and bar running left over the radicand, then the equals
  // sign before the result.
  addLine(2640, 1080, 5040, 1080, 2);
  addLine(5280, 1680, 5040, 1080, 2);
  addLine(5520, 1200, 5280, 1680, 2);
  addLine(5520, 1200, 5640, 1320, 2);
  addLine(2520, 1320, 2160, 1320, 2);
  addLine(2520, 1440, 2160, 1440, 2);

  Text1 = addTextBox({"Text1", u"", 5160, 840, 495, 285, 0, {.accessibleName = u"دليل الجذر"}});
  Text2 = addTextBox({"Text2", u"", 2880, 1200, 2175, 495, 1, {.accessibleName = u"ما تحت الجذر"}});
  Command1 = addButton({"Command1", u"احسب", 1680, 1920, 2055, 495, 2});
  Label1 = addLabel({"Label1", u"", 120, 1200, 1815, 495, 3, {.framed = true}});
  Command2 = addMainButton({"Command2", u"الرئيسية", 0, 2520, 5895, 735, 4},
                           ReturnOrder::ShowMainThenHide);
  Label2 = addLabel({"Label2", u"الناتج", 480, 840, 975, 255, 5, {.align = Align::Centre}});
  showFormula(Label1, kRoot);
  onCalculate(Command1, [this] { Command1_Click(); });
  finishLayout();
}

void Form2::Command1_Click() {
  const double index = read(Text1);
  const double radicand = read(Text2);
  expect(Label1, Working(GivesRealOddRoot(radicand, index) ? kOddRootOfNegative : kRoot)
                     .let(u"ما تحت الجذر", radicand)
                     .let(u"دليل الجذر", index));
  during(Step::RootExponent);
  const double exponent = ValueOrFault(RootExponent(index));
  during(Step::Root);
  write(Label1, Root(radicand, exponent, index));
}

}  // namespace numora
