// The two dark backdrops: the splash window's glowing scene and the about window's starfield.
#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>
#include <vector>

#include "Painting.h"
#include "Pictures.h"

namespace artwork {
namespace {

// ---- The splash backdrop -------------------------------------------------------------------

const QColor kLightBlue(150, 210, 255);
const QColor kPaleBlue(200, 235, 255);

// What a floating panel shows.
enum class PanelContent { Wave, Bars, Parabola, Geometry, Lines };

struct Panel {
  QPolygonF corners;  // top left, top right, bottom right, bottom left, in the picture
  QSizeF size;        // the panel's own coordinates
  PanelContent content;
  double strength;  // 0..1, how bright the panel is
};

// Axes and a faint grid across a panel's plot area.
void PlotGrid(QPainter& p, const QRectF& area, double strength) {
  p.setPen(QPen(WithAlpha(kLightBlue, static_cast<int>(40 * strength)), 0.6));
  for (double x = area.left(); x <= area.right() + 0.1; x += area.width() / 8)
    p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
  for (double y = area.top(); y <= area.bottom() + 0.1; y += area.height() / 4)
    p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
  p.setPen(QPen(WithAlpha(kPaleBlue, static_cast<int>(150 * strength)), 1.0));
  p.drawLine(QPointF(area.left(), area.center().y()), QPointF(area.right(), area.center().y()));
  p.drawLine(QPointF(area.left() + area.width() / 8, area.top()),
             QPointF(area.left() + area.width() / 8, area.bottom()));
}

// A bright curve with a soft halo around it.
void GlowingCurve(QPainter& p, const QPainterPath& curve, double strength) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(WithAlpha(QColor(90, 190, 255), static_cast<int>(60 * strength)), 6, Qt::SolidLine,
                Qt::RoundCap));
  p.drawPath(curve);
  p.setPen(QPen(WithAlpha(QColor(120, 210, 255), static_cast<int>(110 * strength)), 3,
                Qt::SolidLine, Qt::RoundCap));
  p.drawPath(curve);
  p.setPen(QPen(WithAlpha(QColor(230, 248, 255), static_cast<int>(255 * strength)), 1.3,
                Qt::SolidLine, Qt::RoundCap));
  p.drawPath(curve);
}

void PanelBody(QPainter& p, const Panel& panel) {
  const QRectF r(QPointF(0, 0), panel.size);
  const double s = panel.strength;
  QLinearGradient fill(r.topLeft(), r.bottomRight());
  fill.setColorAt(0, QColor(130, 200, 255, static_cast<int>(75 * s)));
  fill.setColorAt(0.5, QColor(80, 150, 240, static_cast<int>(40 * s)));
  fill.setColorAt(1, QColor(60, 120, 230, static_cast<int>(22 * s)));
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRoundedRect(r, 6, 6);
  // A brighter title strip with three small lights.
  p.setBrush(QColor(160, 220, 255, static_cast<int>(50 * s)));
  p.drawRoundedRect(QRectF(0, 0, r.width(), 14), 6, 6);
  for (int i = 0; i < 3; ++i) {
    p.setBrush(QColor(200, 240, 255, static_cast<int>((150 - i * 40) * s)));
    p.drawEllipse(QPointF(r.width() - 10 - i * 9, 7), 2.2, 2.2);
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(170, 225, 255, static_cast<int>(170 * s)), 1.1));
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
  // Bright corner brackets.
  p.setPen(QPen(QColor(225, 245, 255, static_cast<int>(230 * s)), 2, Qt::SolidLine, Qt::SquareCap));
  const double k = 12;
  p.drawPolyline(QPolygonF({{0, k}, {0, 0}, {k, 0}}));
  p.drawPolyline(QPolygonF(
      {{r.width() - k, r.height()}, {r.width(), r.height()}, {r.width(), r.height() - k}}));
}

