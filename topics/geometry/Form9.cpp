#include "topics/geometry/Form9.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "topics/geometry/GeometryFormulas.h"

namespace numora {
namespace {

constexpr std::u16string_view kSurface = u"المساحة = 12.56 × {نق}²";
constexpr std::u16string_view kVolume = u"الحجم = {نق}³ × ((4 ÷ 3) × 3.14)";

}  // namespace

Form9::Form9(const FormContext& context)
    : FormWindow(context,
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
  Command2 = addButton({"Command2", u"احسب", 4080, 2280, 1695, 495, 4});
  Label3 = addLabel({"Label3", u"", 120, 480, 1695, 615, 5, {.framed = true}});
  Label4 = addLabel({"Label4", u"", 120, 1920, 1695, 615, 6, {.framed = true}});
  Label5 = addLabel({"Label5", u"مساحة الكرة", 480, 120, 975, 255, 7});
  Label6 = addLabel({"Label6", u"حجم اكرة", 600, 1560, 735, 255, 8});
  showFormula(Label3, kSurface);
  showFormula(Label4, kVolume);
  onCalculate(Command2, [this] { Command2_Click(); });
  finishLayout();
}

void Form9::Command2_Click() {
  const double radius = readLength(Text1);
  expect(Label3, Working(kSurface).let(u"نق", radius));
  expect(Label4, Working(kVolume).let(u"نق", radius));
  measuring(Label3);
  write(Label3, SphereSurface(radius));
  measuring(Label4);
  write(Label4, SphereVolume(radius));
}

}  // namespace numora
