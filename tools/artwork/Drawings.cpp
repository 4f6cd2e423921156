// The two small drawings: the instruments on the splash window and the rose on the main menu.
#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <vector>

#include "Painting.h"
#include "Pictures.h"

namespace artwork {
namespace {

// ---- The instruments -----------------------------------------------------------------------

// Turns the painter so that x runs from back to tip, and returns the length between them.
double AlongStroke(QPainter& p, QPointF back, QPointF tip) {
  const QPointF d = tip - back;
  p.translate(back);
  p.rotate(std::atan2(d.y(), d.x()) * 180 / kPi);
  return std::hypot(d.x(), d.y());
}

// A red set square with a triangular window, its right angle at the bottom left.
void SetSquare(QPainter& p) {
  const QPointF a(4, 89), b(4, 5), c(54, 89);
  const double leg1 = a.y() - b.y(), leg2 = c.x() - a.x();
  const double inradius = (leg1 + leg2 - std::hypot(leg1, leg2)) / 2;
  const QPointF incentre(a.x() + inradius, a.y() - inradius);
  const double k = (inradius - 10) / inradius;  // the window's edges lie 10 pixels in
  auto in = [&](QPointF v) { return incentre + (v - incentre) * k; };

  QPainterPath plate;
  plate.setFillRule(Qt::OddEvenFill);
  plate.addPolygon(QPolygonF({a, b, c, a}));
  plate.addPolygon(QPolygonF({in(a), in(b), in(c), in(a)}));
  QLinearGradient red(b, c);
  red.setColorAt(0, QColor(245, 70, 70, 235));
  red.setColorAt(1, QColor(200, 20, 30, 235));
  p.setPen(QPen(QColor(130, 10, 15), 1.1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(red);
  p.drawPath(plate);
  // Light catching the inner edges.
  p.setPen(QPen(QColor(255, 200, 200, 190), 0.9));
  p.drawLine(in(a) + QPointF(-1.5, 1.5), in(b) + QPointF(-1.5, 0));
  p.drawLine(in(a) + QPointF(-1.5, 1.5), in(c) + QPointF(0, 1.5));
  // A scale along the upright edge.
  p.setPen(QPen(QColor(90, 0, 5), 0.8));
  for (int i = 1; i * 4 < leg1 - 6; ++i) {
    const double y = a.y() - i * 4;
    p.drawLine(QPointF(a.x() + 0.5, y), QPointF(a.x() + (i % 5 == 0 ? 5.5 : 3), y));
  }
}

// A green protractor: a half disc with a scale of degrees on a straight base.
void Protractor(QPainter& p) {
  const QPointF centre(86, 47);
  const double radius = 36;
  const QRectF disc(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
  QPainterPath shape;
  shape.moveTo(centre.x() - radius, centre.y() + 4);
  shape.lineTo(centre.x() - radius, centre.y());
  shape.arcTo(disc, 180, -180);
  shape.lineTo(centre.x() + radius, centre.y() + 4);
  shape.closeSubpath();
  QRadialGradient green(centre, radius);
  green.setColorAt(0, QColor(150, 230, 160, 200));
  green.setColorAt(0.6, QColor(60, 185, 90, 220));
  green.setColorAt(1, QColor(25, 150, 60, 235));
  p.setPen(QPen(QColor(10, 90, 35), 1.1));
  p.setBrush(green);
  p.drawPath(shape);
  // The inner half disc, clearer.
  const double inner = 20;
  p.setBrush(QColor(230, 255, 235, 140));
  p.setPen(QPen(QColor(10, 110, 40), 0.8));
  p.drawChord(QRectF(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner), 0, 180 * 16);
  // Degrees: a long mark every 30, a middle one every 10, a short one every 5.
  for (int degrees = 0; degrees <= 180; degrees += 5) {
    const double length = degrees % 30 == 0 ? 8 : degrees % 10 == 0 ? 5 : 3;
    p.setPen(QPen(QColor(5, 70, 25), degrees % 10 == 0 ? 0.9 : 0.6));
    p.drawLine(Polar(centre, radius - 0.8, degrees), Polar(centre, radius - length, degrees));
  }
  p.setPen(QPen(QColor(5, 70, 25), 0.8));
  p.drawLine(QPointF(centre.x() - 3, centre.y()), QPointF(centre.x() + 3, centre.y()));
  p.drawLine(centre, centre + QPointF(0, -4));
}

// A blue pencil lying from its eraser to its point.
void Pencil(QPainter& p, QPointF back, QPointF tip) {
  p.save();
  const double length = AlongStroke(p, back, tip);
  const double h = 3.6;  // half the width
  const QColor outline(15, 30, 90);
  p.setPen(QPen(outline, 0.8));
  // Eraser and its metal band.
  p.setBrush(QColor(240, 130, 150));
  p.drawRoundedRect(QRectF(0, -h + 0.4, 7, 2 * h - 0.8), 2, 2);
  QLinearGradient metal(0, -h, 0, h);
  metal.setColorAt(0, QColor(235, 235, 240));
  metal.setColorAt(0.5, QColor(170, 170, 180));
  metal.setColorAt(1, QColor(110, 110, 120));
  p.setBrush(metal);
  p.drawRect(QRectF(6, -h, 6, 2 * h));
  p.drawLine(QPointF(8, -h), QPointF(8, h));
  p.drawLine(QPointF(10, -h), QPointF(10, h));
  // The six-sided body, seen as three faces.
  const double wood = length - 11;
  const QColor faces[] = {QColor(110, 165, 255), QColor(40, 95, 225), QColor(20, 55, 160)};
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 3; ++i) {
    p.setBrush(faces[i]);
    p.drawRect(QRectF(12, -h + i * 2 * h / 3, wood - 12, 2 * h / 3));
  }
  p.setPen(QPen(outline, 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(12, -h, wood - 12, 2 * h));
  // Sharpened wood with a wavy edge, then the lead.
  QPainterPath cone;
  cone.moveTo(wood, -h);
  cone.quadTo(wood + 1.5, -h / 3, wood, 0);
  cone.quadTo(wood + 1.5, h / 3, wood, h);
  cone.lineTo(length, 0);
  cone.closeSubpath();
  p.setBrush(QColor(240, 200, 145));
  p.drawPath(cone);
  QPainterPath lead;
  lead.moveTo(length - 4, -h * 4 / 11);
  lead.lineTo(length, 0);
  lead.lineTo(length - 4, h * 4 / 11);
  lead.closeSubpath();
  p.setBrush(QColor(45, 45, 55));
  p.drawPath(lead);
  p.restore();
}

// A yellow pen with its cap on, lying from the cap's end to its point.
void Pen(QPainter& p, QPointF back, QPointF tip) {
  p.save();
  const double length = AlongStroke(p, back, tip);
  const double h = 3.4;
  const QColor outline(130, 90, 0);
  QLinearGradient yellow(0, -h, 0, h);
  yellow.setColorAt(0, QColor(255, 245, 150));
  yellow.setColorAt(0.35, QColor(255, 215, 30));
  yellow.setColorAt(1, QColor(215, 150, 0));
  const double grip = length - 17, cone = length - 8;
  p.setPen(QPen(outline, 0.8));
  p.setBrush(yellow);
  QPainterPath body;
  body.moveTo(grip, -h);
  body.lineTo(2, -h);
  body.quadTo(-1, -h, -1, 0);
  body.quadTo(-1, h, 2, h);
  body.lineTo(grip, h);
  body.closeSubpath();
  p.drawPath(body);
  // The cap's ring and clip.
  p.drawLine(QPointF(24, -h), QPointF(24, h));
  QLinearGradient chrome(0, -h - 2, 0, -h + 1);
  chrome.setColorAt(0, QColor(250, 250, 250));
  chrome.setColorAt(1, QColor(140, 140, 150));
  p.setBrush(chrome);
  p.setPen(QPen(QColor(80, 80, 90), 0.6));
  p.drawRoundedRect(QRectF(3, -h - 1.6, 18, 2.4), 1.2, 1.2);
  // Grip, metal cone and ball.
  p.setPen(QPen(outline, 0.8));
  QLinearGradient rubber(0, -h, 0, h);
  rubber.setColorAt(0, QColor(120, 120, 120));
  rubber.setColorAt(1, QColor(30, 30, 30));
  p.setBrush(rubber);
  p.drawRect(QRectF(grip, -h + 0.5, cone - grip, 2 * h - 1));
  QPainterPath point;
  point.moveTo(cone, -h + 0.5);
  point.lineTo(length - 1.2, -0.8);
  point.lineTo(length - 1.2, 0.8);
  point.lineTo(cone, h - 0.5);
  point.closeSubpath();
  p.setBrush(chrome);
  p.setPen(QPen(QColor(80, 80, 90), 0.6));
  p.drawPath(point);
  p.setBrush(QColor(30, 30, 30));
  p.drawEllipse(QPointF(length - 0.8, 0), 0.9, 0.9);
  p.restore();
}

// ---- The rose ------------------------------------------------------------------------------

// A water drop; its shading is made of light and shadow so that it sits on any colour.
void Drop(QPainter& p, QPointF at, double radius, double stretch = 1.0) {
  const double rx = radius, ry = radius * stretch;
  p.save();
  p.setPen(Qt::NoPen);
  // Its shadow on the surface.
  p.setBrush(QColor(0, 0, 0, 55));
  p.drawEllipse(at + QPointF(rx * 0.3, ry * 0.35), rx, ry);
  // The body: darker at the top edge, bright where it gathers the light below.
  QRadialGradient body(at + QPointF(rx * 0.15, ry * 0.45), rx * 1.25);
  body.setColorAt(0, QColor(255, 255, 255, 150));
  body.setColorAt(0.45, QColor(255, 255, 255, 50));
  body.setColorAt(0.8, QColor(60, 0, 0, 40));
  body.setColorAt(1, QColor(20, 0, 0, 110));
  p.setBrush(body);
  p.drawEllipse(at, rx, ry);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 120), std::max(0.5, radius * 0.12)));
  p.drawArc(QRectF(at.x() - rx, at.y() - ry, 2 * rx, 2 * ry), 200 * 16, 140 * 16);
  // The window's reflection.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 235));
  p.drawEllipse(at + QPointF(-rx * 0.38, -ry * 0.4), rx * 0.28, ry * 0.2);
  p.restore();
}

// One rose leaflet with a toothed edge, a midrib and veins, pointing at an angle (degrees).
void Leaflet(QPainter& p, QPointF base, double degrees, double length, double width) {
  p.save();
  p.translate(base);
  p.rotate(-degrees);
  const int teeth = 11;
  std::vector<QPointF> upper, lower;
  auto halfWidth = [&](double t) { return width / 2 * std::sin(kPi * std::pow(t, 0.7)); };
  for (int i = 0; i <= teeth * 2; ++i) {
    const double t = static_cast<double>(i) / (teeth * 2);
    // Odd points are tooth tips, set a little further out and forward.
    const double out = i % 2 == 1 && t > 0.1 && t < 0.95 ? 1.12 : 1.0;
    const double x = length * std::min(1.0, t + (i % 2 == 1 ? 0.012 : 0.0));
    upper.emplace_back(x, -halfWidth(t) * out);
    lower.emplace_back(x, halfWidth(t) * out);
  }
  QPainterPath top, bottom;
  top.moveTo(0, 0);
  for (const QPointF& point : upper) top.lineTo(point);
  top.closeSubpath();
  bottom.moveTo(0, 0);
  for (const QPointF& point : lower) bottom.lineTo(point);
  bottom.closeSubpath();
  QLinearGradient light(0, -width / 2, 0, 0), shade(0, 0, 0, width / 2);
  light.setColorAt(0, QColor(110, 175, 70));
  light.setColorAt(1, QColor(60, 135, 45));
  shade.setColorAt(0, QColor(30, 95, 35));
  shade.setColorAt(1, QColor(45, 115, 40));
  p.setPen(Qt::NoPen);
  p.setBrush(light);
  p.drawPath(top);
  p.setBrush(shade);
  p.drawPath(bottom);
  // Veins.
  p.setPen(QPen(QColor(170, 215, 130, 150), std::max(0.6, width * 0.025)));
  for (int i = 1; i <= 5; ++i) {
    const double t = i / 6.5;
    const double reach = t + 0.16;
    p.drawLine(QPointF(length * t, 0), QPointF(length * reach, -halfWidth(reach) * 0.8));
    p.drawLine(QPointF(length * t, 0), QPointF(length * reach, halfWidth(reach) * 0.8));
  }
  p.setPen(QPen(QColor(190, 230, 150), std::max(0.8, width * 0.045), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(0, 0), QPointF(length * 0.96, 0));
  // The outline, darker.
  const QPainterPath whole = top.united(bottom);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(25, 75, 25), 0.8));
  p.drawPath(whole);
  p.restore();
}

// A leaf: a stalk with a pair of leaflets and one at its end.
void Leaf(QPainter& p, QPointF from, double degrees, double stalk, double size) {
  const QPointF end = Polar(from, stalk, degrees);
  const QPointF middle = Polar(from, stalk * 0.45, degrees);
  p.setPen(QPen(QColor(55, 110, 40), 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, end);
  Leaflet(p, middle, degrees + 58, size * 0.62, size * 0.36);
  Leaflet(p, middle, degrees - 58, size * 0.62, size * 0.36);
  Leaflet(p, end, degrees, size, size * 0.52);
}

// The rolled-back edge of a petal along a curve: a light band, widest in its middle and
// tapering to its ends, with a shadow under it.
void Rim(QPainter& p, const QPainterPath& edge, double width) {
  const int steps = 40;
  QPolygonF band;
  std::vector<QPointF> lower;
  for (int i = 0; i <= steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    const QPointF at = edge.pointAtPercent(t);
    const double w = width * std::pow(std::sin(kPi * t), 0.6);
    band << at;
    lower.push_back(at + QPointF(0, w));
  }
  QPolygonF shadow = band;
  for (auto it = lower.rbegin(); it != lower.rend(); ++it) {
    band << *it;
    shadow << *it + QPointF(0.4, 1.6);
  }
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(80, 0, 15, 110));
  p.drawPolygon(shadow);
  const QRectF box = band.boundingRect();
  QLinearGradient light(0, box.top(), 0, box.bottom());
  light.setColorAt(0, QColor(255, 175, 175));
  light.setColorAt(1, QColor(235, 80, 90));
  p.setBrush(light);
  p.drawPolygon(band);
  p.restore();
}

void Rim(QPainter& p, const std::vector<QPointF>& edge, double width) {
  Rim(p, SmoothOpen(edge), width);
}

// Part of an ellipse, from one angle to another (degrees, y down, 90 at the bottom).
QPainterPath EllipseArc(QPointF centre, double rx, double ry, double from, double to) {
  std::vector<QPointF> points;
  for (int i = 0; i <= 12; ++i) {
    const double a = (from + (to - from) * i / 12.0) * kPi / 180;
    points.emplace_back(centre.x() + rx * std::cos(a), centre.y() + ry * std::sin(a));
  }
  return SmoothOpen(points);
}

void Stem(QPainter& p) {
  const QPainterPath stem = SmoothOpen({{183, 136}, {181, 170}, {187, 205}, {180, 250}});
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(35, 90, 30), 6.5, Qt::SolidLine, Qt::FlatCap));
  p.drawPath(stem);
  p.setPen(QPen(QColor(80, 150, 55), 3.5, Qt::SolidLine, Qt::FlatCap));
  p.drawPath(stem);
  p.setPen(QPen(QColor(150, 205, 110, 180), 1.0, Qt::SolidLine, Qt::FlatCap));
  p.drawPath(stem.translated(-1.2, 0));
  // Thorns.
  auto thorn = [&](QPointF at, double side) {
    QPainterPath path;
    path.moveTo(at + QPointF(0, -4));
    path.quadTo(at + QPointF(side * 4, -1), at + QPointF(side * 8, -4));
    path.quadTo(at + QPointF(side * 4, 2), at + QPointF(0, 4));
    path.closeSubpath();
    p.setPen(QPen(QColor(70, 40, 20), 0.7));
    p.setBrush(QColor(150, 100, 50));
    p.drawPath(path);
  };
  thorn({184, 172}, 1);
  thorn({185, 224}, -1);
}