void PanelContents(QPainter& p, const Panel& panel) {
  const double s = panel.strength;
  const QRectF area(10, 22, panel.size.width() - 20, panel.size.height() - 32);
  switch (panel.content) {
    case PanelContent::Wave: {
      PlotGrid(p, area, s);
      QPainterPath wave;
      for (int i = 0; i <= 120; ++i) {
        const double t = i / 120.0;
        const double x = area.left() + area.width() / 8 + t * area.width() * 7 / 8;
        const double y =
            area.center().y() - std::sin(t * 4 * kPi) * area.height() * 0.38 * (1 - 0.35 * t);
        if (i == 0)
          wave.moveTo(x, y);
        else
          wave.lineTo(x, y);
      }
      GlowingCurve(p, wave, s);
      break;
    }
    case PanelContent::Parabola: {
      PlotGrid(p, area, s);
      QPainterPath curve;
      for (int i = 0; i <= 80; ++i) {
        const double u = -1 + 2 * i / 80.0;
        const QPointF point(area.center().x() + u * area.width() * 0.42,
                            area.bottom() - 4 - (1 - u * u) * (area.height() - 10));
        if (i == 0)
          curve.moveTo(point);
        else
          curve.lineTo(point);
      }
      GlowingCurve(p, curve, s);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(240, 250, 255, static_cast<int>(230 * s)));
      p.drawEllipse(QPointF(area.center().x(), area.top() + 6), 2.6, 2.6);
      break;
    }
    case PanelContent::Bars: {
      const double heights[] = {0.35, 0.55, 0.45, 0.75, 0.62, 0.9, 0.7};
      const int count = 7;
      const double step = area.width() / count;
      for (int i = 0; i < count; ++i) {
        const QRectF bar(area.left() + i * step + step * 0.18, area.bottom(), step * 0.64,
                         -area.height() * heights[i]);
        QLinearGradient fill(bar.bottomLeft(), bar.topLeft());
        fill.setColorAt(0, QColor(60, 140, 240, static_cast<int>(70 * s)));
        fill.setColorAt(1, QColor(170, 230, 255, static_cast<int>(200 * s)));
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRect(bar.normalized());
      }
      p.setPen(QPen(QColor(210, 240, 255, static_cast<int>(160 * s)), 1));
      p.drawLine(area.bottomLeft(), area.bottomRight());
      break;
    }
    case PanelContent::Geometry: {
      const QPointF centre = area.center();
      const double radius = std::min(area.width(), area.height()) * 0.46;
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(QColor(170, 225, 255, static_cast<int>(150 * s)), 1));
      p.drawEllipse(centre, radius, radius);
      QPainterPath triangle;
      triangle.moveTo(Polar(centre, radius, 90));
      triangle.lineTo(Polar(centre, radius, 210));
      triangle.lineTo(Polar(centre, radius, 330));
      triangle.closeSubpath();
      GlowingCurve(p, triangle, s * 0.9);
      p.setPen(QPen(QColor(200, 240, 255, static_cast<int>(140 * s)), 0.8, Qt::DashLine));
      p.drawLine(centre, Polar(centre, radius, 30));
      break;
    }
    case PanelContent::Lines: {
      p.setPen(Qt::NoPen);
      Random random(7);
      for (double y = area.top() + 2; y < area.bottom() - 3; y += 9) {
        const double length = area.width() * random.uniform(0.45, 0.95);
        p.setBrush(QColor(190, 235, 255, static_cast<int>(random.uniform(60, 120) * s)));
        p.drawRoundedRect(QRectF(area.left(), y, length, 3.2), 1.6, 1.6);
      }
      break;
    }
  }
}

void DrawPanel(QPainter& p, const Panel& panel) {
  QTransform toPicture;
  const QRectF own(QPointF(0, 0), panel.size);
  if (!QTransform::quadToQuad(QPolygonF(own).mid(0, 4), panel.corners, toPicture)) return;
  // A halo behind the panel, in picture coordinates.
  const QPointF middle = (panel.corners[0] + panel.corners[2]) / 2;
  EllipseGlow(p, middle, panel.size.width() * 0.75, panel.size.height() * 0.75,
              QColor(40, 120, 255, static_cast<int>(45 * panel.strength)));
  p.save();
  p.setTransform(toPicture, true);
  PanelBody(p, panel);
  PanelContents(p, panel);
  p.restore();
}

// A floor of light lines running to a vanishing point on the horizon, fading to the left.
void Floor(QPainter& p, QPointF vanishing, double bottom) {
  QLinearGradient fade(0, 0, 800, 0);
  fade.setColorAt(0.0, QColor(80, 160, 255, 0));
  fade.setColorAt(0.45, QColor(80, 160, 255, 14));
  fade.setColorAt(0.8, QColor(100, 180, 255, 60));
  fade.setColorAt(1.0, QColor(100, 180, 255, 45));
  p.setPen(QPen(QBrush(fade), 1));
  for (int i = -14; i <= 14; ++i) {
    const double x = vanishing.x() + i * 70.0;
    p.drawLine(vanishing, QPointF(x, bottom));
  }
  for (int i = 1; i <= 7; ++i) {
    const double t = i / 7.0;
    const double y = vanishing.y() + (bottom - vanishing.y()) * t * t;
    p.drawLine(QPointF(0, y), QPointF(800, y));
  }
}

