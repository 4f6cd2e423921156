#include "topics/algebra/AlgebraFigures.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "numeric/Fault.h"
#include "numeric/NumberWriting.h"
#include "topics/algebra/AlgebraFormulas.h"

namespace numora {
namespace {

constexpr std::u16string_view kSquare = u"مربع", kCube = u"مكعب", kNumberLine = u"خط الأعداد",
                              kRightTriangle = u"مثلث قائم والمربعات على أضلاعه",
                              kParabola = u"القطع المكافئ";

constexpr std::u16string_view kNoResult = u"لم يحسب الناتج.",
                              kOutOfReach = u"الأعداد أكبر أو أصغر من أن ترسم.";

// A formula's value as the window computed it, or nothing when it raised a fault or a quantity of
// the figure is missing.
std::optional<double> Computed(const Formula& formula, const Values& values,
                               std::initializer_list<std::u16string_view> quantities) {
  for (std::u16string_view quantity : quantities)
    if (values.find(quantity) == nullptr) return std::nullopt;
  Values own = values;
  try {
    const double value = ValueOf(formula, own);
    if (std::isfinite(value)) return value;
  } catch (const Fault&) {
  }
  return std::nullopt;
}

Figure Framed(Figure figure, double margin) {
  figure.frame = FrameAround(figure, margin);
  if (!Scalable(figure.frame)) return CannotDraw(figure.name, kOutOfReach);
  return figure;
}

// About `count` whole steps between low and high; every range here holds 0, so 0 is a tick.
std::vector<double> Ticks(double low, double high, int count) {
  const double step = NiceStep((high - low) / count);
  std::vector<double> ticks;
  for (double k = std::ceil(low / step);
       k * step <= high && ticks.size() <= static_cast<std::size_t>(2 * count); ++k)
    ticks.push_back(k * step);
  return ticks;
}

std::u16string Number(double value, Notation notation) {
  return IsolatedNumber(NumberToText(value, notation));
}

// A point on the figure, read in the direction of the formulas.
std::u16string Point(double x, double y, Notation notation) {
  return CoordinatePair(NumberToText(x, notation), NumberToText(y, notation),
                        notation.pairSeparator());
}

// A point in a sentence: one left-to-right run, as a screen reader reads it.
std::u16string PointInWords(double x, double y, Notation notation) {
  const std::u16string_view separator = notation.pairSeparator();
  return IsolatedNumber(u"(" + NumberToText(x, notation) +
                        (separator == u";" ? u" ; " : std::u16string(separator) + u" ") +
                        NumberToText(y, notation) + u")");
}

struct Marked {
  double value;
  std::u16string label;
};

// The input and the result of the window as dots on a scaled line, 0 always on it.
Figure NumberLine(const Marked& input, const Marked& result, Notation notation,
                  std::u16string description) {
  double low = std::min({0.0, input.value, result.value});
  double high = std::max({0.0, input.value, result.value});
  if (low == high) low = -1, high = 1;
  const double span = high - low;
  if (!std::isnormal(span)) return CannotDraw(kNumberLine, kOutOfReach);

  // The line is one-dimensional: y only places the ticks and labels, so x fills the room alone.
  constexpr double kTick = 0.08;
  Figure figure;
  figure.name = kNumberLine;
  figure.description = std::move(description);
  figure.sameScale = false;
  const double overhang = 0.06 * span;
  figure.paths.push_back(Segment({low - overhang, 0}, {high + overhang, 0}));
  for (double tick : Ticks(low, high, 6)) {
    figure.paths.push_back(
        Segment({tick, -kTick}, {tick, kTick}, FigureLine::Guide, FigureInk::Guide));
    figure.labels.push_back(
        {{tick, -kTick}, NumberToText(tick, notation), FigureSide::Below, FigureLabelKind::Tick});
  }
  // The result's label stands higher, so that the two stay apart when the numbers are close.
  const auto mark = [&](const Marked& marked, double height, FigureInk ink) {
    figure.paths.push_back(
        Segment({marked.value, 0}, {marked.value, height}, FigureLine::Guide, ink));
    figure.dots.push_back({marked.value, 0});
    figure.labels.push_back({{marked.value, height}, marked.label, FigureSide::Above});
  };
  mark(input, 0.35, FigureInk::Guide);
  mark(result, 0.7, FigureInk::Accent);
  figure.frame = {low - 0.15 * span, -0.7, high + 0.15 * span, 1.15};
  return figure;
}

// A square or a cube of one side, labelled with the side and with the area or volume.
struct Solid {
  double side;
  std::u16string sideText, measureText;
  bool resultIsSide;  // the root is the side; a power is the area or the volume
  std::u16string description;
};

Figure SquareOf(const Solid& solid) {
  const double s = solid.side;
  Figure figure;
  figure.name = kSquare;
  figure.description = solid.description;
  figure.paths.push_back(Polygon({{0, 0}, {s, 0}, {s, s}, {0, s}},
                                 solid.resultIsSide ? FigureInk::Shape : FigureInk::Accent, true));
  if (solid.resultIsSide)
    figure.paths.push_back(Segment({0, 0}, {s, 0}, FigureLine::Solid, FigureInk::Accent));
  figure.labels.push_back({{s / 2, 0}, solid.sideText, FigureSide::Below});
  figure.labels.push_back({{s / 2, s / 2}, solid.measureText, FigureSide::Centre});
  return Framed(std::move(figure), 0.15);
}

// In oblique view: the front face square, the receding edges at 45° and half their length, the
// three edges that meet in the hidden back corner dashed.
Figure CubeOf(const Solid& solid) {
  const double s = solid.side, depth = s * std::numbers::sqrt2 / 4;
  const auto back = [&](FigurePoint p) { return FigurePoint{p.x + depth, p.y + depth}; };
  const FigurePoint f0{0, 0}, f1{s, 0}, f2{s, s}, f3{0, s};
  const FigurePoint b0 = back(f0), b1 = back(f1), b2 = back(f2), b3 = back(f3);
  const FigureInk ink = solid.resultIsSide ? FigureInk::Shape : FigureInk::Accent;
  Figure figure;
  figure.name = kCube;
  figure.description = solid.description;
  figure.paths = {Polygon({f0, f1, f2, f3}, ink, true), Polygon({f3, f2, b2, b3}, ink, true),
                  Polygon({f1, b1, b2, f2}, ink, true), Segment(b0, b1, FigureLine::Hidden),
                  Segment(b0, b3, FigureLine::Hidden),  Segment(f0, b0, FigureLine::Hidden)};
  if (solid.resultIsSide)
    figure.paths.push_back(Segment(f0, f1, FigureLine::Solid, FigureInk::Accent));
  figure.labels.push_back({{s / 2, 0}, solid.sideText, FigureSide::Below});
  figure.labels.push_back({{(s + depth) / 2, (s + depth) / 2}, solid.measureText});
  return Framed(std::move(figure), 0.15);
}

}  // namespace

Figure RootFigure(const Values& values, Notation notation) {
  const std::optional<double> root = Computed(RootOfNumber, values, {kRadicand, kIndex});
  if (!root) return CannotDraw(kNumberLine, kNoResult);
  const double radicand = *values.find(kRadicand), index = *values.find(kIndex);
  const std::u16string x = Number(radicand, notation), r = Number(*root, notation);
  if (index == 2 && radicand > 0)
    return SquareOf({*root, u"√" + x + u" = " + r, x, true,
                     u"مربع مساحته " + x + u" وطول ضلعه " + r + u"، فالجذر التربيعي للعدد " + x +
                         u" هو " + r + u"."});
  if (index == 3 && radicand > 0)
    return CubeOf({*root, u"∛" + x + u" = " + r, x, true,
                   u"مكعب حجمه " + x + u" وطول حرفه " + r + u"، فالجذر التكعيبي للعدد " + x +
                       u" هو " + r + u"."});
  return NumberLine({radicand, u"ما تحت الجذر = " + x}, {*root, u"الناتج = " + r}, notation,
                    u"خط الأعداد وعليه ما تحت الجذر " + x + u" والناتج " + r + u".");
}

Figure PowerFigure(const Values& values, Notation notation) {
  const std::optional<double> power = Computed(PowerOfNumber, values, {kPowerBase, kExponent});
  if (!power) return CannotDraw(kNumberLine, kNoResult);
  const double base = *values.find(kPowerBase), exponent = *values.find(kExponent);
  const std::u16string b = Number(base, notation), p = Number(*power, notation);
  // A power that underflows to 0 has no area to show.
  if (exponent == 2 && base > 0 && *power > 0)
    return SquareOf({base, b, b + u"² = " + p, false,
                     u"مربع طول ضلعه " + b + u" ومساحته " + p + u"، فالعدد " + b +
                         u" مرفوعا إلى الأس " + notation.digits(u"2") + u" هو " + p + u"."});
  if (exponent == 3 && base > 0 && *power > 0)
    return CubeOf({base, b, b + u"³ = " + p, false,
                   u"مكعب طول حرفه " + b + u" وحجمه " + p + u"، فالعدد " + b +
                       u" مرفوعا إلى الأس " + notation.digits(u"3") + u" هو " + p + u"."});
  return NumberLine({base, u"الأساس = " + b}, {*power, u"الناتج = " + p}, notation,
                    u"خط الأعداد وعليه الأساس " + b + u" والناتج " + p + u".");
}

Figure PythagorasFigure(const Values& values, Notation notation) {
  const std::optional<double> hypotenuse = Computed(Hypotenuse, values, {kFirstLeg, kSecondLeg});
  if (!hypotenuse) return CannotDraw(kRightTriangle, kNoResult);
  const double a = *values.find(kFirstLeg), b = *values.find(kSecondLeg), c = *hypotenuse;
  if (a < 0 || b < 0) return CannotDraw(kRightTriangle, u"طول الضلع لا يكون سالبا.");
  if (a == 0 || b == 0) return CannotDraw(kRightTriangle, u"لا مثلث بضلع طوله صفر.");
  // Below a fiftieth the smaller square is a speck beside the others.
  if (std::min(a, b) < std::max(a, b) / 50)
    return CannotDraw(kRightTriangle, u"أحد الضلعين أقصر من أن يرى بجانب الآخر.");

  // As the window draws it: the right angle at the bottom right, the first leg upwards, the second
  // to the left; each square stands on the side of its edge away from the triangle.
  const FigurePoint corner{0, 0}, top{0, a}, left{-b, 0};
  const auto text = [&](double v) { return NumberToText(v, notation); };
  const std::u16string aText = text(a), bText = text(b), cText = text(c), aArea = text(a * a),
                       bArea = text(b * b), cArea = text(c * c);
  Figure figure;
  figure.name = kRightTriangle;
  figure.description = u"مثلث قائم ضلعاه " + aText + u" و" + bText + u" ووتره " + cText +
                       u"، والمربعات على أضلاعه مساحاتها " + aArea + u" و" + bArea + u" و" + cArea +
                       u"، فمساحة المربع على الوتر مجموع مساحتي المربعين على الضلعين.";
  figure.paths = {
      Polygon({corner, {a, 0}, {a, a}, top}, FigureInk::Shape, true),
      Polygon({corner, left, {-b, -b}, {0, -b}}, FigureInk::Shape, true),
      Polygon({left, top, {-a, a + b}, {-a - b, b}}, FigureInk::Accent, true),
      Polygon({corner, top, left}),
      RightAngleMark(corner, top, left, std::min(a, b) / 6),
  };
  const auto area = [&](const std::u16string& t) { return MeasureLabel(t, Unit::Area, notation); };
  const auto length = [&](const std::u16string& t) {
    return MeasureLabel(t, Unit::Length, notation);
  };
  figure.labels = {
      {{a / 2, a / 2}, area(aArea)},
      {{-b / 2, -b / 2}, area(bArea)},
      {{-(a + b) / 2, (a + b) / 2}, area(cArea)},
      // Each leg's length on the side of its own square, where it cannot be taken for another's.
      {{0, a / 2}, length(aText), FigureSide::Right},
      {{-b / 2, 0}, length(bText), FigureSide::Below},
      {{-b / 2, a / 2}, length(cText), FigureSide::Below},
  };
  return Framed(std::move(figure), 0.06);
}

Figure ParabolaFigure(const Values& values, Notation notation) {
  const std::optional<double> discriminant = Computed(Discriminant, values, {kA, kB, kC});
  if (!discriminant) return CannotDraw(kParabola, kOutOfReach);
  const double a = *values.find(kA), b = *values.find(kB), c = *values.find(kC);
  if (a == 0) return CannotDraw(kParabola, u"مع A = 0 ليست المعادلة تربيعية، فلا قطع مكافئ.");

  // The roots as the window wrote them.
  std::vector<double> roots;
  if (*discriminant >= 0) {
    const double* first = values.result(FirstRoot);
    const double* second = values.result(SecondRoot);
    if (!first || !second) return CannotDraw(kParabola, kOutOfReach);
    roots = {std::min(*first, *second), std::max(*first, *second)};
    if (roots[0] == roots[1]) roots.pop_back();
  }
  const double axis = -b / (2 * a), lowest = -*discriminant / (4 * a);

  // Half the width shown, from the axis: far enough for the roots and the y-axis, and for the
  // curve to climb from its vertex as far again as the vertex is from the x-axis, so that a
  // parabola without roots shows it misses the axis. √|yv ÷ A| is the roots' distance from the
  // axis when they are real. A vertex at the origin has neither: the curve then climbs by 1.
  double half = std::max(std::abs(axis), std::sqrt(std::abs(lowest / a)));
  for (double root : roots) half = std::max(half, std::abs(root - axis));
  if (half == 0) half = 1 / std::sqrt(std::abs(a));
  const double reach = 1.25 * half;
  const double left = axis - reach, right = axis + reach;
  const double edge = lowest + a * reach * reach;
  const double bottom = std::min({0.0, lowest, edge, c}), top = std::max({0.0, lowest, edge, c});
  const FigureFrame inner{left, bottom, right, top};
  // The ticks are computed on this frame; the rest of the rule is asked of the finished figure
  // where it is painted.
  if (!Scalable(inner) || !std::isfinite(edge)) return CannotDraw(kParabola, kOutOfReach);

  Figure figure;
  figure.name = kParabola;
  figure.sameScale = false;
  const auto text = [&](double v) { return NumberToText(v, notation); };

  // The curve from the vertex form, which keeps its digits when the vertex is far out.
  constexpr int kSteps = 120;
  FigurePath curve;
  for (int i = 0; i <= kSteps; ++i) {
    const double dx = reach * ((2.0 * i - kSteps) / kSteps);
    curve.points.push_back({axis + dx, lowest + a * dx * dx});
  }
  figure.paths.push_back(std::move(curve));

  // Labels stand off the curve: beyond the vertex, inside the arms at the roots; the axis's name
  // at the end away from the vertex.
  const bool opensUp = a > 0;
  figure.paths.push_back(Segment({axis, bottom}, {axis, top}, FigureLine::Guide, FigureInk::Guide));
  figure.labels.push_back({{axis, opensUp ? top : bottom},
                           notation.letter(u"س") + u" = " + IsolatedNumber(text(axis)),
                           FigureSide::Right});
  // A point marked once however many of them it is: a double root is the vertex.
  const auto dot = [&](FigurePoint p) {
    if (std::find(figure.dots.begin(), figure.dots.end(), p) == figure.dots.end())
      figure.dots.push_back(p);
  };
  dot({axis, lowest});
  figure.labels.push_back({{axis, lowest},
                           u"الرأس " + Point(axis, lowest, notation),
                           opensUp ? FigureSide::Below : FigureSide::Above});
  // Two roots close together are labelled on either side of the x-axis, so that their numbers,
  // fifteen digits long, do not run into each other.
  const bool close = roots.size() == 2 && std::abs(roots[1] - roots[0]) < 0.5 * inner.width();
  for (std::size_t i = 0; i < roots.size(); ++i) {
    dot({roots[i], 0});
    const bool inside = i == 0 || !close;
    figure.labels.push_back(
        {{roots[i], 0}, text(roots[i]), inside == opensUp ? FigureSide::Above : FigureSide::Below});
  }
  // With B = 0 the vertex is the y-intercept, whatever the last digit of its computed height.
  if (b != 0) {
    dot({0, c});
    figure.labels.push_back({{0, c}, Point(0, c, notation), FigureSide::Right});
  }

  const double tickX = inner.width() / 100, tickY = inner.height() / 70;
  figure.paths.push_back(Segment({left, 0}, {right, 0}, FigureLine::Guide, FigureInk::Guide));
  figure.paths.push_back(Segment({0, bottom}, {0, top}, FigureLine::Guide, FigureInk::Guide));
  for (double x : Ticks(left, right, 6)) {
    figure.paths.push_back(Segment({x, -tickY}, {x, tickY}, FigureLine::Guide, FigureInk::Guide));
    // A marked point on or near the x-axis has its own label where this one would stand.
    if (std::none_of(figure.dots.begin(), figure.dots.end(), [&](FigurePoint p) {
          return std::abs(p.x - x) < inner.width() / 20 && std::abs(p.y) < inner.height() / 10;
        }))
      figure.labels.push_back({{x, -tickY}, text(x), FigureSide::Below, FigureLabelKind::Tick});
  }
  for (double y : Ticks(bottom, top, 5)) {
    if (y == 0) continue;  // the x-axis has written 0
    figure.paths.push_back(Segment({-tickX, y}, {tickX, y}, FigureLine::Guide, FigureInk::Guide));
    figure.labels.push_back({{-tickX, y}, text(y), FigureSide::Left, FigureLabelKind::Tick});
  }

  std::u16string rootsText;
  if (roots.empty()) {
    rootsText = u"لا جذر حقيقي";
    figure.caption = u"القطع المكافئ لا يقطع محور السينات، فلا حل حقيقي للمعادلة";
  } else if (roots.size() == 1) {
    rootsText = u"الجذر " + text(roots[0]);
  } else {
    rootsText = u"الجذران " + text(roots[0]) + u" و" + text(roots[1]);
  }
  figure.description = u"قطع مكافئ: الرأس " + PointInWords(axis, lowest, notation) + u"، " +
                       rootsText + u"، محور التماثل " + notation.letter(u"س") + u" = " +
                       text(axis) + u"، يقطع محور الصادات عند " + text(c) + u".";
  // Each axis has its own scale, so each has its own margin; the lower one is deeper for the
  // labels under the x-axis and the vertex.
  figure.frame = {left - inner.width() * 0.06, bottom - inner.height() * 0.12,
                  right + inner.width() * 0.06, top + inner.height() * 0.08};
  return figure;
}

}  // namespace numora