void Sepals(QPainter& p) {
  const QColor green(60, 130, 45), dark(30, 85, 30);
  auto sepal = [&](std::vector<QPointF> points) {
    QLinearGradient shade(points.front(), points[points.size() / 2]);
    shade.setColorAt(0, dark);
    shade.setColorAt(1, green);
    p.setPen(QPen(QColor(25, 70, 25), 0.8));
    p.setBrush(shade);
    p.drawPath(SmoothClosed(points));
  };
  sepal({{176, 134}, {160, 140}, {138, 150}, {158, 143}, {180, 140}});
  sepal({{190, 134}, {208, 141}, {232, 146}, {210, 146}, {186, 141}});
  sepal({{180, 138}, {175, 150}, {172, 163}, {182, 150}, {188, 139}});
  // The round hip under the flower.
  QRadialGradient hip(QPointF(180, 137), 9);
  hip.setColorAt(0, QColor(110, 170, 70));
  hip.setColorAt(1, dark);
  p.setBrush(hip);
  p.drawEllipse(QPointF(183, 139), 8, 6);
}

// One petal of the bloom: its outline, the rolled edge along its top, and its colours from the
// lit rim down to the shaded base.
struct PetalShape {
  std::vector<QPointF> outline;
  std::vector<QPointF> rim;
  QColor light, dark;
};

