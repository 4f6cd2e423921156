#pragma once

#include <functional>
#include <map>
#include <string_view>

#include "numeric/Figure.h"
#include "numeric/Typeset.h"
#include "practice/Exercise.h"
#include "practice/Worked.h"
#include "solution/Calculation.h"
#include "ui/frame/Fields.h"
#include "ui/frame/FormWindow.h"
#include "ui/solution/PracticePane.h"
#include "ui/solution/Printout.h"

class QFrame;
class QHBoxLayout;
class QVBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace numora {

class SolutionPanel;

// A topic window: a form whose calculate button runs one calculation (solution/Calculation.h)
// over its boxes and result fields. Its handler reads the boxes and says what it measures with
// which formula, in the order the window computes them:
//
//   readLength(radius, kRadius);
//   measure(area, CircleArea);
//
// Each result field shows its text whole (ShowWhole), and in its tooltip and accessible
// description the working behind it (FieldNotes). From the first calculation on, the panel "الحل"
// beside the layout shows the solution of the last one with the window's figure (SolutionPanel);
// F2 hides and shows it; where the pupil chose so in the settings, it stays closed at the first
// calculation until F2 or its button. Another notation leaves no result or solution written in the
// last one without saying so: they are out of date until the next click. A window that sets
// exercises has a bar under its layout to practise them (PracticePane; F4 starts, Escape leaves),
// and to ask for a worksheet.
//
// The window stays on its screen at every zoom: the panel goes below the layout where the screen
// is too narrow for it beside, the pane beside the layout where the screen is too short for it
// under, and what the screen still cannot hold scrolls, the control with the focus in view.
class TopicWindow : public FormWindow, private ResultView, private PracticeHost {
 protected:
  TopicWindow(const FormContext& context, const FormLook& look);

  // The calculate button: its click runs the handler as one calculation.
  QPushButton* addCalculateButton(const Control& row, std::function<void()> handler);
  // A result field and the formula that computes it.
  QLabel* addResult(const Control& row, const Formula& formula);
  QLineEdit* addResultBox(const Control& row, const Formula& formula, QWidget* container = nullptr);
  // A new formula for a result field, shown in words until it is computed.
  void showFormula(QWidget* result, const Formula& formula);
  // The window's figure, drawn from the numbers of each calculation.
  void setFigure(FigureOf figure) { figure_ = figure; }
  // The problem the window solves, stated from the numbers of each click at the head of its
  // solution, and how the answer that ends the solution writes a fraction.
  void setProblem(ProblemOf problem, AnswerForm form = AnswerForm::Decimals) {
    calculation_.setProblem(std::move(problem), form);
  }
  // The exercises the window sets for practice and worksheets, and the bar that offers them.
  void setExercises(ExerciseOf exercises);
  // What the window sets besides its boxes before an exercise is worked out (the temperature
  // window's conversion), and how to set it back as it was; nothing by default.
  virtual std::function<void()> prepare(const Exercise& exercise);

 public:
  // A box's undo history grows with every key typed into it, over any number of calculations: a
  // calculation after this many edits of a box since the last starts its history afresh.
  static constexpr int kUndoneEdits = 1000;

  // The solution panel, made at the first calculation (or the first F2); null until then.
  SolutionPanel* solutionPanel() const { return panel_; }
  void toggleSolution();
  // The practice bar and pane; null for a window that sets no exercises.
  PracticePane* practicePane() const { return practice_; }

  // What a printout of the window takes (ui/solution/Printout.h): the calculation, with the
  // solution it shows, and the figure of that solution.
  const Calculation& calculation() const { return calculation_; }
  // The window's exercises; null for a window that sets none.
  ExerciseOf exercises() const { return exercises_; }
  // An exercise worked out by the window's own handler, without showing anything or changing a
  // box: what the window would write, and the solution.
  WorkedExercise work(const Exercise& exercise);
  Figure solutionFigure() const;
  // The window's figure of a solution, such as the solution of a worked exercise.
  Figure figureOf(const Solution& solution) const;
  // What a printout of the calculation shows.
  PrintedCalculation printed() const;
  // How the window writes mathematics, and the direction its formulas are set in: the program's.
  Notation notation() const;
  FormulaDirection formulaDirection() const;
  // Ctrl+P: the print dialog, which also writes a PDF file where it is Qt's own (Linux).
  // Ctrl+Alt+P: Qt's print preview of the same pages, printed from its own button.
  // Ctrl+Shift+P: a PDF file, on every platform, since Windows' print dialog writes none.
  void print();
  void preview();
  void saveAsPdf();