// A ring of marks around the glow, like the scale of a protractor.
void Rings(QPainter& p, QPointF centre) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(120, 200, 255, 60), 1));
  p.drawEllipse(centre, 190, 190);
  p.setPen(QPen(QColor(120, 200, 255, 36), 1, Qt::DashLine));
  p.drawEllipse(centre, 240, 240);
  for (int degrees = 0; degrees < 360; degrees += 5) {
    const double inner = degrees % 30 == 0 ? 196 : 200;
    const int alpha = degrees % 30 == 0 ? 130 : 70;
    p.setPen(QPen(QColor(150, 215, 255, alpha), degrees % 30 == 0 ? 1.4 : 0.9));
    p.drawLine(Polar(centre, inner, degrees), Polar(centre, 206, degrees));
  }
  // Bright arcs sweeping part of the way round.
  const QRectF arc(centre.x() - 222, centre.y() - 222, 444, 444);
  for (int pass = 0; pass < 3; ++pass) {
    const int alpha[] = {40, 90, 220};
    const double width[] = {9, 4.5, 1.6};
    p.setPen(QPen(QColor(110, 200, 255, alpha[pass]), width[pass], Qt::SolidLine, Qt::FlatCap));
    p.drawArc(arc, -70 * 16, 95 * 16);
    p.drawArc(arc, 120 * 16, 30 * 16);
  }
  p.setPen(QPen(QColor(180, 230, 255, 110), 2, Qt::SolidLine, Qt::FlatCap));
  p.drawArc(QRectF(centre.x() - 170, centre.y() - 170, 340, 340), 200 * 16, 60 * 16);
}

// Thin traces of light with right-angled bends, ending in small nodes, fading to the left.
void Traces(QPainter& p, Random& random) {
  for (int i = 0; i < 14; ++i) {
    double y = random.uniform(40, 560);
    double x = 800;
    const double end = random.uniform(280, 560);
    QPainterPath path;
    path.moveTo(x, y);
    while (x > end) {
      x -= random.uniform(40, 110);
      path.lineTo(x, y);
      if (random.chance(0.5)) {
        const double step = random.uniform(14, 36) * (random.chance(0.5) ? 1 : -1);
        x -= std::abs(step);
        y += step;
        path.lineTo(x, y);
      }
    }
    QLinearGradient fade(end, 0, 800, 0);
    fade.setColorAt(0, QColor(120, 200, 255, 0));
    fade.setColorAt(0.5, QColor(120, 200, 255, 70));
    fade.setColorAt(1, QColor(150, 220, 255, 110));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(fade), 1));
    p.drawPath(path);
    const QPointF node = path.currentPosition();
    p.setPen(QPen(QColor(150, 220, 255, 60), 1));
    p.drawEllipse(node, 2.5, 2.5);
  }
}

// Sparks of light, thicker towards the right.
void Sparks(QPainter& p, Random& random) {
  for (int i = 0; i < 170; ++i) {
    const double u = random.uniform(0, 1);
    const QPointF at(800 - 620 * u * u, random.uniform(0, 600));
    const double size = random.uniform(0.6, 2.2);
    const int alpha = static_cast<int>(random.uniform(80, 220) * (1 - 0.8 * u * u));
    Glow(p, at, size * 3.2, QColor(170, 225, 255, alpha));
  }
  // A few large, faint out-of-focus discs.
  for (int i = 0; i < 9; ++i) {
    const QPointF at(random.uniform(520, 800), random.uniform(40, 560));
    const double radius = random.uniform(10, 28);
    p.setPen(QPen(QColor(140, 210, 255, 40), 1));
    p.setBrush(QColor(90, 170, 255, 18));
    p.drawEllipse(at, radius, radius);
  }
}

// ---- The starfield -------------------------------------------------------------------------

// One streak: a line from r0 to r1 out from the centre, faint at its inner end.
void Streak(QPainter& p, QPointF centre, double degrees, double r0, double r1, double width,
            const QColor& colour) {
  const QPointF from = Polar(centre, r0, degrees);
  const QPointF to = Polar(centre, r1, degrees);
  GradientLine(p, from, to, WithAlpha(colour, 0), colour, width);
}

}  // namespace

