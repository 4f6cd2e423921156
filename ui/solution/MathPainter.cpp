#include "ui/solution/MathPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include "ui/platform/Utf16Text.h"

namespace numora {
namespace {

// An exponent is set at 70 % of its base, a root's index at 55 %, as textbooks set them.
constexpr double kScale[] = {1.0, 0.7, 0.55};

std::size_t Slot(MathFace face) { return face.level * 2 + (face.bold ? 1 : 0); }

}  // namespace

FormulaFonts::FormulaFonts(const QFont& font, QPaintDevice* device)
    : base_(font), device_(device) {}

QFont FormulaFonts::font(MathFace face) const {
  QFont font = base_;
  const double scale = kScale[std::min<int>(face.level, 2)];
  if (base_.pixelSize() > 0)
    font.setPixelSize(std::max(1, qRound(base_.pixelSize() * scale)));
  else
    font.setPointSizeF(base_.pointSizeF() * scale);
  font.setBold(face.bold);
  font.setItalic(false);
  return font;
}

const QFontMetricsF& FormulaFonts::metrics(MathFace face) const {
  std::optional<QFontMetricsF>& slot = metrics_[Slot(face)];
  if (!slot) slot.emplace(font(face), device_);
  return *slot;
}

const FormulaFonts::Extent& FormulaFonts::extent(std::u16string_view text, MathFace face) const {
  QHash<QString, Extent>& known = extents_[Slot(face)];
  const QString key = ToQString(text);
  if (const auto found = known.constFind(key); found != known.cend()) return *found;
  // The runs of a few solutions are kept; the numbers of every click since the start are not.
  if (known.size() >= kKeptExtents) known.clear();
  // As the run is laid out when it is drawn: a face that stands in for some of its letters
  // measures them with its own advances and reaches.
  QTextLayout layout(key, font(face), device_);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  layout.endLayout();
  const Extent measured = line.isValid()
                              ? Extent{line.naturalTextWidth(), line.ascent(), line.descent()}
                              : Extent{0, 0, 0};
  return *known.insert(key, measured);
}

double FormulaFonts::ascent(MathFace face) const { return metrics(face).ascent(); }

double FormulaFonts::descent(MathFace face) const { return metrics(face).descent(); }

double FormulaFonts::advance(std::u16string_view text, MathFace face) const {
  return extent(text, face).advance;
}

double FormulaFonts::textAscent(std::u16string_view text, MathFace face) const {
  return std::max(ascent(face), extent(text, face).ascent);
}

double FormulaFonts::textDescent(std::u16string_view text, MathFace face) const {
  return std::max(descent(face), extent(text, face).descent);
}

void PaintFormula(QPainter& painter, const MathBox& box, QPointF origin, const FormulaFonts& fonts,
                  const QColor& ink) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(origin);
  for (const MathStroke& stroke : box.strokes) {
    QPen pen(ink, stroke.thickness, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    painter.setPen(pen);
    QPainterPath path;
    path.moveTo(stroke.points.front().x, stroke.points.front().y);
    for (std::size_t i = 1; i < stroke.points.size(); ++i)
      path.lineTo(stroke.points[i].x, stroke.points[i].y);
    painter.drawPath(path);
  }
  painter.setPen(ink);
  for (const MathRun& run : box.runs) {
    const bool words = run.kind == Math::Kind::Name || run.kind == Math::Kind::Words;
    QTextLayout layout(ToQString(run.text), fonts.font(run.face), painter.device());
    QTextOption option;
    option.setTextDirection(words ? Qt::RightToLeft : Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(run.width + fonts.ascent(run.face));  // never wraps
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    layout.draw(&painter, QPointF(run.x, run.baseline - line.ascent()));
  }
  painter.restore();
}

}  // namespace numora
