#include "topics/geometry/GeometryFigures.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "numeric/NumberWriting.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/geometry/GeometryProblems.h"

namespace numora {
namespace {

using std::numbers::pi;

// Beyond this ratio of the longest length to the shortest, the short one would not show as more
// than a line at any size a panel gives the figure.
constexpr double kLargestRatio = 1000;
// Where the shortest length is less than this share of the longest, the shape would be a sliver
// with its labels crowded into a corner: its proportions are eased so that the shortest is drawn
// at this share, the lengths under a third of the longest growing less the longer they are, in
// the same order as typed.
constexpr double kThinnestShare = 1.0 / 8;
constexpr double kEasedBelow = 1.0 / 3;
// The painter scales the frame to pixels: lengths outside these bounds would overflow or lose
// their digits on the way.
constexpr double kLongestDrawn = 1e100, kShortestDrawn = 1e-100;
// The oblique view of a solid: the depth at half its length along 45 degrees, and a circle
// seen from the side as an ellipse this flat.
constexpr double kDepthShare = 0.5;
constexpr double kCircleSeenFromSide = 0.3;
// Room around the figure for its labels, as a share of its larger side.
constexpr double kLabelMargin = 0.15;

struct Measure {
  std::u16string_view quantity;
  std::u16string_view word;  // the length as a sentence names it
};

const Measure kHeightMeasure{kHeight, u"الارتفاع"}, kBaseMeasure{kBase, u"القاعدة"},
    kFirstBaseMeasure{kFirstBase, u"القاعدة الأولى"},
    kSecondBaseMeasure{kSecondBase, u"القاعدة الثانية"}, kWidthMeasure{kWidth, u"العرض"},
    kLengthMeasure{kLength, u"الطول"}, kRadiusMeasure{kRadius, u"نصف القطر"};

// The lengths of one figure in the order they were asked for, or why it is not drawn.
struct Lengths {
  std::vector<double> typed;
  std::vector<double> drawn;           // each at least the thinnest share of the longest
  std::vector<std::u16string> texts;   // as the window writes them
  std::vector<std::u16string> labels;  // with their unit, as the figure labels them
  std::u16string whyNot;               // empty when the figure is drawn
  bool noScale = false;                // the lengths are too far apart to share one scale
  std::u16string notToScale;

