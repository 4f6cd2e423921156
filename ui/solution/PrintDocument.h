#pragma once

#include <QFont>
#include <QString>
#include <QTextBlockFormat>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

#include "numeric/Figure.h"
#include "numeric/Typeset.h"
#include "solution/Solution.h"
#include "ui/frame/Services.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace numora {

class FigureObject;
class RulesObject;
class FormulaObject;

// How far a long piece of work has come, in steps of a whole it knows; false when it is to stop.
using Progress = std::function<bool(int done, int total)>;

// A document on paper or in a PDF file, right to left in the windows' faces, as the printouts of
// a calculation and of a worksheet set it: headings and lines of text, a solution's lines
// typeset as the panel sets them, figures painted as lines and text, room to write in, new pages,
// and parts that stay on one page where they fit on one.
//
// What runs from one new page to the next is laid out once, as one long column a page wide, and
// its pages are cut out of that column between its parts; each page is drawn from its own blocks,
// and the run is painted and let go as soon as the next one begins. So the time grows with the
// pages and no faster, and the memory holds one run at a time.
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
  // Ruled lines to write on, across the text's width, a handwritten line apart.
  void rules(int count);
  // A figure beside what is written next, up to endBeside: the figure on the left in a room of the
  // given size in centimetres, the text on the right in what the figure leaves of the width.
  void beside(const Figure& figure, FormulaDirection direction, qreal width, qreal height);
  void endBeside();
  // The line at the foot of every page of this run and the next ones, from the page's number in
  // its run and the run's pages; none when empty.
  using Footer = std::function<QString(int page, int pages)>;
  void footer(Footer text);
  // What is written next begins a new page; what was written before is painted now.
  void newPage();
  // What is written from here to endTogether (or to the end) stays on one page where it fits on
  // one: a short part is not split over a page break.
  void keepTogether();
  void endTogether();

  // The rest painted and the document ended. False when the device could not be painted on, now
  // or at an earlier new page.
  bool paint();
  // The document stopped unfinished: a printer's job is cancelled rather than sent in part.
  void abandon();

 private:
  struct Run;
  void newBlock(QTextBlockFormat format);
  void paintFooter(int page, int pages);
  int nextBlock() const;
  void startRun();
  bool paintRun();

  QPagedPaintDevice& device_;
  QFont font_;
  QTextBlockFormat paragraph_;
  std::unique_ptr<FormulaObject> formulas_;
  std::unique_ptr<FigureObject> figures_;
  std::unique_ptr<RulesObject> rules_;
  Footer footer_;
  qreal column_ = 0;  // the width the text is written in: the page's, or beside a figure less
  std::unique_ptr<Run> run_;
  std::unique_ptr<QPainter> painter_;
  bool failed_ = false;
};

// A PDF file of A4 pages with the program's margins, painted by the given function. Written beside
// the file and put in its place only once complete: false, with the file that was there as it was
// and nothing else left behind, when it could not be written or the painting stopped.
bool WritePdfFile(const QString& path, const QString& title,
                  const std::function<bool(QPagedPaintDevice&)>& paint);

// Qt's print dialog under the given title, then the pages painted on the chosen printer (or the
// file the dialog writes on Linux). The sentence that says what failed; empty when the pages were
// printed or the dialog was cancelled.
QString PrintThroughDialog(QWidget* parent, const QString& dialogTitle, const QString& documentName,
                           const std::function<bool(QPagedPaintDevice&)>& paint);
// The pages painted on a printer the print dialog has set up. A printer that prints to a file
// writes a file beside it, and only a whole PDF, read back to its end, takes the file's place: the
// file that was there stays as it was when the pages could not be written. The sentence that
// says what failed; empty when the pages were printed.
QString PrintOn(QPrinter& printer, const std::function<bool(QPagedPaintDevice&)>& paint);
// The PDF file's path the user chose, ending in ".pdf"; empty when the dialog was cancelled.
// The suffix is settled first and the question whether to replace a file is asked of the name
// that will be written; "no" opens the file dialog again.
QString AskPdfPath(QWidget* parent, MessageBoxes& messages, const QString& dialogTitle,
                   const QString& suggestedName);
// The name with ".pdf" added where it lacks it.
QString WithPdfSuffix(const QString& path);
// The sentence of a file that could not be written.
QString NotWritten(const QString& path);

}  // namespace numora