void DrawPetal(QPainter& p, const PetalShape& petal, QPainterPath& beneath) {
  double top = petal.outline.front().y(), bottom = top, left = petal.outline.front().x(),
         right = left;
  for (const QPointF& point : petal.outline) {
    top = std::min(top, point.y());
    bottom = std::max(bottom, point.y());
    left = std::min(left, point.x());
    right = std::max(right, point.x());
  }
  const QPainterPath path = SmoothClosed(petal.outline);
  // The shadow it casts on the petals behind.
  p.save();
  p.setClipPath(beneath);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 0, 10, 70));
  p.drawPath(path.translated(1.5, 2.5));
  p.restore();
  beneath = beneath.united(path);
  QLinearGradient shade(0, top, 0, bottom);
  shade.setColorAt(0, petal.light);
  shade.setColorAt(0.5, Mix(petal.light, petal.dark, 0.55));
  shade.setColorAt(1, petal.dark);
  p.setPen(QPen(QColor(90, 0, 15, 210), 0.9));
  p.setBrush(shade);
  p.drawPath(path);
  // The curve of the petal: darker on the side away from the light (the right).
  p.save();
  p.setClipPath(path);
  QLinearGradient turn(left, 0, right, 0);
  turn.setColorAt(0, QColor(255, 120, 120, 40));
  turn.setColorAt(0.45, QColor(255, 120, 120, 0));
  turn.setColorAt(0.75, QColor(60, 0, 10, 0));
  turn.setColorAt(1, QColor(60, 0, 10, 90));
  p.fillRect(QRectF(left, top, right - left, bottom - top), turn);
  p.restore();
  if (petal.rim.size() >= 2) Rim(p, petal.rim, 3.2);
}

