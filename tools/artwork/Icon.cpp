// The program's icon: a red cone standing over its grey shadow, in the flat colours of a
// sixteen-colour palette.
#include <QPainterPathStroker>

#include "Painting.h"
#include "Pictures.h"

namespace artwork {
namespace {

// The palette's colours that the icon uses.
const QColor kBlack(0, 0, 0);
const QColor kMaroon(128, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);
const QColor kWhite(255, 255, 255);

const QPointF kApex(15.5, 2.5);
const QPointF kBase(15.5, 23.5);  // the centre of the cone's round base
const double kBaseRx = 9, kBaseRy = 2.8;

QPainterPath Cone() {
  QPainterPath cone;
  cone.moveTo(kApex);
  cone.lineTo(kBase.x() - kBaseRx, kBase.y());
  cone.arcTo(QRectF(kBase.x() - kBaseRx, kBase.y() - kBaseRy, 2 * kBaseRx, 2 * kBaseRy), 180, 180);
  cone.closeSubpath();
  return cone;
}

}  // namespace

void PaintIcon(QPainter& p, bool flat) {
  // Only fills, no strokes: without antialiasing, fills of the same shapes meet edge to edge,
  // so the outline is the cone grown by a pixel, painted first and then covered by the cone.
  p.setPen(Qt::NoPen);

  // The shadow, cast to the right: a grey core in a silver rim.
  p.setBrush(kSilver);
  p.drawEllipse(QPointF(19, 26), 12.5, 4.5);
  p.setBrush(kGrey);
  p.drawEllipse(QPointF(17.5, 25.5), 10, 3.2);

  const QPainterPath cone = Cone();
  QPainterPathStroker grow;
  grow.setWidth(flat ? 2.0 : 1.6);
  grow.setJoinStyle(Qt::BevelJoin);
  p.setBrush(kBlack);
  p.drawPath(cone);
  p.drawPath(grow.createStroke(cone));
  p.setBrush(kRed);
  p.drawPath(cone);
  // The side turned from the light.
  QPainterPath away;
  away.moveTo(kApex);
  away.lineTo(kBase.x() + 3.5, kBase.y() + kBaseRy + 1);
  away.lineTo(32, kBase.y() + kBaseRy + 1);
  away.lineTo(32, 0);
  away.closeSubpath();
  p.setBrush(kMaroon);
  p.drawPath(cone.intersected(away));
  // A gleam down the lit side.
  QPainterPath gleam;
  gleam.moveTo(14, 7);
  gleam.lineTo(15, 7);
  gleam.lineTo(12, 20);
  gleam.lineTo(10.5, 20);
  gleam.closeSubpath();
  p.setBrush(kWhite);
  p.drawPath(gleam);
}

}  // namespace artwork
