#include "ui/solution/FigurePainter.h"

#include <QAction>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "numeric/Bidi.h"
#include "ui/platform/Utf16Text.h"

namespace numora {
namespace {

constexpr int kFillAlpha = 45;
constexpr qreal kDotRadius = 3.5;
constexpr qreal kLabelGap = 4;

bool IsEmpty(const Figure& figure) {
  return figure.name.empty() && figure.description.empty() && figure.cannotDraw.empty() &&
         figure.notToScale.empty() && figure.caption.empty() && figure.paths.empty() &&
         figure.dots.empty() && figure.labels.empty();
}

QColor Blend(const QColor& from, const QColor& to, qreal share) {
  return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * share,
                          from.greenF() + (to.greenF() - from.greenF()) * share,
                          from.blueF() + (to.blueF() - from.blueF()) * share);
}

// Colours come from the palette alone, so that a high-contrast scheme keeps its contrast.
QColor InkColour(const QPalette& palette, FigureInk ink) {
  switch (ink) {
    case FigureInk::Accent:
      return palette.color(QPalette::Highlight);
    case FigureInk::Guide:
      return Blend(palette.color(QPalette::WindowText), palette.color(QPalette::Window), 0.5);
    case FigureInk::Shape:
      break;
  }
  return palette.color(QPalette::WindowText);
}

QPen PenFor(const FigurePath& path, const QColor& colour, qreal scale) {
  switch (path.line) {
    case FigureLine::Hidden:
      return QPen(colour, 1.5 * scale, Qt::DashLine, Qt::FlatCap, Qt::RoundJoin);
    case FigureLine::Guide:
      return QPen(colour, 1 * scale, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    case FigureLine::Solid:
      break;
  }
  return QPen(colour, 2 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A sentence of Arabic text, wrapped and centred in its box.
QTextOption SentenceOption() {
  QTextOption option(Qt::AlignCenter);
  option.setWrapMode(QTextOption::WordWrap);
  option.setTextDirection(Qt::RightToLeft);
  return option;
}

qreal SentenceHeight(const QFontMetricsF& metrics, qreal width, const QString& text) {
  return metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::AlignHCenter | Qt::TextWordWrap, text)
      .height();
}

SurfaceRect ToSurface(const QRectF& rect) {
  return {rect.left(), rect.top(), rect.right(), rect.bottom()};
}
QPointF ToQPoint(SurfacePoint p) { return {p.x, p.y}; }

// A label's text as it is drawn: one with Arabic words reads from the right, its numbers set
// apart by the figure as a textbook sets them; one of numbers and signs reads from the left; a
// pair of coordinates reads in the direction of the formulas, so that x comes first either way.
QString LabelText(const FigureLabel& label, FormulaDirection direction) {
  const bool rightToLeft = direction == FormulaDirection::RightToLeft;
  std::u16string text = label.text;
  const bool pair = text.find(kFirstStrongIsolate) != std::u16string::npos;
  std::replace(text.begin(), text.end(), kFirstStrongIsolate,
               rightToLeft ? kRightToLeftIsolate : kLeftToRightIsolate);
  const bool words = std::any_of(label.text.begin(), label.text.end(), [](char16_t c) {
    return (c >= u'\u0621' && c <= u'\u064A') || (c >= u'\u0671' && c <= u'\u06D3');
  });
  return ToQString(words || (pair && rightToLeft) ? RightToLeftIsolate(text)
                                                  : LeftToRightIsolate(text));
}

// Labels measured in the painter's font on its device.
class PainterLabelMetrics : public LabelMetrics {
 public:
  PainterLabelMetrics(const QFontMetricsF& metrics, FormulaDirection direction)
      : metrics_(metrics), direction_(direction) {}
  double width(const FigureLabel& label) const override {
    return metrics_.size(0, LabelText(label, direction_)).width() + 1;
  }
  double height(const FigureLabel&) const override { return metrics_.height(); }

 private:
  const QFontMetricsF& metrics_;
  FormulaDirection direction_;
};

// Paths, dots and labels: the figure's frame fills the room, labels stay inside the area.
void PaintDrawing(QPainter& painter, const QRectF& room, const QRectF& area, const Figure& figure,
                  const QPalette& colours, qreal scale, FormulaDirection direction) {
  const FigureMapping map(figure.frame, ToSurface(room), figure.sameScale);
  const auto outline = [&](const FigurePath& path) {
    QPainterPath drawn;
    drawn.moveTo(ToQPoint(map(path.points.front())));
    for (std::size_t i = 1; i < path.points.size(); ++i)
      drawn.lineTo(ToQPoint(map(path.points[i])));
    if (path.closed) drawn.closeSubpath();
    return drawn;
  };
  // Every fill first, so that no fill covers another path's edge.
  painter.setPen(Qt::NoPen);
  for (const FigurePath& path : figure.paths) {
    if (!path.filled || !path.closed || path.points.size() < 3) continue;
    QColor fill = InkColour(colours, path.ink);
    fill.setAlpha(kFillAlpha);
    painter.setBrush(fill);
    painter.drawPath(outline(path));
  }
  painter.setBrush(Qt::NoBrush);
  for (const FigurePath& path : figure.paths) {
    if (path.points.size() < 2) continue;
    painter.setPen(PenFor(path, InkColour(colours, path.ink), scale));
    painter.drawPath(outline(path));
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(InkColour(colours, FigureInk::Accent));
  for (FigurePoint dot : figure.dots)
    painter.drawEllipse(ToQPoint(map(dot)), kDotRadius * scale, kDotRadius * scale);

  // Labels may use the margins, but no more than the area, and touch no line and no other label.
  const QFontMetricsF metrics(painter.font(), painter.device());
  const PainterLabelMetrics labelMetrics(metrics, direction);
  const LabelSpacing spacing{
      .gap = kLabelGap * scale, .clearance = 2 * scale, .dot = kDotRadius * scale};
  const std::vector<PlacedLabel> placed =
      PlaceLabels(figure, map, labelMetrics, ToSurface(area), spacing);
  painter.setPen(QPen(InkColour(colours, FigureInk::Guide), 1 * scale));
  for (const PlacedLabel& label : placed)
    if (label.led) painter.drawLine(ToQPoint(label.leaderFrom), ToQPoint(label.leaderTo));
  QTextOption leftToRight(Qt::AlignCenter);
  leftToRight.setWrapMode(QTextOption::NoWrap);
  leftToRight.setTextDirection(Qt::LeftToRight);  // each label's text carries its own direction
  painter.setPen(colours.color(QPalette::WindowText));
  for (const PlacedLabel& label : placed) {
    const SurfaceRect& box = label.box;
    painter.drawText(QRectF(box.left, box.top, box.width(), box.height()),
                     LabelText(figure.labels[label.label], direction), leftToRight);
  }
}

}  // namespace

void PaintFigure(QPainter& painter, const QRectF& area, const Figure& figure,
                 const QPalette& colours, qreal scale, FormulaDirection direction) {
  const QFontMetricsF metrics(painter.font(), painter.device());
  const qreal line = metrics.height();
  QString sentence;
  const Painted shown = PaintedOf(figure, sentence);
  if (shown == Painted::Nothing) return;
  if (shown == Painted::Sentence) {
    painter.setPen(colours.color(QPalette::WindowText));
    painter.drawText(area.adjusted(line / 2, line / 2, -line / 2, -line / 2), sentence,
                     SentenceOption());
    return;
  }

  // From the bottom up: the note that the figure is not to scale, the caption, then the figure.
  const qreal inset = line / 2;
  QRectF rest = area;
  if (!figure.notToScale.empty()) {
    const QRectF note(area.left() + inset, rest.bottom() - line, area.width() - 2 * inset, line);
    painter.setPen(InkColour(colours, FigureInk::Guide));
    painter.drawText(note, QStringLiteral(u"ليس بمقياس الرسم"), SentenceOption());
    rest.setBottom(note.top());
  }
  if (!figure.caption.empty()) {
    const QString caption = ToQString(figure.caption);
    const qreal width = area.width() - 2 * inset;
    const qreal height = SentenceHeight(metrics, width, caption);
    const QRectF box(area.left() + inset, rest.bottom() - height, width, height);
    painter.setPen(colours.color(QPalette::WindowText));
    painter.drawText(box, caption, SentenceOption());
    rest.setBottom(box.top());
  }
  // Labels stand beside the figure's edges, so it keeps about two lines clear on every side; less
  // in a small view, where the figure comes first.
  const qreal across = std::min(2 * line, rest.width() / 5),
              down = std::min(2 * line, rest.height() / 5);
  const QRectF room = rest.adjusted(across, down, -across, -down);
  if (room.width() >= 1 && room.height() >= 1)
    PaintDrawing(painter, room, rest, figure, colours, scale, direction);
}

Painted PaintedOf(const Figure& figure, QString& sentence) {
  sentence = ToQString(figure.cannotDraw);
  if (IsEmpty(figure)) return Painted::Nothing;
  if (!sentence.isEmpty()) return Painted::Sentence;
  if (!Drawable(figure)) {
    sentence = QStringLiteral(u"لا يرسم الشكل.");
    return Painted::Sentence;
  }
  return Painted::Drawing;
}

}  // namespace numora
