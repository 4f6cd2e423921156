#include "app/frame/Drawing.h"

#include <QPainter>
#include <algorithm>

#include "app/frame/Twips.h"

namespace numora {

const QPixmap& Picture::pixmap(qreal devicePixelRatio) const {
  const qreal wanted = devicePixelRatio > 1.0 ? 2.0 : 1.0;
  if (loaded.isNull() || loaded.devicePixelRatio() != wanted) {
    const int dot = resource.lastIndexOf(u'.');
    const QString doubled = resource.left(dot) + QStringLiteral("@2x") + resource.mid(dot);
    if (wanted > 1.0 && loaded.load(doubled)) {
      loaded.setDevicePixelRatio(2.0);
    } else {
      loaded.load(resource);
      loaded.setDevicePixelRatio(1.0);
    }
  }
  return loaded;
}

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) {}

void ClientArea::add(Decoration decoration) {
  decorations_.push_back(std::move(decoration));
  update();
}

QRectF ClientArea::OutlineRect(const Shape& shape) {
  const QRectF box = TwipsRect(shape.left, shape.top, shape.width, shape.height);
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
      painter.drawPixmap(TwipsRect(picture->left, picture->top, picture->width, picture->height),
                         picture->pixmap(devicePixelRatioF()));
    } else if (const auto* line = std::get_if<Line>(&decoration)) {
      painter.setPen(QPen(line->colour.isValid() ? line->colour : text, line->widthPixels,
                          Qt::SolidLine, Qt::SquareCap));
      painter.drawLine(TwipsPoint(line->x1, line->y1), TwipsPoint(line->x2, line->y2));
    } else if (const auto* shape = std::get_if<Shape>(&decoration)) {
      painter.setPen(QPen(text, shape->widthPixels));
      painter.setBrush(Qt::NoBrush);
      // The pen is centred on the outline; pull it inside so that the shape stays in its box.
      const qreal inset = shape->widthPixels / 2.0;
      const QRectF rect = OutlineRect(*shape).adjusted(inset, inset, -inset, -inset);
      if (shape->kind == Shape::Kind::Square)
        painter.drawRect(rect);
      else
        painter.drawEllipse(rect);
    }
  }
}

}  // namespace numora
