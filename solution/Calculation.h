#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "numeric/Exact.h"
#include "numeric/Fault.h"
#include "numeric/Formula.h"
#include "numeric/Notation.h"
#include "numeric/NumberWriting.h"
#include "numeric/Problem.h"
#include "numeric/Typeset.h"
#include "solution/Solution.h"

namespace numora {

// A field of a window as the calculation knows it: the window's own control, only compared.
using FieldId = const void*;

// What a calculation shows, through the window's controls.
class ResultView {
 public:
  virtual ~ResultView() = default;
  // A box's text, and its name for a sentence that points the pupil at it.
  virtual std::u16string text(FieldId box) const = 0;
  virtual std::u16string name(FieldId box) const = 0;
  // The window's own writing of a result field; it is not an edit. An empty text empties it.
  virtual void setText(FieldId result, std::u16string_view text) = 0;
  // The working behind a result field.
  virtual void setWorking(FieldId field, std::u16string_view working) = 0;
  // A note on how a box was read, shown with a mark on the box; an empty note takes it away.
  virtual void setNote(FieldId box, std::u16string_view note) = 0;
  // A result out of date, and why; an empty sentence: up to date.
  virtual void setStale(FieldId result, std::u16string_view sentence) = 0;
  // The box of a fault that stopped the calculation, with its plain sentence (maybe empty), and
  // of a failure that is no fault.
  virtual void showFault(const Fault& fault, std::u16string_view sentence) = 0;
  virtual void showFailure(std::u16string_view what) = 0;
  // A message of the window's own, in a box; the click goes on once the pupil has read it.
  virtual void showMessage(std::u16string_view text) = 0;
  // The solution of a click that computed or left out a result; it is up to date until an edit
  // makes it out of date, with the sentence that says so.
  virtual void showSolution(const Solution& solution) = 0;
  virtual void setSolutionStale(std::u16string_view sentence) = 0;
  // What a screen reader says at the end of a click, without the pupil moving to the results.
  virtual void announce(std::u16string_view sentence) = 0;
};

// The calculation of a topic window: each click of its calculate button reads the boxes, notes
// what was not read whole, computes and writes the results in the order the window's handler
// measures them, and leaves out what it cannot compute, saying why in each result's working.
//
// One click, run(): every result is up to date again and expects its value. The handler reads
// its boxes (read, readLength) and measures each result with its formula (measure), or leaves
// one out (leaveOut). A fault stops the handler where it stands: its box says in a plain sentence
// what went wrong, and every result the click has not written is emptied (never a box the
// calculation read) and its working says that it was not computed and why. Once the results are
// computed, editing a box that was read shows them as out of date until the next click.
class Calculation {
 public:
  Calculation(ResultView& view, Notation notation);
  // A calculation of the same window (its results and their formulas, its problem, its button)
  // that shows what it computes through another view, with no click behind it yet: an exercise
  // worked out without showing it.
  Calculation(const Calculation& window, ResultView& view);

  // A result field and its formula, whose words its working shows until it is computed. A
  // result's formula may change, as the temperature box's follows the chosen conversion.
  void show(FieldId result, const Formula& formula);
  // The problem the window solves, stated from the numbers of each click, and how its answer
  // writes a fraction.
  void setProblem(ProblemOf problem, AnswerForm form) {
    problem_ = std::move(problem);
    answerForm_ = form;
  }
  // The caption of the window's calculate button, for the sentence of an out-of-date result.
  void setButtonCaption(std::u16string caption) { buttonCaption_ = std::move(caption); }

  // One click: the handler, with what every calculation does around it.
  void run(const std::function<void()>& handler);

  // A box's number, read leniently with the decimal separator, under the quantity's name. A box
  // whose text was not read whole (empty, no number, text after the number) gets a note that
  // says which number was used and what was ignored.
  double read(FieldId box, std::u16string_view quantity);
  // A length: read the same way, and a negative one is computed as it stands but noted.
  double readLength(FieldId box, std::u16string_view quantity);
  // Adds a note to a box read in this click; forget() takes a box's notes away once they no
  // longer hold (the pupil did what a refused click asked).
  void note(FieldId box, std::u16string_view note);
  void forget(FieldId box);

  // Computes a result with its formula, tests it for faults and writes it, with its working.
  void measure(FieldId result, const Formula& formula);
  // A formula's value, kept under its name for the workings, without writing it anywhere.
  double value(const Formula& formula);
  // A result this click does not compute, and why; it is emptied.
  void leaveOut(FieldId result, std::u16string_view why);
  // A click that cannot compute anything (nothing chosen to compute), and what the pupil should
  // do, in one sentence: the solution and the screen reader say it.
  void refuse(std::u16string_view sentence);
  // The window's own message, shown where the handler stands.
  void showMessage(std::u16string_view text) { view_.showMessage(text); }

