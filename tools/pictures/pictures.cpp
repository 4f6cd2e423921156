// Paints Numora's pictures with QPainter and writes them, each at its size and at twice its size
// for dense screens ("name@2x.ext", which Qt picks up by itself). Everything is drawn in the
// picture's own pixel coordinates and scaled, so both renderings match. Random details come from
// fixed seeds: running it again writes the same pictures.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <functional>
#include <random>

namespace {

using Painting = std::function<void(QPainter&)>;

QImage Render(int width, int height, int scale, bool transparent, const QColor& ground,
              const Painting& paint) {
  QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(transparent ? QColor(Qt::transparent) : ground);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(scale, scale);
  paint(painter);
  return image;
}

bool Save(const QImage& image, const QString& path, const char* format) {
  QImageWriter writer(path, format);
  if (QByteArray(format) == "jpg") writer.setQuality(90);
  QImage out = image;
  if (QByteArray(format) == "bmp") out = image.convertToFormat(QImage::Format_RGB888);
  if (!writer.write(out)) {
    std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                 qPrintable(writer.errorString()));
    return false;
  }
  return true;
}

// Writes name.ext and name@2x.ext.
bool Picture(const QDir& dir, const QString& name, const char* format, int width, int height,
             bool transparent, const QColor& ground, const Painting& paint) {
  bool ok = true;
  for (int scale : {1, 2}) {
    const QString file = name + (scale == 2 ? "@2x." : ".") + format;
    ok &=
        Save(Render(width, height, scale, transparent, ground, paint), dir.filePath(file), format);
  }
  return ok;
}

void Glow(QPainter& p, QPointF centre, qreal radius, QColor colour) {
  QRadialGradient gradient(centre, radius);
  gradient.setColorAt(0, colour);
  colour.setAlpha(0);
  gradient.setColorAt(1, colour);
  p.setPen(Qt::NoPen);
  p.setBrush(gradient);
  p.drawEllipse(centre, radius, radius);
}

// A dark-blue, glowing backdrop with light-blue panels; the left half stays dark for the text.
void Splash(QPainter& p) {
  QLinearGradient sky(0, 0, 800, 600);
  sky.setColorAt(0, QColor(4, 10, 38));
  sky.setColorAt(0.6, QColor(8, 28, 84));
  sky.setColorAt(1, QColor(3, 12, 46));
  p.fillRect(QRectF(0, 0, 800, 600), sky);
  Glow(p, {610, 250}, 330, QColor(40, 110, 230, 150));
  Glow(p, {700, 120}, 140, QColor(120, 200, 255, 120));
  Glow(p, {120, 560}, 220, QColor(20, 70, 180, 90));

  // A perspective grid fading towards the horizon.
  for (int i = 0; i <= 24; ++i) {
    const qreal x = -400 + i * 66.0;
    p.setPen(QPen(QColor(90, 170, 255, 40), 1));
    p.drawLine(QPointF(400, 380), QPointF(x, 600));
  }
  for (int i = 0; i < 9; ++i) {
    const qreal y = 380 + std::pow(i / 8.0, 2.0) * 220;
    p.setPen(QPen(QColor(90, 170, 255, 30 + i * 5), 1));
    p.drawLine(QPointF(0, y), QPointF(800, y));
  }

  // Translucent panels, tilted, with bright edges.
  struct Panel {
    QRectF rect;
    qreal angle;
    int alpha;
  };
  const Panel panels[] = {{{480, 90, 250, 150}, -12, 70},
                          {{540, 260, 210, 120}, -12, 55},
                          {{430, 330, 160, 90}, -12, 45},
                          {{650, 400, 120, 140}, -12, 40},
                          {{360, 150, 110, 70}, -12, 35}};
  for (const Panel& panel : panels) {
    p.save();
    p.translate(panel.rect.center());
    p.rotate(panel.angle);
    const QRectF r(-panel.rect.width() / 2, -panel.rect.height() / 2, panel.rect.width(),
                   panel.rect.height());
    QLinearGradient fill(r.topLeft(), r.bottomRight());
    fill.setColorAt(0, QColor(150, 210, 255, panel.alpha + 30));
    fill.setColorAt(1, QColor(60, 130, 230, panel.alpha / 2));
    p.setBrush(fill);
    p.setPen(QPen(QColor(170, 225, 255, 160), 1.2));
    p.drawRoundedRect(r, 6, 6);
    p.setPen(QPen(QColor(200, 240, 255, 90), 1));
    for (qreal y = r.top() + 14; y < r.bottom() - 8; y += 12)
      p.drawLine(QPointF(r.left() + 12, y), QPointF(r.left() + 12 + (r.width() - 24) * 0.7, y));
    p.restore();
  }

  // Sparks.
  std::mt19937 random(1234);
  std::uniform_real_distribution<qreal> x(300, 800), y(0, 600), size(0.6, 2.4);
  for (int i = 0; i < 140; ++i) {
    const QPointF at(x(random), y(random));
    Glow(p, at, size(random) * 3, QColor(180, 230, 255, 160));
  }
  // A bright arc sweeping across the right side.
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 6; ++i) {
    p.setPen(QPen(QColor(120, 210, 255, 140 - i * 20), 2.5 + i * 2.0));
    p.drawArc(QRectF(330, -120, 700, 700), 200 * 16, 70 * 16);
  }
}

