#include "topics/geometry/GeometryFormulas.h"

namespace numora {
namespace {

// A measure beyond the double range, named as its formula names it.
std::u16string MeasureFault(const FaultPlace& place) {
  return std::u16string(place.formula) + u" أكبر مما يحسبه البرنامج: انظر الأطوال المكتوبة.";
}

Formula Measure(std::u16string_view name, Unit unit, Expr expression) {
  return {std::u16string(name), std::move(expression), MeasureFault, {}, unit};
}

const Expr h = Quantity(kHeight), b = Quantity(kBase), b1 = Quantity(kFirstBase),
           b2 = Quantity(kSecondBase), w = Quantity(kWidth), l = Quantity(kLength),
           r = Quantity(kRadius);
const Expr pi = Pi();
const Expr half = Ratio(1, 2);

}  // namespace

// Doubling and halving are exact and a product of two factors is the same in either order, so
// each formula is written as the textbook writes it and still gives the digits the window has
// always shown. Where the textbook's order would change a last digit the window's order stays:
// the triangle halves its height before the base multiplies it, and the cuboid doubles each of
// its faces, which ½ × ق × ع and 2 × (ض × ل + ...) would not do when a length is tiny or negative.

const Formula TriangleArea = Measure(u"المساحة", Unit::Area, half* h* b);

const Formula RectangleArea = Measure(u"المساحة", Unit::Area, w* l);
const Formula RectangleDiagonal = Measure(u"طول القطر", Unit::Length, Sqrt(Square(w) + Square(l)));
const Formula RectanglePerimeter = Measure(u"المحيط", Unit::Length, 2 * (w + l));

const Formula TrapezoidArea = Measure(u"المساحة", Unit::Area, half*(b1 + b2) * h);

const Formula CircleArea = Measure(u"المساحة", Unit::Area, pi* Square(r));
const Formula CircleCircumference = Measure(u"المحيط", Unit::Length, 2 * pi * r);

const Formula CuboidTotalArea =
    Measure(u"المساحة الكلية", Unit::Area, 2 * w * l + 2 * w * h + 2 * h * l);
const Formula CuboidVolume = Measure(u"الحجم", Unit::Volume, w* l* h);
const Formula CuboidLateralArea = Measure(u"المساحة الجانبية", Unit::Area, 2 * w * h + 2 * h * l);

const Formula SphereSurface = Measure(u"المساحة", Unit::Area, Pi(4) * Square(r));
const Formula SphereVolume = Measure(u"الحجم", Unit::Volume, Ratio(4, 3) * pi * Cube(r));

const Formula CylinderVolume = Measure(u"الحجم", Unit::Volume, pi* Square(r) * h);
const Formula CylinderLateralArea = Measure(u"المساحة الجانبية", Unit::Area, 2 * pi * r * h);
const Formula CylinderTotalArea =
    Measure(u"المساحة الكلية", Unit::Area, 2 * pi * Square(r) + 2 * pi * r * h);

}  // namespace numora