// The heart of the bloom seen from above: a deep opening and the rolled edges of the petals
// wrapped tightly inside it.
void Heart(QPainter& p, QPointF centre, double rx, double ry) {
  QRadialGradient deep(centre, rx);
  deep.setColorAt(0, QColor(95, 0, 18));
  deep.setColorAt(0.7, QColor(150, 5, 30));
  deep.setColorAt(1, QColor(200, 30, 50));
  p.setPen(Qt::NoPen);
  p.setBrush(deep);
  p.drawEllipse(centre, rx, ry);
  const QPointF c = centre;
  Rim(p, EllipseArc(c + QPointF(2, 1), rx * 0.85, ry * 0.8, 150, 385), 2.8);
  Rim(p, EllipseArc(c + QPointF(-3, 1), rx * 0.62, ry * 0.7, -35, 200), 2.6);
  Rim(p, EllipseArc(c + QPointF(3, -1), rx * 0.42, ry * 0.55, 120, 330), 2.2);
  Rim(p, EllipseArc(c + QPointF(-1, 0), rx * 0.22, ry * 0.35, -40, 170), 1.6);
}

void Bloom(QPainter& p) {
  const QColor inner(225, 45, 62), innerDark(135, 0, 25);
  const QColor outer(232, 52, 66), outerDark(120, 0, 24);
  const QColor front(240, 66, 78), frontDark(128, 0, 26);
  const PetalShape back[] = {
      {{{182, 100},
        {140, 82},
        {116, 52},
        {114, 28},
        {128, 16},
        {150, 12},
        {172, 18},
        {188, 32},
        {192, 62}},
       {{115, 31}, {128, 16}, {150, 12}, {172, 18}, {187, 30}},
       inner,
       innerDark},
      {{{190, 100},
        {232, 82},
        {256, 52},
        {258, 27},
        {244, 14},
        {222, 10},
        {200, 16},
        {184, 32},
        {180, 62}},
       {{257, 30}, {244, 14}, {222, 10}, {200, 16}, {185, 30}},
       inner,
       innerDark},
      {{{168, 44}, {171, 18}, {186, 6}, {201, 18}, {204, 44}, {186, 52}},
       {{171, 19}, {186, 7}, {201, 19}},
       inner,
       innerDark},
  };
  const PetalShape sides[] = {
      {{{185, 128},
        {140, 112},
        {117, 84},
        {111, 58},
        {115, 44},
        {132, 40},
        {152, 47},
        {168, 60},
        {180, 80},
        {187, 104}},
       {{113, 48}, {121, 41}, {136, 40}, {153, 48}, {167, 59}},
       outer,
       outerDark},
      {{{185, 128},
        {230, 112},
        {253, 84},
        {259, 58},
        {255, 44},
        {238, 40},
        {218, 47},
        {202, 60},
        {190, 80},
        {183, 104}},
       {{257, 48}, {249, 41}, {234, 40}, {217, 48}, {203, 59}},
       outer,
       outerDark},
  };
  const PetalShape fronts[] = {
      {{{180, 142},
        {146, 134},
        {125, 112},
        {121, 88},
        {131, 72},
        {150, 64},
        {171, 67},
        {190, 78},
        {199, 96},
        {195, 120}},
       {{123, 80}, {132, 71}, {150, 64}, {171, 67}, {188, 76}},
       front,
       frontDark},
      {{{190, 142},
        {224, 134},
        {245, 112},
        {249, 88},
        {239, 72},
        {220, 64},
        {199, 67},
        {180, 78},
        {171, 96},
        {175, 120}},
       {{247, 80}, {238, 71}, {220, 64}, {199, 67}, {182, 76}},
       front,
       frontDark},
      {{{185, 150},
        {160, 142},
        {146, 122},
        {147, 100},
        {162, 88},
        {185, 81},
        {208, 88},
        {223, 100},
        {224, 122},
        {210, 142}},
       {{149, 98}, {162, 88}, {185, 81}, {208, 88}, {222, 98}},
       front,
       frontDark},
  };
  p.save();
  // The flower leans a little towards the light.
  p.translate(185, 140);
  p.rotate(-5);
  p.translate(-185, -140);
  QPainterPath beneath;
  for (const PetalShape& petal : back) DrawPetal(p, petal, beneath);
  Heart(p, QPointF(186, 44), 40, 15);
  for (const PetalShape& petal : sides) DrawPetal(p, petal, beneath);
  for (const PetalShape& petal : fronts) DrawPetal(p, petal, beneath);
  p.restore();
}

}  // namespace

void PaintInstruments(QPainter& p) {
  SetSquare(p);
  Protractor(p);
  Pencil(p, QPointF(56, 70), QPointF(121, 55));
  Pen(p, QPointF(36, 86), QPointF(121, 74));
}

void PaintRose(QPainter& p) {
  Leaf(p, QPointF(182, 190), 165, 44, 58);
  Leaf(p, QPointF(186, 168), 18, 46, 62);
  Leaf(p, QPointF(184, 226), 200, 30, 40);
  Stem(p);
  Sepals(p);
  Bloom(p);
  const struct {
    QPointF at;
    double radius, stretch;
  } drops[] = {{{146, 104}, 4.2, 1.2}, {{214, 112}, 3.4, 1.0}, {{170, 120}, 2.6, 1.1},
               {{227, 56}, 3.8, 1.0},  {{140, 42}, 3.0, 1.0},  {{196, 26}, 2.4, 1.0},
               {{104, 166}, 3.6, 1.0}, {{262, 148}, 4.0, 1.1}, {{238, 160}, 2.6, 1.0},
               {{126, 178}, 2.4, 1.0}};
  for (const auto& drop : drops) Drop(p, drop.at, drop.radius, drop.stretch);
}

}  // namespace artwork
