#pragma once

#include <QFont>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>
#include <utility>
#include <vector>

class QWidget;

#include "numeric/Figure.h"
#include "numeric/Typeset.h"
#include "solution/Solution.h"

class QPagedPaintDevice;

namespace numora {

class FigureObject;
class FormulaObject;

// A document on paper or in a PDF file, right to left in the windows' faces, as the printouts of
// a calculation and of a worksheet set it: headings and lines of text, a solution's lines
// typeset as the panel sets them, figures painted as lines and text, room to write in, new pages,
// and parts that stay on one page where they fit on one.
class PrintDocument {
 public:
  explicit PrintDocument(QPagedPaintDevice& device);
  ~PrintDocument();
  PrintDocument(const PrintDocument&) = delete;
  PrintDocument& operator=(const PrintDocument&) = delete;

  void title(const QString& text);
  void heading(const QString& text);
  void line(const QString& text, bool bold = false);
  // Each row of a formula a line of its own, typeset in the direction asked for; a reason a
  // sentence in italics, the problem in words in bold, a note upright.
  void solution(const std::vector<SolutionLine>& lines, FormulaDirection direction);
  // A figure in the middle of the line, in a room of the given size in centimetres, never wider
  // than the page.
  void figure(const Figure& figure, FormulaDirection direction, qreal width = 13, qreal height = 8);
  // Empty room to write in, in centimetres.
  void space(qreal height);
  // What is written next begins a new page.
  void newPage() { newPage_ = true; }
  // What is written from here to endTogether (or to the end) stays on one page where it fits on
  // one: a short part is not split over a page break.
  void keepTogether();
  void endTogether();

  // Page after page, each in its own part of the laid-out document. False when the device could
  // not be painted on.
  bool paint();

 private:
  void newBlock(QTextBlockFormat format);
  int nextBlock() const;

  QPagedPaintDevice& device_;
  QFont font_;
  QTextDocument document_;
  QTextCursor cursor_{&document_};
  QTextBlockFormat paragraph_;
  FormulaObject* formulas_;
  FigureObject* figures_;
  bool newPage_ = false;
  bool empty_ = true;  // nothing written yet: the first block is still to fill
  // The parts kept on one page, by their first and last blocks; -1 for the last block there is.
  std::vector<std::pair<int, int>> together_;
};

// A PDF file of A4 pages with the program's margins, painted by the given function; false, and no
// file left behind, when it could not be written.
bool WritePdfFile(const QString& path, const QString& title,
                  const std::function<bool(QPagedPaintDevice&)>& paint);

// Qt's print dialog under the given title, then the pages painted on the chosen printer (or the
// file the dialog writes on Linux). The sentence that says what failed; empty when the pages were
// printed or the dialog was cancelled.
QString PrintThroughDialog(QWidget* parent, const QString& dialogTitle, const QString& documentName,
                           const std::function<bool(QPagedPaintDevice&)>& paint);
// The PDF file's path the user chose, ending in ".pdf"; empty when the dialog was cancelled.
QString AskPdfPath(QWidget* parent, const QString& dialogTitle, const QString& suggestedName);
// The sentence of a file that could not be written.
QString NotWritten(const QString& path);

}  // namespace numora