// A red set square, a green protractor, a yellow pen and a blue pencil on white.
void Instruments(QPainter& p) {
  // Set square with its cut-out.
  QPainterPath square;
  square.moveTo(8, 84);
  square.lineTo(8, 10);
  square.lineTo(70, 84);
  square.closeSubpath();
  QPainterPath hole;
  hole.moveTo(18, 74);
  hole.lineTo(18, 38);
  hole.lineTo(48, 74);
  hole.closeSubpath();
  p.setPen(QPen(QColor(140, 10, 10), 1.2));
  p.setBrush(QColor(225, 30, 30));
  p.drawPath(square.subtracted(hole));
  p.setPen(QPen(QColor(255, 255, 255, 200), 0.8));
  for (int i = 0; i < 7; ++i) p.drawLine(QPointF(8, 78 - i * 9), QPointF(12, 78 - i * 9));

  // Protractor: a half disc with ticks.
  const QRectF disc(50, 18, 70, 70);
  p.setPen(QPen(QColor(10, 100, 30), 1.2));
  p.setBrush(QColor(40, 170, 70, 220));
  p.drawPie(disc, 0, 180 * 16);
  p.setBrush(Qt::white);
  p.drawPie(disc.adjusted(22, 22, -22, -22), 0, 180 * 16);
  p.setPen(QPen(QColor(230, 255, 230), 0.8));
  const QPointF centre = disc.center();
  for (int degrees = 0; degrees <= 180; degrees += 10) {
    const qreal a = degrees * M_PI / 180;
    const qreal outer = 34, inner = degrees % 30 == 0 ? 27 : 30;
    p.drawLine(centre + QPointF(std::cos(a) * inner, -std::sin(a) * inner),
               centre + QPointF(std::cos(a) * outer, -std::sin(a) * outer));
  }

  // Yellow pen.
  p.save();
  p.translate(62, 70);
  p.rotate(-28);
  p.setPen(QPen(QColor(150, 110, 0), 1));
  p.setBrush(QColor(250, 210, 30));
  p.drawRoundedRect(QRectF(0, -4, 46, 8), 3, 3);
  p.setBrush(QColor(60, 60, 60));
  QPainterPath nib;
  nib.moveTo(46, -4);
  nib.lineTo(56, 0);
  nib.lineTo(46, 4);
  nib.closeSubpath();
  p.drawPath(nib);
  p.setBrush(QColor(200, 160, 10));
  p.drawRect(QRectF(6, -5, 3, 10));
  p.restore();

  // Blue pencil.
  p.save();
  p.translate(34, 90);
  p.rotate(-62);
  p.setPen(QPen(QColor(10, 30, 120), 1));
  p.setBrush(QColor(40, 90, 220));
  p.drawRect(QRectF(0, -3.5, 40, 7));
  p.setBrush(QColor(240, 200, 150));
  QPainterPath cone;
  cone.moveTo(40, -3.5);
  cone.lineTo(50, 0);
  cone.lineTo(40, 3.5);
  cone.closeSubpath();
  p.drawPath(cone);
  p.setBrush(QColor(20, 20, 20));
  p.drawEllipse(QPointF(49, 0), 1.2, 1.2);
  p.setBrush(QColor(240, 120, 150));
  p.drawRect(QRectF(-4, -3.5, 4, 7));
  p.restore();
}

