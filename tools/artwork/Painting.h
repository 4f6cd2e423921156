// What every picture shares: a reproducible random source, colour arithmetic, soft glows and
// rendering a painting at a given scale.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QSize>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace artwork {

// Paints a picture in its own logical pixel coordinates.
using Painting = std::function<void(QPainter&)>;

// Random numbers from a fixed seed. Only the raw Mersenne Twister output is used, whose sequence
// the C++ standard fixes; the standard distributions may differ between libraries.
class Random {
 public:
  explicit Random(std::uint32_t seed) : engine_(seed) {}
  // Uniform in [low, high).
  double uniform(double low, double high) {
    return low + (high - low) * (static_cast<double>(engine_()) / 4294967296.0);
  }
  // Uniform whole number in [0, count).
  int below(int count) { return static_cast<int>(uniform(0, count)); }
  bool chance(double probability) { return uniform(0, 1) < probability; }

 private:
  std::mt19937 engine_;
};

inline constexpr double kPi = 3.14159265358979323846;

// The colour a fraction t of the way from a to b, alpha included.
QColor Mix(const QColor& a, const QColor& b, double t);
QColor WithAlpha(QColor colour, int alpha);
// The point at a distance and an angle (degrees, counter-clockwise from the x axis, y down).
QPointF Polar(QPointF centre, double radius, double degrees);

// A round glow fading from colour at the centre to nothing at the radius.
void Glow(QPainter& p, QPointF centre, double radius, const QColor& colour);
// The same glow squeezed into an ellipse, turned by an angle in degrees.
void EllipseGlow(QPainter& p, QPointF centre, double rx, double ry, const QColor& colour,
                 double degrees = 0);
// A straight stroke whose colour runs from one end to the other.
void GradientLine(QPainter& p, QPointF from, QPointF to, const QColor& start, const QColor& end,
                  double width, Qt::PenCapStyle cap = Qt::RoundCap);
// A smooth closed path through the points (a Catmull-Rom spline drawn as cubic curves).
QPainterPath SmoothClosed(const std::vector<QPointF>& points);
// A smooth open path through the points.
QPainterPath SmoothOpen(const std::vector<QPointF>& points);

// Paints at scale times the logical size on a ground colour (transparent if alpha is 0).
QImage Render(QSize logical, int scale, const QColor& ground, const Painting& paint,
              bool antialias = true);

}  // namespace artwork
