#pragma once

#include <QWidget>

#include "app/frame/Calculation.h"
#include "numeric/Figure.h"

class QLabel;
class QPaintDevice;
class QTextBrowser;
class QTextCursor;
class QToolButton;

namespace numora {

class FigureView;

// The figure of a solution: the topic's, from the numbers of its click, or the sentence saying why
// it is not drawn when the click stopped.
Figure FigureOfSolution(const Solution& solution, FigureOf figureOf, Numerals numerals);

// Writes a solution's lines at the cursor, a right-to-left paragraph each, as the panel sets them
// out (an exact answer in bold, a reason in italics, the rows after a step's first indented), in
// the font's lines as laid out on the device (the screen where it is null). An empty paragraph at
// the cursor takes the first line. Its indents and gaps are a screen's pixels times the scale.
void WriteSolutionLines(QTextCursor& cursor, const std::vector<SolutionLine>& lines,
                        const QFont& font, QPaintDevice* device = nullptr, qreal scale = 1);

// The panel "الحل" beside a topic window's layout: the solution of the last calculation (its
// steps, exact answers and reasons, as text that can be selected, copied and read line by line)
// and its figure drawn to scale. It opens with the first solution; the pupil hides and shows it
// with its button or the window's key, and then only its button stays beside the layout.
class SolutionPanel : public QWidget {
 public:
  SolutionPanel(QWidget* parent, FigureOf figureOf, Numerals numerals, int height);

  void showSolution(const Solution& solution);
  // Out of date after an edit, with the sentence that says so; empty: up to date.
  void setStale(const QString& sentence);

  // Sizes the panel, its text and its figure for a zoom, beside a layout of that height, and
  // writes the solution again at the size of the text's font now.
  void setZoom(double zoom, int height);

  bool isOpen() const;
  void setOpen(bool open);
  void toggle() { setOpen(!isOpen()); }

  QToolButton* toggleButton() const { return toggle_; }
  QTextBrowser* text() const { return text_; }
  FigureView* figure() const { return figure_; }
  QLabel* staleNote() const { return stale_; }

 private:
  void drawFigure();
  void writeSteps();

  FigureOf figureOf_;
  Numerals numerals_;
  QToolButton* toggle_;
  QWidget* body_;
  QLabel* stale_;
  QTextBrowser* text_;
  FigureView* figure_;
  Solution solution_;
  bool figureDrawn_ = true;  // the figure shows the last solution
  double zoom_ = 1.0;
};

}  // namespace numora
