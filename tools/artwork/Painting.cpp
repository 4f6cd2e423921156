#include "Painting.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace artwork {

QColor Mix(const QColor& a, const QColor& b, double t) {
  auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                lerp(a.alpha(), b.alpha()));
}

QColor WithAlpha(QColor colour, int alpha) {
  colour.setAlpha(std::clamp(alpha, 0, 255));
  return colour;
}

QPointF Polar(QPointF centre, double radius, double degrees) {
  const double a = degrees * kPi / 180.0;
  return centre + QPointF(std::cos(a) * radius, -std::sin(a) * radius);
}

void Glow(QPainter& p, QPointF centre, double radius, const QColor& colour) {
  QRadialGradient gradient(centre, radius);
  gradient.setColorAt(0.0, colour);
  gradient.setColorAt(0.35, WithAlpha(colour, colour.alpha() * 45 / 100));
  gradient.setColorAt(0.7, WithAlpha(colour, colour.alpha() * 12 / 100));
  gradient.setColorAt(1.0, WithAlpha(colour, 0));
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(gradient);
  p.drawEllipse(centre, radius, radius);
  p.restore();
}

void EllipseGlow(QPainter& p, QPointF centre, double rx, double ry, const QColor& colour,
                 double degrees) {
  p.save();
  p.translate(centre);
  p.rotate(-degrees);
  p.scale(1.0, ry / rx);
  Glow(p, QPointF(0, 0), rx, colour);
  p.restore();
}

void GradientLine(QPainter& p, QPointF from, QPointF to, const QColor& start, const QColor& end,
                  double width, Qt::PenCapStyle cap) {
  QLinearGradient gradient(from, to);
  gradient.setColorAt(0, start);
  gradient.setColorAt(1, end);
  p.save();
  p.setPen(QPen(QBrush(gradient), width, Qt::SolidLine, cap));
  p.drawLine(from, to);
  p.restore();
}

namespace {

// One Catmull-Rom piece from b to c, with a and d its neighbours, as a cubic curve.
void CatmullRom(QPainterPath& path, QPointF a, QPointF b, QPointF c, QPointF d) {
  path.cubicTo(b + (c - a) / 6.0, c - (d - b) / 6.0, c);
}

}  // namespace

QPainterPath SmoothClosed(const std::vector<QPointF>& points) {
  QPainterPath path;
  const std::size_t n = points.size();
  if (n < 3) return path;
  path.moveTo(points[0]);
  for (std::size_t i = 0; i < n; ++i)
    CatmullRom(path, points[(i + n - 1) % n], points[i], points[(i + 1) % n], points[(i + 2) % n]);
  path.closeSubpath();
  return path;
}

QPainterPath SmoothOpen(const std::vector<QPointF>& points) {
  QPainterPath path;
  const std::size_t n = points.size();
  if (n < 2) return path;
  path.moveTo(points[0]);
  for (std::size_t i = 0; i + 1 < n; ++i)
    CatmullRom(path, points[i == 0 ? 0 : i - 1], points[i], points[i + 1],
               points[std::min(i + 2, n - 1)]);
  return path;
}

QImage Render(QSize logical, int scale, const QColor& ground, const Painting& paint,
              bool antialias) {
  QImage image(logical * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(ground);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, antialias);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, antialias);
  painter.scale(scale, scale);
  paint(painter);
  painter.end();
  return image;
}

}  // namespace artwork
