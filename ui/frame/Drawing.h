#pragma once

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>
#include <variant>
#include <vector>

namespace numora {

// The non-interactive parts of a window: pictures, straight lines and outline shapes, all in
// twips. They are painted by the client area itself, below every control, in the order they
// were added (back to front), at the window's zoom, and are invisible to assistive technology.
struct Picture {
  QString resource;
  int left, top, width, height;  // the picture is stretched to this box

  // The picture for a density (device pixels per layout pixel: the zoom times the device pixel
  // ratio): of the renderings beside the resource (@2x, @3x), the least dense one that is at
  // least as dense, or else the densest, so that it stays crisp when it is drawn. Loaded on first
  // use and kept.
  const QPixmap& pixmap(qreal density) const;
  mutable QPixmap loaded = {};
};

struct Line {
  int x1, y1, x2, y2;
  int widthPixels = 1;
  QColor colour = {};  // invalid: the window's text colour
};

struct Shape {
  // A circle or square is drawn at the largest size that fits its box, centred in the box; an
  // ellipse fills its box.
  enum class Kind { Square, Circle, Ellipse };
  Kind kind;
  int left, top, width, height;
  int widthPixels = 1;
};

using Decoration = std::variant<Picture, Line, Shape>;

class ClientArea : public QWidget {
 public:
  explicit ClientArea(QWidget* parent);

  void add(Decoration decoration);
  const std::vector<Decoration>& decorations() const { return decorations_; }

  // Sets the zoom the decorations are drawn at, and the area's size: its twips at that zoom.
  void setZoom(double zoom, QSize twips);
  double zoom() const { return zoom_; }

  // The rectangle in logical pixels that a shape's outline occupies.
  static QRectF OutlineRect(const Shape& shape, double zoom = 1.0);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // A hidden window lets go of its decoded pictures; they are read again when it next paints.
  void hideEvent(QHideEvent* event) override;

 private:
  std::vector<Decoration> decorations_;
  double zoom_ = 1.0;
};

}  // namespace numora
