#pragma once

#include <QTextBrowser>
#include <QWidget>
#include <memory>

#include "numeric/Figure.h"
#include "numeric/Typeset.h"
#include "solution/Calculation.h"

class QLabel;
class QToolButton;

namespace numora {

class FigureView;

class FormulaFonts;

// The steps of a solution, typeset, in a text browser that holds them as text: each line of the
// document is a line of the solution as a screen reader reads it and a copy takes it, and the
// formula drawn in its place. The arrow keys go from line to line and the current line is
// framed; a selection marks its lines whole.
class SolutionText final : public QTextBrowser {
 public:
  explicit SolutionText(QWidget* parent);

  void setSolution(const std::vector<SolutionLine>& lines, FormulaDirection direction, double zoom);
  // Greys the ink of an out-of-date solution, or gives it back. The palette stays as it is: a
  // palette set anew at each edit would leave its own copies of the scroll bar's pictures in the
  // style's cache.
  void setStale(bool stale);
  // The lines as they are drawn, in the viewport's pixels, with the top of each.
  const std::vector<SetSolutionLine>& setLines() const { return set_; }
  FormulaDirection direction() const { return direction_; }
  // Where the line at an index starts, in the viewport.
  QRectF lineRect(int index) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  QMimeData* createMimeDataFromSelection() const override;

 private:
  double room() const;
  // Scrolls as little as shows the line of the cursor whole.
  void showCurrentLine();
  // The faces of the text's font, measured once for every line.
  const FormulaFonts& fonts();

  std::vector<SolutionLine> lines_;
  std::vector<SetSolutionLine> set_;
  FormulaDirection direction_ = FormulaDirection::LeftToRight;
  double zoom_ = 1;
  bool stale_ = false;
  QColor highlight_;
  std::shared_ptr<FormulaFonts> fonts_;
  QFont fontsFor_;
};

// The panel "الحل" beside a topic window's layout: the solution of the last calculation (its
// steps, exact answers and reasons, as text that can be selected, copied and read line by line)
// and its figure drawn to scale. It opens with the first solution; the pupil hides and shows it
// with its button or the window's key, and then only its button stays beside the layout.
class SolutionPanel : public QWidget {
 public:
  SolutionPanel(QWidget* parent, FigureOf figureOf, Notation notation, int height,
                FormulaDirection direction);

  void showSolution(const Solution& solution);
  // No solution, as before the first calculation: practice hides the pupil's own while the boxes
  // hold an exercise's numbers.
  void clear();
  const Solution& solution() const { return solution_; }
  // Out of date after an edit, with the sentence that says so; empty: up to date.
  void setStale(const QString& sentence);

  // Sizes the panel, its text and its figure for a zoom, beside a layout of that height, and
  // writes the solution again at the size of the text's font now.
  void setZoom(double zoom, int height);
  // The direction the steps are set in; the button beside them asks for the other one.
  void setDirection(FormulaDirection direction);
  // The width of the panel when it is open, at the zoom.
  int openWidth() const;
  // The height of the open panel: the layout's beside it, what the screen has left below it; never
  // less than its smallest at the zoom, which shows a few lines of the steps and a figure.
  void setOpenHeight(int height);
  int smallestHeight() const;
  // Below the layout rather than beside it: closed, it is only as high as its button.
  void setBelow(bool below);

  bool isOpen() const;
  void setOpen(bool open);
  void toggle() { setOpen(!isOpen()); }

  QToolButton* toggleButton() const { return toggle_; }
  QToolButton* directionButton() const { return direction_; }
  SolutionText* text() const { return text_; }
  FigureView* figure() const { return figure_; }
  QLabel* staleNote() const { return stale_; }
  // A quiet line under the direction's button: the sentence that says the choice is not kept.
  void showNotKept(const QString& sentence);
  QLabel* notKeptNote() const { return notKept_; }

 private:
  void drawFigure();
  void writeSteps();
  void fitHeight();

  FigureOf figureOf_;
  Notation notation_;
  QToolButton* toggle_;
  QWidget* body_;
  QLabel* stale_;
  QToolButton* direction_;
  QLabel* notKept_;
  SolutionText* text_;
  FigureView* figure_;
  Solution solution_;
  bool figureDrawn_ = true;  // the figure shows the last solution
  double zoom_ = 1.0;
  FormulaDirection formulas_;
  int openHeight_ = 0;
  bool below_ = false;
};

}  // namespace numora
