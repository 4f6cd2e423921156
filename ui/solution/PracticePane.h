#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "practice/Round.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace numora {

class Choices;

// What practice asks of the window it runs in.
class PracticeHost {
 public:
  virtual ~PracticeHost() = default;
  // Sets the exercise in the window: its numbers in the boxes, read-only, and no result; returns
  // it worked out by the window's own handler. The first one keeps what the pupil had.
  virtual WorkedExercise setExercise(const Exercise& exercise) = 0;
  // The solution of the exercise: its results in the window's fields, its steps in the panel.
  virtual void showWorked(const WorkedExercise& worked) = 0;
  // Gives back the boxes, results and panel as the pupil had them before practice began.
  virtual void endExercises() = 0;
  virtual std::u16string nameOf(FieldId field) const = 0;
  virtual void say(const QString& sentence) = 0;
  // The pane has a new height (a hint shown, practice begun or ended): the window places it again.
  virtual void paneResized() = 0;
};

// The slim bar under a topic window's layout: "تدرّب" starts practice, "ورقة تمارين" asks the
// program for a worksheet where it prints them. In practice it is the pane of the round: the
// level and the run's number, the problem, a box per asked result with its verdict, the hint,
// the solution, the next exercise and the tally of the sitting. The pane's controls are made at
// the first practice, so that a window that is never practised costs only its two buttons.
class PracticePane final : public QWidget {
 public:
  // The level a pane's first run is at is the one kept in the choices, where there are choices,
  // and the level chosen is kept there for the next pane and the next run of the program.
  PracticePane(QWidget* parent, PracticeHost& host, ExerciseOf exercises, Notation notation,
               FormulaDirection direction, bool worksheets, Choices* choices = nullptr);
  // Sizes the bar or pane to the layout's width at the window's font: as high as its wrapped
  // sentences need, its boxes as wide as the numbers they take.
  void fit(int width, double zoom);
  // The least width its controls take as the last fit arranged them.
  int narrowest() const;
  // The direction a hint's step is set in, the program's.
  void setDirection(FormulaDirection direction);
  // The notation of the next run, the program's.
  void setNotation(Notation notation) { notation_ = notation; }

  bool practising() const { return practising_; }
  void start();
  void leave();

  QPushButton* startButton() const { return start_; }
  QPushButton* worksheetButton() const { return worksheet_; }
  // Null before the first practice.
  QLineEdit* answerBox(std::size_t index) const;
  QPushButton* hintButton() const { return hintButton_; }
  QPushButton* solutionButton() const { return solutionButton_; }
  QPushButton* nextButton() const { return nextButton_; }
  QPushButton* leaveButton() const { return leaveButton_; }
  QLineEdit* seedBox() const { return seed_; }
  QPushButton* newRunButton() const { return newRun_; }
  QComboBox* levelBox() const { return level_; }
  const PracticeRound* round() const { return round_.get(); }

 private:
  class StepView;
  struct AnswerRow {
    QLabel* name;
    QLineEdit* box;
    QLabel* mark;
    QLabel* verdict;
    std::optional<Verdict> shown = std::nullopt;  // the verdict the mark shows
  };
  void build();
  // A new run at the chosen level from the typed number, or from a new one where none was typed.
  void newRun();
  void nextExercise();
  void check();
  void hint();
  void showSolution();
  void showHint(const StepHint& hint);
  void showTally();
  void fitHeight();
  void fitControls();
  void setMark(AnswerRow& row, std::optional<Verdict> verdict, const std::u16string& sentence);
  QString number(std::uint64_t value) const;

  PracticeHost& host_;
  ExerciseOf exercises_;
  Choices* choices_;
  Notation notation_;
  FormulaDirection direction_;
  bool practising_ = false;
  double zoom_ = 1.0;
  std::unique_ptr<PracticeRound> round_;
  Tally earlier_;  // the sitting's runs before this one

  QWidget* bar_;
  QPushButton* start_;
  QPushButton* worksheet_ = nullptr;
  // The pane, made at the first practice.
  QWidget* pane_ = nullptr;
  QComboBox* level_ = nullptr;
  QLineEdit* seed_ = nullptr;
  QPushButton* newRun_ = nullptr;
  QLabel* problem_ = nullptr;
  StepView* problemFormula_ = nullptr;  // the problem where it is an equation
  QLabel* instruction_ = nullptr;
  QWidget* answers_ = nullptr;
  std::vector<AnswerRow> rows_;
  QLabel* hintSentence_ = nullptr;
  StepView* hintRow_ = nullptr;
  QGridLayout* buttons_ = nullptr;
  QPushButton* checkButton_ = nullptr;
  QPushButton* hintButton_ = nullptr;
  QPushButton* solutionButton_ = nullptr;
  QPushButton* nextButton_ = nullptr;
  QPushButton* leaveButton_ = nullptr;
  QLabel* tally_ = nullptr;
};

}  // namespace numora
