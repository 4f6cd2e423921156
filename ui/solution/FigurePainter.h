#pragma once

#include <QRectF>
#include <QString>

#include "numeric/Figure.h"
#include "numeric/Typeset.h"

class QPainter;
class QPalette;

namespace numora {

// Paints a figure to scale into the area, in the painter's font and the palette's colours: the
// drawing with its labels, caption and note, or the sentence saying why it is not drawn. The
// painter may be a widget's, a picture's or a printer's; its units are taken as a screen's pixels
// (lines of 1 and 2 units, times the scale: a window's zoom). Each label stands where it touches
// no line and no other label; a pair of coordinates reads in the direction of the formulas.
void PaintFigure(QPainter& painter, const QRectF& area, const Figure& figure,
                 const QPalette& colours, qreal scale = 1,
                 FormulaDirection direction = FormulaDirection::LeftToRight);

// What is painted of a figure: nothing for an empty one, the drawing, or the sentence saying why
// it is not drawn.
enum class Painted { Nothing, Drawing, Sentence };
Painted PaintedOf(const Figure& figure, QString& sentence);

}  // namespace numora