 protected:
  // What a handler does, through the calculation under way.
  double read(QLineEdit* box, std::u16string_view quantity);
  double readLength(QLineEdit* box, std::u16string_view quantity);
  void noteInput(QLineEdit* box, std::u16string_view note);
  void forgetNotes(QLineEdit* box);
  void measure(QWidget* result, const Formula& formula);
  double value(const Formula& formula);
  void leaveOut(QWidget* result, std::u16string_view why);
  // A click that computes nothing, and what the pupil should do instead.
  void refuse(std::u16string_view sentence) { current_->refuse(sentence); }
  // The window's own message, in a box of the program's title.
  void message(std::u16string_view text) { current_->showMessage(text); }
  std::u16string numberText(double value) const;

 private:
  std::u16string text(FieldId box) const override;
  std::u16string name(FieldId box) const override;
  void setText(FieldId result, std::u16string_view text) override;
  void setWorking(FieldId field, std::u16string_view working) override;
  void setNote(FieldId box, std::u16string_view note) override;
  void setStale(FieldId result, std::u16string_view sentence) override;
  void showFault(const Fault& fault, std::u16string_view sentence) override;
  void showFailure(std::u16string_view what) override;
  void showMessage(std::u16string_view text) override;
  void showSolution(const Solution& solution) override;
  void setSolutionStale(std::u16string_view sentence) override;
  void announce(std::u16string_view sentence) override;

  void zoomed(double zoom) override;
  void placeOnScreen() override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  // Practice: the window holds an exercise's numbers while it lasts, and gives back what the
  // pupil had when it ends.
  WorkedExercise setExercise(const Exercise& exercise) override;
  void showWorked(const WorkedExercise& worked) override;
  void endExercises() override;
  std::u16string nameOf(FieldId field) const override { return name(field); }
  void say(const QString& sentence) override { FormWindow::announce(sentence); }
  void paneResized() override { arrange(); }
  void practiseControls(bool practising);

  void boxAdded(QLineEdit* box);
  void boundUndo();
  void noteCut(QLineEdit* box);  // a box read in a click that holds a text cut to its bound
  // Puts the panel beside the layout, or below it where the screen is too narrow for both, and the
  // pane under the layout, or beside it where the screen is too short for both; then fits the view
  // to the screen.
  void arrange();
  // The view as large as the window's parts, or as the screen where they are larger: they scroll.
  void fitToScreen();
  // Scrolls the control with the focus into view.
  void showFocus();
  // The screen's available size less the window's frame (framed_).
  QSize room();
  void printFailed(const QString& sentence);
  SolutionPanel& panel();
  // Moves the window left and up as far as it needs to be on the screen.
  void keepOnScreen();

  Calculation calculation_;
  // The calculation the handler works through: the window's, or an exercise's while it is worked
  // out.
  Calculation* current_ = &calculation_;
  std::function<void()> handler_;
  ExerciseOf exercises_ = nullptr;
  FieldNotes notes_;
  bool writing_ = false;             // the window is writing a result into a box: that is no edit
  std::map<QLineEdit*, int> edits_;  // of each box, since its undo history began
  FigureOf figure_ = nullptr;
  SolutionPanel* panel_ = nullptr;
  QScrollArea* view_ = nullptr;         // what the window shows of its parts
  QWidget* parts_ = nullptr;            // the layout, the pane and the panel, in the view
  QVBoxLayout* column_ = nullptr;       // of the parts: the row beside, then the panel below
  QHBoxLayout* beside_ = nullptr;       // the layout and, where there is room, the pane and panel
  QVBoxLayout* underLayout_ = nullptr;  // the layout and the practice bar under it
  bool arranging_ = false, fitting_ = false;
  QSize framed_;  // the frame the window's parts were last arranged for
  // The pane went beside the layout: it stays there until practice ends or the zoom changes,
  // rather than jump as its hints come and go.
  bool paneBeside_ = false;
  QPushButton* calculateButton_ = nullptr;
  PracticePane* practice_ = nullptr;
  QFrame* divider_ = nullptr;  // between the layout and the pane beside it
  // What practice changed, to be given back: each field as the pupil left it, the panel, and
  // how to set back what each exercise prepared, latest first.
  struct KeptField {
    QWidget* field;
    QString text;
    bool readOnly;
    QString working, note, stale;
  };
  std::vector<KeptField> kept_;
  std::vector<std::function<void()>> unprepare_;
  bool keptPanel_ = false, panelWasOpen_ = false, practising_ = false;
  Notation practiceNotation_;  // the window's when practice began
};

}  // namespace numora
