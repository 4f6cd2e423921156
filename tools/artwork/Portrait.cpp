// The author's portrait: a friendly, made-up face, head and shoulders, in flat shapes with soft
// shading, on a warm ground with a few faint figures from school mathematics.
#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <vector>

#include "Painting.h"
#include "Pictures.h"

namespace artwork {
namespace {

const QColor kSkin(238, 190, 150);
const QColor kSkinShade(212, 152, 112);
const QColor kHair(62, 40, 30);
const QColor kHairLight(110, 75, 50);
const QColor kLine(90, 50, 35);

void Ground(QPainter& p) {
  const QRectF frame(QPointF(0, 0), QSizeF(kPortraitSize));
  QLinearGradient warm(0, 0, 0, frame.height());
  warm.setColorAt(0, QColor(255, 226, 170));
  warm.setColorAt(1, QColor(238, 150, 105));
  p.fillRect(frame, warm);
  Glow(p, QPointF(125, 150), 190, QColor(255, 245, 215, 230));
  // Faint figures: a circle, a triangle, a plus, a square root's hook.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 90), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawEllipse(QPointF(38, 52), 18, 18);
  p.drawPolygon(QPolygonF({{196, 30}, {228, 80}, {180, 76}}));
  p.drawLine(QPointF(26, 214), QPointF(26, 238));
  p.drawLine(QPointF(14, 226), QPointF(38, 226));
  p.drawPolyline(QPolygonF({{196, 220}, {204, 216}, {212, 240}, {222, 196}, {242, 196}}));
}

void Shoulders(QPainter& p) {
  // Neck, shadowed under the chin.
  QLinearGradient neck(0, 220, 0, 280);
  neck.setColorAt(0, kSkinShade.darker(112));
  neck.setColorAt(0.5, kSkinShade);
  neck.setColorAt(1, kSkin);
  p.setPen(QPen(kLine, 1.2));
  p.setBrush(neck);
  QPainterPath throat;
  throat.moveTo(104, 205);
  throat.lineTo(104, 262);
  throat.quadTo(125, 292, 146, 262);
  throat.lineTo(146, 205);
  throat.closeSubpath();
  p.drawPath(throat);

  // Shirt.
  QPainterPath shirt;
  shirt.moveTo(70, 385);
  shirt.lineTo(88, 262);
  shirt.lineTo(125, 300);
  shirt.lineTo(162, 262);
  shirt.lineTo(180, 385);
  shirt.closeSubpath();
  p.setBrush(QColor(225, 238, 250));
  p.drawPath(shirt);
  // Collar points.
  p.setBrush(QColor(240, 248, 255));
  p.drawPolygon(QPolygonF({{96, 252}, {125, 302}, {108, 305}, {86, 270}}));
  p.drawPolygon(QPolygonF({{154, 252}, {125, 302}, {142, 305}, {164, 270}}));
  p.setPen(QPen(QColor(150, 170, 190), 1));
  p.drawLine(QPointF(125, 304), QPointF(125, 385));
  p.setBrush(QColor(200, 215, 230));
  for (double y : {322.0, 352.0}) p.drawEllipse(QPointF(129, y), 2.4, 2.4);
  p.setPen(QPen(kLine, 1.2));

  // Jacket with its lapels.
  QLinearGradient cloth(0, 260, 250, 385);
  cloth.setColorAt(0, QColor(45, 105, 125));
  cloth.setColorAt(1, QColor(25, 65, 85));
  p.setBrush(cloth);
  p.setPen(QPen(QColor(15, 40, 50), 1.5));
  QPainterPath left;
  left.moveTo(0, 385);
  left.lineTo(0, 330);
  left.cubicTo(6, 292, 40, 276, 90, 262);
  left.lineTo(112, 330);
  left.lineTo(104, 385);
  left.closeSubpath();
  QPainterPath right;
  right.moveTo(250, 385);
  right.lineTo(250, 330);
  right.cubicTo(244, 292, 210, 276, 160, 262);
  right.lineTo(138, 330);
  right.lineTo(146, 385);
  right.closeSubpath();
  p.drawPath(left);
  p.drawPath(right);
  p.setBrush(QColor(35, 85, 105));
  p.drawPolygon(QPolygonF({{90, 262}, {112, 330}, {92, 300}, {74, 296}, {84, 276}}));
  p.drawPolygon(QPolygonF({{160, 262}, {138, 330}, {158, 300}, {176, 296}, {166, 276}}));
  // A pen in the breast pocket.
  p.setPen(QPen(QColor(15, 40, 50), 1));
  p.drawLine(QPointF(176, 336), QPointF(214, 336));
  p.setBrush(QColor(250, 200, 40));
  p.drawRoundedRect(QRectF(186, 318, 5, 20), 2, 2);
}

QPainterPath FaceOutline() {
  return SmoothClosed({{125, 82},
                       {158, 90},
                       {174, 122},
                       {175, 160},
                       {168, 196},
                       {150, 226},
                       {125, 238},
                       {100, 226},
                       {82, 196},
                       {75, 160},
                       {76, 122},
                       {92, 90}});
}

void Ear(QPainter& p, double x, double side) {
  p.setPen(QPen(kLine, 1.2));
  p.setBrush(kSkin);
  p.drawEllipse(QPointF(x, 166), 11, 17);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kSkinShade.darker(115), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(x - 6 + side * 1.5, 156, 12, 20), side > 0 ? -80 * 16 : 100 * 16, 180 * 16);
}

void Head(QPainter& p) {
  // The hair behind the head.
  p.setPen(QPen(kHair.darker(130), 1.2));
  p.setBrush(kHair);
  p.drawPath(SmoothClosed(
      {{72, 160}, {66, 110}, {84, 72}, {125, 54}, {168, 70}, {186, 110}, {178, 160}, {125, 120}}));
  Ear(p, 77, -1);
  Ear(p, 173, 1);

  const QPainterPath face = FaceOutline();
  QRadialGradient skin(QPointF(112, 150), 105);
  skin.setColorAt(0, kSkin.lighter(105));
  skin.setColorAt(0.7, kSkin);
  skin.setColorAt(1, kSkinShade);
  p.setPen(QPen(kLine, 1.3));
  p.setBrush(skin);
  p.drawPath(face);
  // Shade on the far cheek and under the hair, kept inside the face.
  p.save();
  p.setClipPath(face);
  EllipseGlow(p, QPointF(178, 170), 40, 80, WithAlpha(kSkinShade, 190));
  EllipseGlow(p, QPointF(125, 98), 70, 22, WithAlpha(kSkinShade, 200));
  Glow(p, QPointF(98, 190), 17, QColor(240, 120, 110, 90));
  Glow(p, QPointF(154, 190), 17, QColor(240, 120, 110, 90));
  p.restore();

  // The fringe, swept to one side.
  QLinearGradient hair(90, 60, 160, 130);
  hair.setColorAt(0, kHairLight);
  hair.setColorAt(1, kHair);
  p.setPen(QPen(kHair.darker(130), 1.2));
  p.setBrush(hair);
  p.drawPath(SmoothClosed({{75, 146},
                           {71, 100},
                           {96, 66},
                           {134, 58},
                           {168, 70},
                           {182, 102},
                           {177, 140},
                           {170, 114},
                           {158, 106},
                           {146, 110},
                           {137, 118},
                           {130, 106},
                           {114, 104},
                           {100, 114},
                           {94, 106},
                           {84, 118},
                           {80, 132}}));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kHairLight.lighter(120), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(SmoothOpen({{96, 78}, {122, 68}, {150, 72}, {166, 84}}));
  p.drawPath(SmoothOpen({{84, 100}, {102, 86}, {126, 82}, {146, 88}}));
  p.setPen(QPen(kHair.darker(140), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(SmoothOpen({{110, 96}, {128, 92}, {140, 100}}));
  p.drawPath(SmoothOpen({{150, 92}, {164, 96}, {172, 110}}));
}

void Eye(QPainter& p, QPointF centre) {
  // Almond-shaped, a little closed by the smile.
  QPainterPath white;
  white.moveTo(centre + QPointF(-12, 1));
  white.cubicTo(centre + QPointF(-7, -8), centre + QPointF(7, -8), centre + QPointF(12, 0));
  white.cubicTo(centre + QPointF(6, 5), centre + QPointF(-6, 5), centre + QPointF(-12, 1));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(252, 250, 245));
  p.drawPath(white);
  p.save();
  p.setClipPath(white);
  QRadialGradient iris(centre + QPointF(0, -0.5), 6);
  iris.setColorAt(0, QColor(150, 100, 50));
  iris.setColorAt(1, QColor(80, 50, 25));
  p.setBrush(iris);
  p.drawEllipse(centre + QPointF(0, -0.5), 6, 6);
  p.setBrush(QColor(25, 15, 10));
  p.drawEllipse(centre + QPointF(0, -0.5), 2.8, 2.8);
  p.setBrush(Qt::white);
  p.drawEllipse(centre + QPointF(-2.2, -2.8), 1.7, 1.7);
  p.restore();
  // The upper lid, with a lash line, and the smile's crease below.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(50, 30, 20), 2.4, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(SmoothOpen(
      {centre + QPointF(-13, 1.5), centre + QPointF(0, -6.2), centre + QPointF(13, 0.5)}));
  p.setPen(QPen(kSkinShade.darker(110), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(
      SmoothOpen({centre + QPointF(-8, 7.5), centre + QPointF(0, 9.5), centre + QPointF(8, 7.5)}));
}

void Features(QPainter& p) {
  // Brows, raised a little.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kHair, 4.2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(SmoothOpen({{89, 138}, {101, 130}, {116, 132}}));
  p.drawPath(SmoothOpen({{134, 132}, {149, 130}, {161, 138}}));

  Eye(p, QPointF(103, 152));
  Eye(p, QPointF(147, 152));

  // Nose: a soft line down one side and the shadow under its tip.
  p.setPen(QPen(kSkinShade.darker(118), 2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(SmoothOpen({{129, 152}, {132, 170}, {134, 181}}));
  p.drawPath(SmoothOpen({{116, 182}, {125, 187}, {134, 182}}));

  // An open smile with teeth.
  QPainterPath mouth;
  mouth.moveTo(103, 198);
  mouth.cubicTo(114, 202, 136, 202, 147, 198);
  mouth.cubicTo(142, 219, 108, 219, 103, 198);
  mouth.closeSubpath();
  p.setPen(QPen(QColor(120, 40, 40), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(150, 45, 50));
  p.drawPath(mouth);
  p.save();
  p.setClipPath(mouth);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 248, 240));
  p.drawRect(QRectF(100, 196, 50, 8));
  p.setBrush(QColor(230, 110, 110));
  p.drawEllipse(QPointF(125, 217), 12, 6);
  p.restore();
  // Dimples at the corners of the smile.
  p.setPen(QPen(kSkinShade.darker(112), 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(95, 193, 8, 10), 100 * 16, 120 * 16);
  p.drawArc(QRectF(147, 193, 8, 10), -40 * 16, 120 * 16);

  // Round glasses.
  p.setBrush(QColor(255, 255, 255, 25));
  p.setPen(QPen(QColor(40, 30, 30), 2.2));
  p.drawEllipse(QPointF(103, 153), 17, 15);
  p.drawEllipse(QPointF(147, 153), 17, 15);
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(118, 146, 14, 10), 20 * 16, 140 * 16);
  p.drawLine(QPointF(86, 150), QPointF(77, 146));
  p.drawLine(QPointF(164, 150), QPointF(173, 146));
  // A glint on each lens.
  p.setPen(QPen(QColor(255, 255, 255, 170), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(89, 141, 28, 26), 110 * 16, 40 * 16);
  p.drawArc(QRectF(133, 141, 28, 26), 110 * 16, 40 * 16);
}

}  // namespace

void PaintPortrait(QPainter& p) {
  Ground(p);
  Shoulders(p);
  Head(p);
  Features(p);
}

}  // namespace artwork