void PaintSplash(QPainter& p) {
  const QRectF frame(QPointF(0, 0), QSizeF(kSplashSize));
  QLinearGradient ground(0, 0, 800, 600);
  ground.setColorAt(0.0, QColor(1, 4, 18));
  ground.setColorAt(0.4, QColor(3, 12, 42));
  ground.setColorAt(0.75, QColor(6, 24, 74));
  ground.setColorAt(1.0, QColor(5, 20, 64));
  p.fillRect(frame, ground);

  const QPointF heart(640, 300);
  p.setCompositionMode(QPainter::CompositionMode_Plus);
  Glow(p, heart, 470, QColor(20, 70, 180, 150));
  Glow(p, heart, 230, QColor(40, 120, 240, 110));
  EllipseGlow(p, QPointF(620, 440), 420, 60, QColor(40, 130, 255, 120));
  Floor(p, QPointF(620, 440), 600);
  GradientLine(p, QPointF(260, 440), QPointF(620, 440), QColor(120, 210, 255, 0),
               QColor(170, 230, 255, 200), 1.2, Qt::FlatCap);
  GradientLine(p, QPointF(620, 440), QPointF(800, 440), QColor(170, 230, 255, 200),
               QColor(120, 210, 255, 90), 1.2, Qt::FlatCap);

  Random random(2024);
  Traces(p, random);
  Rings(p, heart);
  // Long thin streaks of light crossing the scene.
  GradientLine(p, QPointF(300, 600), QPointF(800, 170), QColor(120, 200, 255, 0),
               QColor(170, 230, 255, 120), 1.2);
  GradientLine(p, QPointF(420, 600), QPointF(800, 300), QColor(120, 200, 255, 0),
               QColor(170, 230, 255, 70), 0.8);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);

  const Panel panels[] = {
      {QPolygonF({{585, 70}, {760, 42}, {766, 170}, {590, 182}}),
       {180, 120},
       PanelContent::Parabola,
       0.8},
      {QPolygonF({{500, 212}, {690, 180}, {696, 350}, {506, 360}}),
       {200, 150},
       PanelContent::Wave,
       1.0},
      {QPolygonF({{652, 300}, {790, 282}, {794, 420}, {656, 428}}),
       {150, 130},
       PanelContent::Bars,
       0.85},
      {QPolygonF({{440, 372}, {560, 360}, {563, 448}, {443, 454}}),
       {120, 90},
       PanelContent::Geometry,
       0.55},
      {QPolygonF({{700, 455}, {795, 446}, {797, 520}, {702, 525}}),
       {100, 80},
       PanelContent::Lines,
       0.5},
  };
  for (const Panel& panel : panels) DrawPanel(p, panel);

  p.setCompositionMode(QPainter::CompositionMode_Plus);
  Sparks(p, random);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);

  // Keep the captions' side dark.
  QLinearGradient veil(0, 0, 560, 0);
  veil.setColorAt(0, QColor(1, 4, 18, 150));
  veil.setColorAt(0.6, QColor(1, 4, 18, 60));
  veil.setColorAt(1, QColor(1, 4, 18, 0));
  p.fillRect(frame, veil);
}

void PaintStarfield(QPainter& p) {
  const QRectF frame(QPointF(0, 0), QSizeF(kStarfieldSize));
  p.fillRect(frame, Qt::black);
  const QPointF centre(320, 240);
  const double reach = std::hypot(320.0, 240.0);
  p.setCompositionMode(QPainter::CompositionMode_Plus);
  Glow(p, centre, 260, QColor(20, 50, 140, 120));

  Random random(1977);
  // Distant stars not yet stretched.
  for (int i = 0; i < 260; ++i) {
    const QPointF at(random.uniform(0, 640), random.uniform(0, 480));
    Glow(p, at, random.uniform(0.8, 2.0), QColor(190, 215, 255, random.below(150) + 60));
  }
  // Streaks: the further out, the longer, brighter and thicker.
  for (int i = 0; i < 900; ++i) {
    const double degrees = random.uniform(0, 360);
    const double u = random.uniform(0, 1);
    const double r0 = 8 + std::pow(u, 1.3) * reach;
    const double length = (0.12 + 0.55 * r0 / reach) * r0 * random.uniform(0.4, 1.2);
    const double width = 0.5 + 2.0 * r0 / reach * random.uniform(0.5, 1.0);
    const double white = random.uniform(0, 1);
    const QColor colour = Mix(QColor(90, 140, 255), QColor(235, 245, 255), white);
    const int alpha = static_cast<int>(random.uniform(120, 255) * std::min(1.0, 0.3 + r0 / 200));
    if (width > 1.6)  // a soft halo around the heavier streaks
      Streak(p, centre, degrees, r0, r0 + length, width * 3.5,
             WithAlpha(QColor(60, 110, 255), alpha / 4));
    Streak(p, centre, degrees, r0, r0 + length, width, WithAlpha(colour, alpha));
  }
  Glow(p, centre, 70, QColor(120, 170, 255, 110));
  Glow(p, centre, 18, QColor(230, 240, 255, 170));
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

}  // namespace artwork