  // The pupil changed a box.
  void edited(FieldId box);
  // Whether a field is one of the window's results (the temperature box is both), and its
  // formula, the last one shown.
  bool showsResult(FieldId field) const;
  const Formula* formulaOf(FieldId field) const;

  std::u16string numberText(double value) const;

  // The digits and separator the calculation writes its numbers in.
  Notation notation() const { return notation_; }
  // The next click writes in another notation.
  void setNotation(Notation notation) { notation_ = notation; }
  // The program writes in another notation from now on: a result's working that shows its
  // formula's words is written again in it, and what a click wrote in another notation (its
  // results, the solution) is out of date until the next click. Another direction alone changes
  // no words: the next click takes it.
  void renotate(Notation notation);

  // The solution the window shows, once a click has shown one.
  const std::optional<Solution>& shownSolution() const { return shown_; }
  // Why the shown solution is out of date (an edit since its click); empty while it is not.
  const std::u16string& outOfDate() const { return outOfDate_; }
  // Each result's formula in words, in the order the results were shown.
  std::vector<std::u16string> formulasInWords() const;

 private:
  struct Result {
    FieldId field;
    const Formula* formula;
  };
  // Where a fault was raised: reading a box, or computing a formula and which of its stages.
  struct Place {
    FieldId box = nullptr;
    const Formula* formula = nullptr;
    std::u16string stage = {};
  };

  // Keeps a result field's formula, the field's first or a new one.
  void remember(FieldId result, const Formula& formula);
  Result* find(FieldId field);
  const Result* find(FieldId field) const;
  double evaluate(const Formula& formula);
  void done(FieldId result, const std::u16string& working);
  // The steps of a formula in the solution, its stages once per click; an empty result is
  // written from the value.
  void addSteps(const Formula& formula, std::u16string_view resultText);
  // Whether the line was added: a text the solution has already said is not.
  bool addLine(SolutionLine::Kind kind, std::u16string text,
               std::optional<Math> formula = std::nullopt);
  // The note under the last exact answer in terms of π, where the click gave one.
  void notePi();
  // A result measured, for the answer: its decimal, the exact answer the solution shows beside it
  // and its exact value.
  void answered(const Formula& formula, const std::u16string& text,
                const std::optional<ExactNumber>& exact, const std::optional<Math>& exactAnswer);
  struct Answer;
  Answer answerOf(const Formula& formula, const std::u16string& text,
                  const std::optional<ExactNumber>& exact,
                  const std::optional<Math>& exactAnswer) const;
  // The problem before the click's lines and, unless it stopped, the answer after them.
  void poseAndAnswer();
  void showSolution();
  void stop(std::u16string_view why);
  // What the screen reader says after the click: each result written with its name, the first
  // reason a result was left out and the first note on a box; or why the click stopped.
  std::u16string announcement() const;
  std::u16string faultSentence(const Fault& fault) const;

  ResultView& view_;
  Notation notation_;
  std::u16string buttonCaption_ = u"احسب";
  std::vector<Result> results_;  // in the order they were shown
  std::set<FieldId> readBoxes_;  // every box a calculation has read
  std::set<FieldId> worked_;     // the results whose working a click wrote, not their formula's
  std::map<FieldId, std::u16string> notes_;
  std::optional<Solution> shown_;  // the last solution shown
  std::u16string outOfDate_;       // why it is out of date, once an edit has made it so
  ProblemOf problem_;
  AnswerForm answerForm_ = AnswerForm::Decimals;

  // A result measured, for the answer.
  struct Answer {
    std::u16string name;
    std::u16string text;
    Math formula;
  };
  // What one click gathers as it runs; each click begins with a new one.
  struct Click {
    std::vector<FieldId> pending;  // the results not written yet
    Values values;
    Place place;
    Solution solution;                   // of the click under way, or of the last one
    std::set<std::u16string> said;       // the steps and sentences the solution has, each said once
    std::vector<FieldId> read;           // the boxes, in the order they were read
    std::vector<std::u16string> spoken;  // the results with their names
    std::u16string firstReason;
    // Where the last exact answer in terms of π stands in the solution's lines.
    std::optional<std::size_t> lastPiAnswer;
    bool wholeInputs = true;      // every number read is whole
    std::vector<Answer> answers;  // in the order they were measured
    // The click has run to its end: its results stand, and an edited box makes them out of date.
    bool ended = false;
  };
  Click click_;
};

}  // namespace numora