QPainterPath Petal(QPointF base, qreal length, qreal width, qreal angle) {
  QPainterPath path;
  path.moveTo(0, 0);
  path.cubicTo(width, -length * 0.3, width * 0.8, -length, 0, -length);
  path.cubicTo(-width * 0.8, -length, -width, -length * 0.3, 0, 0);
  QTransform t;
  t.translate(base.x(), base.y());
  t.rotate(angle);
  return t.map(path);
}

void Drop(QPainter& p, QPointF at, qreal size) {
  QRadialGradient water(at + QPointF(-size * 0.3, -size * 0.3), size * 1.4);
  water.setColorAt(0, QColor(255, 255, 255, 230));
  water.setColorAt(0.5, QColor(210, 235, 255, 150));
  water.setColorAt(1, QColor(120, 170, 220, 120));
  p.setPen(QPen(QColor(255, 255, 255, 160), 0.6));
  p.setBrush(water);
  p.drawEllipse(at, size, size * 1.15);
}

// A red rose with water drops, green leaves and a stem, on a transparent ground.
void Rose(QPainter& p) {
  // Stem.
  p.setPen(QPen(QColor(40, 110, 30), 6, Qt::SolidLine, Qt::RoundCap));
  QPainterPath stem;
  stem.moveTo(184, 122);
  stem.cubicTo(176, 170, 196, 205, 182, 248);
  p.setBrush(Qt::NoBrush);
  p.drawPath(stem);
  // Leaves.
  auto leaf = [&](QPointF base, qreal length, qreal angle) {
    QLinearGradient green(base, base + QPointF(length, 0));
    green.setColorAt(0, QColor(30, 120, 35));
    green.setColorAt(1, QColor(90, 175, 60));
    p.setPen(QPen(QColor(20, 80, 20), 1.2));
    p.setBrush(green);
    const QPainterPath shape = Petal(base, length, length * 0.38, angle);
    p.drawPath(shape);
    p.setPen(QPen(QColor(160, 220, 120), 1));
    QTransform t;
    t.translate(base.x(), base.y());
    t.rotate(angle);
    p.drawLine(t.map(QLineF(0, 0, 0, -length * 0.9)));
  };
  leaf({186, 200}, 70, 62);
  leaf({181, 178}, 62, -58);
  leaf({188, 232}, 52, 110);

  // The bloom: outer petals, then inner, then the bud.
  const QPointF heart(184, 82);
  std::mt19937 random(77);
  std::uniform_real_distribution<qreal> jitter(-6, 6);
  for (int ring = 0; ring < 4; ++ring) {
    const int count = 7 - ring;
    const qreal length = 72 - ring * 15;
    for (int i = 0; i < count; ++i) {
      const qreal angle = i * 360.0 / count + ring * 23 + jitter(random);
      QRadialGradient red(heart, length);
      red.setColorAt(0, QColor(120 + ring * 20, 0, 10));
      red.setColorAt(0.7, QColor(205 + ring * 10, 25 + ring * 8, 40));
      red.setColorAt(1, QColor(245, 80, 90));
      p.setPen(QPen(QColor(110, 0, 15), 1));
      p.setBrush(red);
      p.drawPath(Petal(heart + QPointF(0, ring * 3), length, length * 0.62, angle));
    }
  }
  p.setPen(QPen(QColor(100, 0, 10), 1.5));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 3; ++i)
    p.drawArc(QRectF(170 + i * 3, 70 + i * 3, 28 - i * 6, 24 - i * 5), 20 * 16, 260 * 16);

  // Water drops on the petals and leaves.
  const QPointF drops[] = {{150, 60},  {214, 96},  {176, 120}, {232, 62},
                           {136, 102}, {238, 196}, {140, 188}, {200, 40}};
  const qreal sizes[] = {4.5, 3.5, 3, 4, 3, 4, 3.5, 2.5};
  for (int i = 0; i < 8; ++i) Drop(p, drops[i], sizes[i]);
}

