#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "numeric/Figure.h"
#include "numeric/Notation.h"
#include "numeric/Typeset.h"
#include "solution/Calculation.h"

class QPagedPaintDevice;

namespace numora {

// What a printout shows of a topic window's calculation.
struct PrintedCalculation {
  QString title;  // the topic
  Notation notation;
  FormulaDirection direction = FormulaDirection::LeftToRight;
  std::optional<Solution> solution;  // the solution shown, with the inputs it was computed from
  std::u16string outOfDate;          // why the solution is out of date, if it is
  Figure figure;                     // the solution's figure, if it has one
  std::vector<std::u16string> formulasInWords;  // before the first calculation
};

// The printout of a topic window's calculation, laid out right to left in the window's faces: the
// topic (the window's title) and the date; the problem the last calculation solved, stated with the
// pupil's numbers, and its figure, painted onto the page as lines and text, as the panel paints
// it; the boxes the calculation read, by their names, with their texts as the pupil typed them;
// the lines of its solution (steps, exact answers, reasons); and the answer last.
// Before the first calculation it holds each result's formula in words instead. A solution that an
// edit has made out of date is printed as the panel shows it, with the inputs it was computed
// from, under the sentence that says it is out of date.
//
// False when the device could not be painted on.
bool PrintCalculation(const PrintedCalculation& calculation, QPagedPaintDevice& device);

// The printout as a PDF file; false, and no file left behind, when it could not be written.
bool WritePdf(const PrintedCalculation& calculation, const QString& path);

}  // namespace numora
