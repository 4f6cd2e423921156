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
// were added (back to front), and are invisible to assistive technology.
struct Picture {
  QString resource;
  int left, top, width, height;  // the picture is stretched to this box

  // The picture for a device pixel ratio: the @2x rendering beside the resource on dense
  // screens, so that it stays crisp. Loaded on first use and kept.
  const QPixmap& pixmap(qreal devicePixelRatio) const;
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

  // The rectangle in logical pixels that a shape's outline occupies.
  static QRectF OutlineRect(const Shape& shape);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // A hidden window lets go of its decoded pictures; they are read again when it next paints.
  void hideEvent(QHideEvent* event) override;

 private:
  std::vector<Decoration> decorations_;
};

}  // namespace numora
