#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>

#include "numeric/Figure.h"
#include "numeric/Typeset.h"

class QAction;
class QPainter;
class QPalette;

namespace numora {

// Paints a figure to scale with the palette's own colours, so that a high-contrast scheme shows
// it as well. Its accessible name is the figure's name and its description says what it shows;
// its picture can be copied from its context menu or with the copy key when it has the focus.
class FigureView : public QWidget {
  // So that a window and its tests can find the view as what it is (findChild, qobject_cast).
  Q_OBJECT

 public:
  explicit FigureView(QWidget* parent = nullptr);

  void setFigure(Figure figure);
  const Figure& figure() const { return figure_; }

  // The figure on the palette's base colour, as it is copied.
  QImage picture(QSize size, qreal devicePixelRatio) const;
  // Puts the picture at the view's size and pixel density on the clipboard.
  void copyPicture();

  // The widths of its lines, its dots and its margins are the layout pixels' times the scale
  // (the window's zoom); its labels take the view's font.
  void setScale(qreal scale);
  // The direction a pair of coordinates reads in: the formulas'.
  void setDirection(FormulaDirection direction);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Figure figure_;
  qreal scale_ = 1;
  FormulaDirection direction_ = FormulaDirection::LeftToRight;
  QAction* copy_;
};

}  // namespace numora