// Blue-white streaks of light rushing out from the centre, on black.
void Starfield(QPainter& p) {
  p.fillRect(QRectF(0, 0, 640, 480), Qt::black);
  const QPointF centre(320, 240);
  std::mt19937 random(42);
  std::uniform_real_distribution<qreal> angle(0, 2 * M_PI), start(10, 260), span(20, 220),
      bright(90, 255);
  for (int i = 0; i < 520; ++i) {
    const qreal a = angle(random);
    const qreal r0 = start(random);
    const qreal r1 = r0 + span(random) * (r0 / 200.0 + 0.3);
    const QPointF from = centre + QPointF(std::cos(a), std::sin(a)) * r0;
    const QPointF to = centre + QPointF(std::cos(a), std::sin(a)) * r1;
    QLinearGradient streak(from, to);
    const int b = static_cast<int>(bright(random));
    streak.setColorAt(0, QColor(120, 160, 255, 0));
    streak.setColorAt(1, QColor(200, 225, 255, b));
    p.setPen(QPen(QBrush(streak), 0.6 + r0 / 180.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
  }
  Glow(p, centre, 90, QColor(150, 190, 255, 120));
  Glow(p, centre, 25, QColor(255, 255, 255, 200));
}

// An illustrated head-and-shoulders portrait of a friendly author.
void Portrait(QPainter& p) {
  QLinearGradient back(0, 0, 0, 385);
  back.setColorAt(0, QColor(70, 110, 160));
  back.setColorAt(1, QColor(25, 40, 70));
  p.fillRect(QRectF(0, 0, 250, 385), back);
  Glow(p, {125, 140}, 140, QColor(140, 180, 230, 90));

  // Jacket and shirt.
  QPainterPath jacket;
  jacket.moveTo(0, 385);
  jacket.lineTo(0, 330);
  jacket.cubicTo(10, 280, 60, 262, 95, 255);
  jacket.lineTo(155, 255);
  jacket.cubicTo(190, 262, 240, 280, 250, 330);
  jacket.lineTo(250, 385);
  jacket.closeSubpath();
  p.setPen(QPen(QColor(20, 25, 35), 2));
  p.setBrush(QColor(45, 55, 75));
  p.drawPath(jacket);
  QPainterPath shirt;
  shirt.moveTo(98, 256);
  shirt.lineTo(125, 330);
  shirt.lineTo(152, 256);
  shirt.closeSubpath();
  p.setBrush(QColor(235, 240, 245));
  p.drawPath(shirt);
  p.setBrush(QColor(150, 30, 40));
  QPainterPath tie;
  tie.moveTo(119, 268);
  tie.lineTo(131, 268);
  tie.lineTo(135, 320);
  tie.lineTo(125, 334);
  tie.lineTo(115, 320);
  tie.closeSubpath();
  p.drawPath(tie);

  // Neck and head.
  const QColor skin(224, 178, 140);
  p.setPen(QPen(QColor(150, 105, 80), 1.5));
  p.setBrush(skin.darker(110));
  p.drawRect(QRectF(106, 215, 38, 45));
  p.setBrush(skin);
  p.drawEllipse(QRectF(72, 92, 106, 136));
  p.drawEllipse(QRectF(64, 150, 16, 28));
  p.drawEllipse(QRectF(170, 150, 16, 28));

  // Hair.
  QPainterPath hair;
  hair.moveTo(70, 160);
  hair.cubicTo(58, 90, 110, 62, 140, 72);
  hair.cubicTo(182, 78, 196, 118, 180, 160);
  hair.cubicTo(176, 128, 160, 112, 132, 108);
  hair.cubicTo(108, 118, 86, 118, 78, 140);
  hair.closeSubpath();
  p.setPen(QPen(QColor(30, 20, 15), 1.5));
  p.setBrush(QColor(55, 38, 28));
  p.drawPath(hair);

  // Eyes, brows, nose, smile.
  p.setBrush(Qt::white);
  p.setPen(QPen(QColor(60, 40, 30), 1.2));
  p.drawEllipse(QRectF(96, 150, 20, 11));
  p.drawEllipse(QRectF(134, 150, 20, 11));
  p.setBrush(QColor(70, 45, 25));
  p.drawEllipse(QPointF(106, 155.5), 4, 4);
  p.drawEllipse(QPointF(144, 155.5), 4, 4);
  p.setPen(QPen(QColor(55, 38, 28), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(94, 142), QPointF(116, 139));
  p.drawLine(QPointF(134, 139), QPointF(156, 142));
  p.setPen(QPen(QColor(170, 120, 90), 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(125, 160), QPointF(121, 185));
  p.drawLine(QPointF(121, 185), QPointF(129, 186));
  p.setPen(QPen(QColor(150, 60, 60), 2.5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(106, 184, 38, 20), 200 * 16, 140 * 16);
  // Glasses.
  p.setPen(QPen(QColor(30, 30, 40), 2));
  p.drawRoundedRect(QRectF(90, 145, 32, 22), 6, 6);
  p.drawRoundedRect(QRectF(128, 145, 32, 22), 6, 6);
  p.drawLine(QPointF(122, 154), QPointF(128, 154));
}

// A red cone above a grey shadow, in a handful of flat colours.
void Icon(QPainter& p, int size) {
  p.scale(size / 32.0, size / 32.0);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(128, 128, 128));
  p.drawEllipse(QRectF(5, 24, 22, 6));
  p.setBrush(QColor(192, 192, 192));
  p.drawEllipse(QRectF(9, 25, 14, 3.5));
  QPainterPath cone;
  cone.moveTo(16, 2);
  cone.lineTo(26, 26);
  cone.quadTo(16, 29, 6, 26);
  cone.closeSubpath();
  p.setBrush(QColor(255, 0, 0));
  p.drawPath(cone);
  QPainterPath shade;
  shade.moveTo(16, 2);
  shade.lineTo(26, 26);
  shade.quadTo(21, 27.6, 16, 28);
  shade.closeSubpath();
  p.setBrush(QColor(128, 0, 0));
  p.drawPath(shade);
  p.setPen(QPen(QColor(255, 255, 255), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(14.5, 8), QPointF(10, 21));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: numora-pictures OUTPUT_DIRECTORY\n");
    return 2;
  }
  QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!dir.mkpath(".")) return 1;
  bool ok = true;
  ok &= Picture(dir, "splash", "jpg", 800, 600, false, Qt::black, Splash);
  ok &= Picture(dir, "instruments", "jpg", 124, 93, false, Qt::white, Instruments);
  ok &= Picture(dir, "rose", "png", 367, 250, true, {}, Rose);
  ok &= Picture(dir, "starfield", "jpg", 640, 480, false, Qt::black, Starfield);
  ok &= Picture(dir, "portrait", "bmp", 250, 385, false, Qt::black, Portrait);
  ok &= Picture(dir, "icon", "png", 32, 32, true, {}, [](QPainter& p) { Icon(p, 32); });
  for (int size : {48, 64, 128, 256})
    ok &= Save(Render(size, size, 1, true, {}, [size](QPainter& p) { Icon(p, size); }),
               dir.filePath(QStringLiteral("icon-%1.png").arg(size)), "png");
  ok &= Save(Render(32, 32, 1, true, {}, [](QPainter& p) { Icon(p, 32); }),
             dir.filePath("numora.ico"), "ico");
  return ok ? 0 : 1;
}
