#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPointF>
#include <array>
#include <optional>

#include "numeric/Typeset.h"

class QPainter;
class QPaintDevice;

namespace numora {

// The faces a formula is set in: the given font for the text, smaller sizes of it for exponents
// and a root's index, bold for an exact answer; measured on the device the formula is drawn on
// (a screen where it is null, else a printer or a PDF file).
class FormulaFonts final : public MathMetrics {
 public:
  explicit FormulaFonts(const QFont& font, QPaintDevice* device = nullptr);

  QFont font(MathFace face) const;

  double advance(std::u16string_view text, MathFace face) const override;
  double ascent(MathFace face) const override;
  double descent(MathFace face) const override;
  double textAscent(std::u16string_view text, MathFace face) const override;
  double textDescent(std::u16string_view text, MathFace face) const override;

 private:
  const QFontMetricsF& metrics(MathFace face) const;
  // A run's advance, ascent and descent as it is laid out, measured once: up to this many runs of
  // a face are kept, and then measured anew.
  static constexpr int kKeptExtents = 2048;
  struct Extent {
    double advance, ascent, descent;
  };
  const Extent& extent(std::u16string_view text, MathFace face) const;

  QFont base_;
  QPaintDevice* device_;
  mutable std::array<std::optional<QFontMetricsF>, 6> metrics_;
  mutable std::array<QHash<QString, Extent>, 6> extents_;
};

// Draws a laid-out formula with its left edge and baseline at the origin: each run of text as one
// word (a name right to left, a number or a sign left to right), and the bars, radical signs and
// parentheses as lines of the pen, so that they need no glyph and grow with the font.
void PaintFormula(QPainter& painter, const MathBox& box, QPointF origin, const FormulaFonts& fonts,
                  const QColor& ink);

}  // namespace numora