  bool drawable() const { return whyNot.empty(); }
  Figure notDrawn(std::u16string_view name) const {
    return noScale ? CannotDrawToScale(name, whyNot) : CannotDraw(name, whyNot);
  }
  double shortest() const { return *std::min_element(drawn.begin(), drawn.end()); }
  double longest() const { return *std::max_element(drawn.begin(), drawn.end()); }
};

std::u16string WhyNot(const Measure& measure, const double* length, Notation notation) {
  const std::u16string word(measure.word);
  if (!length) return u"لم يُعرف " + word + u".";
  if (!std::isfinite(*length)) return word + u" ليس عددا محدودا.";
  const std::u16string text = IsolatedNumber(NumberToText(*length, notation));
  if (*length < 0) return u"لا يُرسم طول سالب، و" + word + u" " + text + u".";
  if (*length == 0) return word + u" صفر.";
  if (*length > kLongestDrawn) return word + u" " + text + u" أطول مما يرسمه البرنامج.";
  if (*length < kShortestDrawn) return word + u" " + text + u" أقصر مما يرسمه البرنامج.";
  return {};
}

Lengths Read(const Values& values, const std::vector<Measure>& measures, Notation notation) {
  Lengths lengths;
  for (const Measure& measure : measures) {
    const double* length = values.find(measure.quantity);
    lengths.whyNot = WhyNot(measure, length, notation);
    if (!lengths.drawable()) return lengths;
    lengths.typed.push_back(*length);
    lengths.texts.push_back(NumberToText(*length, notation));
    lengths.labels.push_back(MeasureLabel(lengths.texts.back(), Unit::Length, notation));
  }
  const auto [shortest, longest] = std::minmax_element(lengths.typed.begin(), lengths.typed.end());
  if (*longest / *shortest > kLargestRatio) {
    const auto named = [&](auto at) {
      const std::size_t i = at - lengths.typed.begin();
      return std::u16string(measures[i].word) + u" " + IsolatedNumber(lengths.texts[i]);
    };
    lengths.whyNot = named(longest) + u" أطول من " + named(shortest) + u" بأكثر من ألف مرة.";
    lengths.noScale = true;
    return lengths;
  }
  // Below the threshold a length l is drawn at threshold × (l ÷ threshold)^k, k < 1 chosen so that
  // the shortest is drawn at the thinnest share.
  const double threshold = *longest * kEasedBelow, thinnest = *longest * kThinnestShare;
  const bool eased = *shortest < thinnest;
  const double power = eased ? std::log(thinnest / threshold) / std::log(*shortest / threshold) : 1;
  std::u16string enlarged;
  int enlargedCount = 0;
  for (std::size_t i = 0; i < lengths.typed.size(); ++i) {
    const double typed = lengths.typed[i];
    const bool grown = eased && typed < threshold;
    lengths.drawn.push_back(grown ? threshold * std::pow(typed / threshold, power) : typed);
    if (!grown) continue;
    enlarged += (enlargedCount++ ? u" و" : u"") + std::u16string(measures[i].word);
  }
  if (enlargedCount > 0)
    lengths.notToScale = u"رُسم " + enlarged + u" أكبر من مقياس الرسم حتى " +
                         (enlargedCount == 1 ? u"يظهر." : u"يظهرا.");
  return lengths;
}

bool AllEqual(const Lengths& lengths) {
  return std::adjacent_find(lengths.typed.begin(), lengths.typed.end(), std::not_equal_to<>()) ==
         lengths.typed.end();
}

FigurePoint Mid(FigurePoint a, FigurePoint b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

FigurePoint Shifted(FigurePoint p, double dx, double dy) { return {p.x + dx, p.y + dy}; }

// Small enough to fit inside the thinnest part, large enough to be seen beside the longest.
double RightAngleSide(const Lengths& lengths) {
  return std::min(0.2 * lengths.shortest(), 0.08 * lengths.longest());
}

// The measured region lightly filled, its outline over it.
void AddArea(Figure& figure, const std::vector<FigurePoint>& corners) {
  figure.paths.push_back(Polygon(corners, FigureInk::Accent, true));
  figure.paths.push_back(Polygon(corners));
}

// The height as a guide from its top to its foot, labelled beside it, its right angle marked
// toward the base.
void AddHeight(Figure& figure, FigurePoint top, FigurePoint foot, FigurePoint alongBase,
               const std::u16string& text, double markSide) {
  figure.paths.push_back(Segment(top, foot, FigureLine::Guide, FigureInk::Guide));
  figure.paths.push_back(RightAngleMark(foot, top, alongBase, markSide));
  figure.labels.push_back({Mid(top, foot), text, FigureSide::Right});
}

// The sentence for a screen reader, ending with how the figure was drawn, and the frame.
// The figure shows the problem, and says it in its words.
void Finish(Figure& figure, const std::optional<Problem>& shows, bool feminine, bool solid,
            const Lengths& lengths) {
  figure.description =
      (shows ? shows->text : std::u16string()) + u"، " + (feminine ? u"مرسومة" : u"مرسوم") +
      (solid ? u" بمنظور مائل بمقياس رسم، والخطوط المخفية متقطعة." : u" بمقياس رسم.");
  if (!lengths.notToScale.empty()) figure.description += u" " + lengths.notToScale;
  figure.notToScale = lengths.notToScale;
  figure.frame = FrameAround(figure, kLabelMargin);
}

}  // namespace

Figure TriangleFigure(const Values& values, Notation notation) {
  const std::u16string name = u"مثلث";
  const Lengths lengths = Read(values, {kBaseMeasure, kHeightMeasure}, notation);
  if (!lengths.drawable()) return lengths.notDrawn(name);
  const double base = lengths.drawn[0], height = lengths.drawn[1];
  // The apex above a third of the base: no right angle, no equal sides, a triangle in general.
  const FigurePoint left{0, 0}, right{base, 0}, apex{base / 3, height}, foot{base / 3, 0};

  Figure figure;
  figure.name = name;
  AddArea(figure, {left, right, apex});
  AddHeight(figure, apex, foot, right, lengths.labels[1], RightAngleSide(lengths));
  figure.labels.push_back({Mid(left, right), lengths.labels[0], FigureSide::Below});
  Finish(figure, TriangleProblem(values, notation), false, false, lengths);
  return figure;
}

Figure RectangleFigure(const Values& values, Notation notation) {
  const Lengths lengths = Read(values, {kWidthMeasure, kLengthMeasure}, notation);
  const bool square = lengths.drawable() && AllEqual(lengths);
  const std::u16string name = square ? u"مربع" : u"مستطيل";
  if (!lengths.drawable()) return lengths.notDrawn(name);
  const double width = lengths.drawn[0], length = lengths.drawn[1];
  const FigurePoint corner{0, 0}, alongLength{length, 0}, opposite{length, width},
      alongWidth{0, width};

  Figure figure;
  figure.name = name;
  AddArea(figure, {corner, alongLength, opposite, alongWidth});
  figure.paths.push_back(RightAngleMark(corner, alongLength, alongWidth, RightAngleSide(lengths)));
  figure.labels.push_back({Mid(corner, alongLength), lengths.labels[1], FigureSide::Below});
  figure.labels.push_back({Mid(alongLength, opposite), lengths.labels[0], FigureSide::Right});
  Finish(figure, RectangleProblem(values, notation), false, false, lengths);
  return figure;
}

Figure TrapezoidFigure(const Values& values, Notation notation) {
  const std::u16string name = u"شبه منحرف";
  const Lengths lengths =
      Read(values, {kFirstBaseMeasure, kSecondBaseMeasure, kHeightMeasure}, notation);
  if (!lengths.drawable()) return lengths.notDrawn(name);
  const double bottom = lengths.drawn[0], top = lengths.drawn[1], height = lengths.drawn[2];
  const double topLeft = (bottom - top) / 2;
  const FigurePoint a{0, 0}, b{bottom, 0}, c{topLeft + top, height}, d{topLeft, height};

  Figure figure;
  figure.name = name;
  AddArea(figure, {a, b, c, d});
  // The height drops from an end of the shorter base, so that its foot lies on the longer one.
  const double markSide = RightAngleSide(lengths);
  if (top <= bottom)
    AddHeight(figure, d, {topLeft, 0}, b, lengths.labels[2], markSide);
  else
    AddHeight(figure, a, {0, height}, c, lengths.labels[2], markSide);
  figure.labels.push_back({Mid(a, b), lengths.labels[0], FigureSide::Below});
  figure.labels.push_back({Mid(d, c), lengths.labels[1], FigureSide::Above});
  Finish(figure, TrapezoidProblem(values, notation), false, false, lengths);
  return figure;
}

Figure CircleFigure(const Values& values, Notation notation) {
  const std::u16string name = u"دائرة";
  const Lengths lengths = Read(values, {kRadiusMeasure}, notation);
  if (!lengths.drawable()) return lengths.notDrawn(name);
  const double radius = lengths.drawn[0];
  const FigurePoint centre{0, 0}, end{radius, 0};

  Figure figure;
  figure.name = name;
  figure.paths.push_back(Ellipse(centre, radius, radius, FigureInk::Accent, true));
  figure.paths.push_back(Ellipse(centre, radius, radius));
  figure.paths.push_back(Segment(centre, end));
  figure.dots.push_back(centre);
  figure.labels.push_back({Mid(centre, end), lengths.labels[0], FigureSide::Above});
  Finish(figure, CircleProblem(values, notation), true, false, lengths);
  return figure;
}

Figure CuboidFigure(const Values& values, Notation notation) {
  const Lengths lengths = Read(values, {kWidthMeasure, kHeightMeasure, kLengthMeasure}, notation);
  const bool cube = lengths.drawable() && AllEqual(lengths);
  const std::u16string name = cube ? u"مكعب" : u"متوازي مستطيلات";
  if (!lengths.drawable()) return lengths.notDrawn(name);
  const double width = lengths.drawn[0], height = lengths.drawn[1], length = lengths.drawn[2];
  const double depth = width * kDepthShare * std::cos(pi / 4);
  // The front face's corners counterclockwise from the bottom left, and those behind them.
  const FigurePoint f0{0, 0}, f1{length, 0}, f2{length, height}, f3{0, height};
  const auto back = [&](FigurePoint p) { return Shifted(p, depth, depth); };
  const FigurePoint b0 = back(f0), b1 = back(f1), b2 = back(f2), b3 = back(f3);

  Figure figure;
  figure.name = name;
  // The three edges that meet at the far bottom corner are behind the box.
  for (const FigurePoint to : {f0, b1, b3})
    figure.paths.push_back(Segment(b0, to, FigureLine::Hidden));
  figure.paths.push_back(Polygon({f0, f1, f2, f3}));
  figure.paths.push_back({.points = {f3, b3, b2, b1, f1}});
  figure.paths.push_back(Segment(f2, b2));
  figure.labels.push_back({Mid(f0, f1), lengths.labels[2], FigureSide::Below});
  figure.labels.push_back({Mid(f0, f3), lengths.labels[1], FigureSide::Left});
  figure.labels.push_back({Mid(f1, b1), lengths.labels[0], FigureSide::Right});
  Finish(figure, CuboidProblem(values, notation), false, true, lengths);
  return figure;
}

Figure SphereFigure(const Values& values, Notation notation) {
  const std::u16string name = u"كرة";
  const Lengths lengths = Read(values, {kRadiusMeasure}, notation);
  if (!lengths.drawable()) return lengths.notDrawn(name);
  const double radius = lengths.drawn[0], flat = radius * kCircleSeenFromSide;
  const FigurePoint centre{0, 0}, end{radius, 0};

  Figure figure;
  figure.name = name;
  figure.paths.push_back(Ellipse(centre, radius, radius));
  // The equator: its far half, above the centre, is behind the sphere.
  figure.paths.push_back(EllipseArc(centre, radius, flat, 0, pi, FigureLine::Hidden));
  figure.paths.push_back(EllipseArc(centre, radius, flat, pi, 2 * pi));
  figure.paths.push_back(Segment(centre, end));
  figure.dots.push_back(centre);
  figure.labels.push_back({Mid(centre, end), lengths.labels[0], FigureSide::Above});
  Finish(figure, SphereProblem(values, notation), true, true, lengths);
  return figure;
}

Figure CylinderFigure(const Values& values, Notation notation) {
  const std::u16string name = u"أسطوانة";
  const Lengths lengths = Read(values, {kRadiusMeasure, kHeightMeasure}, notation);
  if (!lengths.drawable()) return lengths.notDrawn(name);
  const double radius = lengths.drawn[0], height = lengths.drawn[1];
  const double flat = radius * kCircleSeenFromSide;
  const FigurePoint bottom{0, 0}, top{0, height}, end{radius, 0};

  Figure figure;
  figure.name = name;
  figure.paths.push_back(EllipseArc(bottom, radius, flat, 0, pi, FigureLine::Hidden));
  figure.paths.push_back(EllipseArc(bottom, radius, flat, pi, 2 * pi));
  figure.paths.push_back(Ellipse(top, radius, flat));
  figure.paths.push_back(Segment({-radius, 0}, {-radius, height}));
  figure.paths.push_back(Segment(end, {radius, height}));
  figure.paths.push_back(Segment(bottom, end));
  figure.dots.push_back(bottom);
  figure.labels.push_back({Mid(bottom, end), lengths.labels[0], FigureSide::Above});
  figure.labels.push_back({{radius, height / 2}, lengths.labels[1], FigureSide::Right});
  Finish(figure, CylinderProblem(values, notation), true, true, lengths);
  return figure;
}

}  // namespace numora
