#include "numeric/Figure.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

namespace numora {

Figure CannotDraw(std::u16string name, std::u16string why) {
  Figure figure;
  figure.name = std::move(name);
  figure.description = why;
  figure.cannotDraw = std::move(why);
  return figure;
}

FigurePath Segment(FigurePoint from, FigurePoint to, FigureLine line, FigureInk ink) {
  return {.points = {from, to}, .closed = false, .line = line, .ink = ink};
}

FigurePath Polygon(std::vector<FigurePoint> corners, FigureInk ink, bool filled) {
  return {.points = std::move(corners), .closed = true, .ink = ink, .filled = filled};
}

FigurePath EllipseArc(FigurePoint centre, double radiusX, double radiusY, double fromAngle,
                      double toAngle, FigureLine line, FigureInk ink) {
  // Enough segments that a full ellipse looks round at any size a panel gives it.
  constexpr int kFullCircle = 96;
  const double sweep = toAngle - fromAngle;
  const int count = std::max(
      2, static_cast<int>(std::ceil(std::abs(sweep) / (2 * std::numbers::pi) * kFullCircle)));
  FigurePath path;
  path.line = line;
  path.ink = ink;
  path.points.reserve(count + 1);
  for (int i = 0; i <= count; ++i) {
    const double angle = fromAngle + sweep * i / count;
    path.points.push_back(
        {centre.x + radiusX * std::cos(angle), centre.y + radiusY * std::sin(angle)});
  }
  return path;
}

FigurePath Ellipse(FigurePoint centre, double radiusX, double radiusY, FigureInk ink, bool filled) {
  FigurePath path = EllipseArc(centre, radiusX, radiusY, 0, 2 * std::numbers::pi);
  path.points.pop_back();  // the last point is the first again
  path.closed = true;
  path.ink = ink;
  path.filled = filled;
  return path;
}

FigurePath RightAngleMark(FigurePoint corner, FigurePoint towardFirst, FigurePoint towardSecond,
                          double side) {
  auto unit = [&](FigurePoint to) {
    const double dx = to.x - corner.x, dy = to.y - corner.y;
    const double length = std::hypot(dx, dy);
    return length > 0 ? FigurePoint{dx / length * side, dy / length * side} : FigurePoint{};
  };
  const FigurePoint u = unit(towardFirst), v = unit(towardSecond);
  return {.points = {{corner.x + u.x, corner.y + u.y},
                     {corner.x + u.x + v.x, corner.y + u.y + v.y},
                     {corner.x + v.x, corner.y + v.y}},
          .closed = false,
          .line = FigureLine::Guide};
}

double NiceStep(double rough) {
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  const double fraction = rough / power;
  return (fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10) * power;
}

std::u16string IsolatedNumber(std::u16string_view number) {
  return u'\u2066' + LeftToRightNumbers(number) + u'\u2069';
}

FigureFrame FrameAround(const Figure& figure, double margin) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  FigureFrame frame{kInf, kInf, -kInf, -kInf};
  auto take = [&](FigurePoint p) {
    frame.left = std::min(frame.left, p.x);
    frame.right = std::max(frame.right, p.x);
    frame.bottom = std::min(frame.bottom, p.y);
    frame.top = std::max(frame.top, p.y);
  };
  for (const FigurePath& path : figure.paths)
    for (FigurePoint p : path.points) take(p);
  for (FigurePoint p : figure.dots) take(p);
  for (const FigureLabel& label : figure.labels) take(label.at);
  if (frame.left > frame.right) return {};
  const double pad = margin * std::max({frame.width(), frame.height(), 1e-300});
  return {frame.left - pad, frame.bottom - pad, frame.right + pad, frame.top + pad};
}

}  // namespace numora
