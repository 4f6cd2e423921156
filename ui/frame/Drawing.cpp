#include "ui/frame/Drawing.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/frame/Twips.h"

namespace numora {

const QPixmap& Picture::pixmap(qreal density) const {
  constexpr int kDensest = 3;
  const int wanted = std::clamp(static_cast<int>(std::ceil(density - 0.01)), 1, kDensest);
  if (!loaded.isNull() && qRound(loaded.devicePixelRatio()) == wanted) return loaded;
  const int dot = resource.lastIndexOf(u'.');
  const auto file = [&](int scale) {
    return scale == 1 ? resource
                      : resource.left(dot) + QStringLiteral("@%1x").arg(scale) + resource.mid(dot);
  };
  // Denser first, then less dense.
  std::vector<int> order;
  for (int scale = wanted; scale <= kDensest; ++scale) order.push_back(scale);
  for (int scale = wanted - 1; scale >= 1; --scale) order.push_back(scale);
  for (const int scale : order)
    if (loaded.load(file(scale))) {
      loaded.setDevicePixelRatio(scale);
      break;
    }
  return loaded;
}

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) {}

void ClientArea::add(Decoration decoration) {
  decorations_.push_back(std::move(decoration));
  update();
}

void ClientArea::setZoom(double zoom, QSize twips) {
  zoom_ = zoom;
  setFixedSize(TwipsSize(twips.width(), twips.height(), zoom));
  update();
}

QRectF ClientArea::OutlineRect(const Shape& shape, double zoom) {
  const QRectF box = TwipsRect(shape.left, shape.top, shape.width, shape.height, zoom);
  if (shape.kind == Shape::Kind::Ellipse) return box;
  const qreal side = std::min(box.width(), box.height());
  QRectF square(0, 0, side, side);
  square.moveCenter(box.center());
  return square;
}

void ClientArea::hideEvent(QHideEvent* event) {
  for (const Decoration& decoration : decorations_)
    if (const auto* picture = std::get_if<Picture>(&decoration)) picture->loaded = QPixmap();
  QWidget::hideEvent(event);
}

void ClientArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QColor text = palette().color(QPalette::WindowText);
  for (const Decoration& decoration : decorations_) {
    if (const auto* picture = std::get_if<Picture>(&decoration)) {
      painter.drawPixmap(
          TwipsRect(picture->left, picture->top, picture->width, picture->height, zoom_),
          picture->pixmap(zoom_ * devicePixelRatioF()));
    } else if (const auto* line = std::get_if<Line>(&decoration)) {
      // A line keeps whole pixels; a one-pixel line on the layout is as many at the zoom.
      const int width = std::max(1, qRound(line->widthPixels * zoom_));
      painter.setPen(
          QPen(line->colour.isValid() ? line->colour : text, width, Qt::SolidLine, Qt::SquareCap));
      // The pen is centred on the line: it is moved by half its width, so that it covers whole
      // pixels, those below and to the right of its points, sharp at any zoom and density.
      const QPointF half(width / 2.0, width / 2.0);
      painter.drawLine(QPointF(TwipsPoint(line->x1, line->y1, zoom_)) + half,
                       QPointF(TwipsPoint(line->x2, line->y2, zoom_)) + half);
    } else if (const auto* shape = std::get_if<Shape>(&decoration)) {
      const qreal width = shape->widthPixels * zoom_;
      painter.setPen(QPen(text, width));
      painter.setBrush(Qt::NoBrush);
      // The pen is centred on the outline; pull it inside so that the shape stays in its box.
      const qreal inset = width / 2.0;
      const QRectF rect = OutlineRect(*shape, zoom_).adjusted(inset, inset, -inset, -inset);
      if (shape->kind == Shape::Kind::Square)
        painter.drawRect(rect);
      else
        painter.drawEllipse(rect);
    }
  }
}

}  // namespace numora
