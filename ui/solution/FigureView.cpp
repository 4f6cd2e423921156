#include "ui/solution/FigureView.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "ui/platform/Utf16Text.h"
#include "ui/solution/FigurePainter.h"

namespace numora {
namespace {

constexpr QSize kPreferredSize(280, 220);

}  // namespace

FigureView::FigureView(QWidget* parent)
    : QWidget(parent), copy_(new QAction(QStringLiteral(u"نسخ الشكل"), this)) {
  // The figure's x grows to the right whatever the direction of the window's text.
  setLayoutDirection(Qt::LeftToRight);
  setFocusPolicy(Qt::StrongFocus);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  addAction(copy_);
  connect(copy_, &QAction::triggered, this, &FigureView::copyPicture);
}

void FigureView::setFigure(Figure figure) {
  figure_ = std::move(figure);
  QString sentence;
  const Painted shown = PaintedOf(figure_, sentence);

  // A screen reader hears what the view shows, in the order it shows it.
  QStringList sentences{ToQString(figure_.description)};
  if (shown == Painted::Sentence) {
    if (!sentences.contains(sentence)) sentences << sentence;
  } else {
    sentences << ToQString(figure_.notToScale) << ToQString(figure_.caption);
  }
  sentences.removeAll(QString());
  setAccessibleName(ToQString(figure_.name));
  setAccessibleDescription(sentences.join(u'\n'));
  // The note under the figure is short; its whole sentence is a hover away.
  setToolTip(shown == Painted::Drawing ? ToQString(figure_.notToScale) : QString());
  update();
}

QImage FigureView::picture(QSize size, qreal devicePixelRatio) const {
  QImage image((QSizeF(size) * devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return image;
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(palette().color(QPalette::Base));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setFont(font());
  PaintFigure(painter, QRectF(QPointF(0, 0), QSizeF(size)), figure_, palette(), scale_, direction_);
  return image;
}

void FigureView::copyPicture() {
  const QSize size = this->size().isEmpty() ? sizeHint() : this->size();
  QGuiApplication::clipboard()->setImage(picture(size, devicePixelRatioF()));
}

QSize FigureView::sizeHint() const { return (QSizeF(kPreferredSize) * scale_).toSize(); }

void FigureView::setScale(qreal scale) {
  scale_ = scale;
  updateGeometry();
  update();
}

void FigureView::setDirection(FormulaDirection direction) {
  direction_ = direction;
  update();
}

QSize FigureView::minimumSizeHint() const {
  // Room for the margins the labels take and a figure of a few lines between them.
  const int line = fontMetrics().height();
  return {8 * line, 7 * line};
}

bool FigureView::event(QEvent* event) {
  // The copy key belongs to the view while it has the focus, even if the window has a shortcut
  // on it.
  if (event->type() == QEvent::ShortcutOverride &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    event->accept();
    return true;
  }
  return QWidget::event(event);
}

void FigureView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    copy_->trigger();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void FigureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintFigure(painter, rect(), figure_, palette(), scale_, direction_);
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

}  // namespace numora
