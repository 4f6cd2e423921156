#include "solution/Calculation.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "numeric/Exact.h"
#include "numeric/Figure.h"
#include "numeric/NumberReading.h"
#include "numeric/NumberWriting.h"
#include "numeric/Working.h"

namespace numora {
namespace {

std::u16string Widen(std::string_view text) {
  std::u16string out;
  for (const char c : text) out += static_cast<char16_t>(static_cast<unsigned char>(c));
  return out;
}

// The last of an exact answer's forms, the one a textbook answers with: 37 7/9 of "340/9 = 37 7/9".
Math LastForm(const Math& answer) {
  if (answer.kind() != Math::Kind::Row) return answer;
  const auto& parts = answer.parts();
  const auto relation = std::find_if(parts.rbegin(), parts.rend(), [](const Math& part) {
    return part.kind() == Math::Kind::Sign && !part.prefix() && part.text() == u"=";
  });
  return relation == parts.rend() ? answer : MathRow({relation.base(), parts.end()});
}

// A half written "½" in the text, as a textbook and the solution's own formulas write it; it is
// typeset as any fraction is.
Math WithHalves(const Math& math, Notation notation) {
  switch (math.kind()) {
    case Math::Kind::Fraction:
      return math[0].text() == notation.digits(u"1") && math[1].text() == notation.digits(u"2")
                 ? MathFraction(math[0], math[1], false)
                 : math;
    case Math::Kind::Row: {
      std::vector<Math> parts;
      for (const Math& part : math.parts()) parts.push_back(WithHalves(part, notation));
      return MathRow(std::move(parts));
    }
    case Math::Kind::Mixed:
      return MathMixed(math[0], WithHalves(math[1], notation));
    default:
      return math;
  }
}

}  // namespace

Calculation::Calculation(ResultView& view, Notation notation) : view_(view), notation_(notation) {}

Calculation::Calculation(const Calculation& window, ResultView& view)
    : view_(view),
      notation_(window.notation_),
      buttonCaption_(window.buttonCaption_),
      results_(window.results_),
      problem_(window.problem_),
      answerForm_(window.answerForm_) {}

std::u16string Calculation::numberText(double value) const {
  return NumberToText(value, notation_);
}

const Calculation::Result* Calculation::find(FieldId field) const {
  const auto at = std::find_if(results_.begin(), results_.end(),
                               [field](const Result& result) { return result.field == field; });
  return at == results_.end() ? nullptr : &*at;
}

Calculation::Result* Calculation::find(FieldId field) {
  return const_cast<Result*>(std::as_const(*this).find(field));
}

bool Calculation::showsResult(FieldId field) const { return find(field) != nullptr; }

const Formula* Calculation::formulaOf(FieldId field) const {
  const Result* result = find(field);
  return result != nullptr ? result->formula : nullptr;
}

void Calculation::remember(FieldId result, const Formula& formula) {
  if (Result* known = find(result))
    known->formula = &formula;
  else
    results_.push_back({result, &formula});
}

void Calculation::show(FieldId result, const Formula& formula) {
  remember(result, formula);
  worked_.erase(result);
  view_.setWorking(result, InWords(formula, notation_));
}

void Calculation::run(const std::function<void()>& handler) {
  click_ = {};
  for (const Result& result : results_) {
    view_.setStale(result.field, {});
    click_.pending.push_back(result.field);
  }
  // Stopped: the results not yet written are left out for the reason, and the solution says why
  // in the plain sentence where there is one.
  const auto failed = [this](std::u16string_view reason, std::u16string_view sentence) {
    stop(reason);
    if (!sentence.empty()) addLine(SolutionLine::Kind::Reason, std::u16string(sentence));
    click_.solution.stopped = true;
    click_.solution.why = sentence.empty() ? reason : sentence;
    poseAndAnswer();
    showSolution();
    view_.announce(click_.solution.why);
  };
  RunGuarded(
      [&] {
        handler();
        // A click that computed, left out or refused nothing keeps the last solution.
        if (click_.pending.size() < results_.size() || click_.solution.stopped) {
          poseAndAnswer();
          showSolution();
          view_.announce(announcement());
        }
      },
      [&](const Fault& fault) {
        // The steps of the formula under way, as far as they go, and the plain sentence.
        if (click_.place.formula != nullptr) addSteps(*click_.place.formula, {});
        const std::u16string sentence = faultSentence(fault);
        failed(StopReason(fault, notation_), sentence);
        view_.showFault(fault, sentence);
      },
      [&](std::string_view failure) {
        const std::u16string what = Widen(failure);
        failed(u"توقف الحساب عند خطأ في وقت التشغيل (" + what + u")", {});
        view_.showFailure(what);
      });
  // A result the handler did not reach without a fault keeps what it showed.
  click_.pending.clear();
  click_.ended = true;
}

std::u16string Calculation::announcement() const {
  if (click_.solution.stopped) return click_.solution.why;
  std::u16string said;
  const auto add = [&said](std::u16string_view separator, const std::u16string& part) {
    if (part.empty()) return;
    if (!said.empty()) said += separator;
    said += part;
  };
  for (const std::u16string& result : click_.spoken) add(u"، ", result);
  const auto noted = std::find_if(click_.read.begin(), click_.read.end(), [this](FieldId box) {
    const auto found = notes_.find(box);
    return found != notes_.end() && !found->second.empty();
  });
  if (noted != click_.read.end()) add(u" ", notes_.at(*noted));
  add(u" ", click_.firstReason);
  return said;
}

void Calculation::poseAndAnswer() {
  if (problem_) {
    if (std::optional<Problem> problem = problem_(click_.values, notation_)) {
      click_.solution.lines.insert(
          click_.solution.lines.begin(),
          {SolutionLine::Kind::Problem, std::move(problem->text), std::move(problem->formula)});
      if (click_.lastPiAnswer) ++*click_.lastPiAnswer;  // the note goes under the same answer
    }
  }
  if (click_.solution.stopped) return;
  const std::vector<Answer>& answers = click_.answers;
  // Results of one name are the answers of one question: the roots of an equation.
  for (std::size_t first = 0; first < answers.size();) {
    std::size_t last = first + 1;
    while (last < answers.size() && answers[last].name == answers[first].name) ++last;
    std::u16string text;
    std::vector<Math> parts;
    std::set<std::u16string> written;
    for (std::size_t i = first; i < last; ++i) {
      if (!written.insert(answers[i].text).second) continue;  // a double root is one answer
      if (!parts.empty()) {
        text += u" أو ";
        parts.push_back(MathWords(u"أو"));
      }
      text += answers[i].text;
      parts.push_back(answers[i].formula);
    }
    click_.solution.lines.push_back({SolutionLine::Kind::Answer, std::move(text), MathRow(parts)});
    first = last;
  }
}

void Calculation::showSolution() {
  notePi();
  click_.solution.values = click_.values;
  shown_ = click_.solution;
  outOfDate_.clear();
  view_.showSolution(click_.solution);
}

std::vector<std::u16string> Calculation::formulasInWords() const {
  std::vector<std::u16string> words;
  for (const Result& result : results_) words.push_back(InWords(*result.formula, notation_));
  return words;
}

bool Calculation::addLine(SolutionLine::Kind kind, std::u16string text,
                          std::optional<Math> formula) {
  // Results left out for one reason say it once.
  if (!click_.said.insert(text).second) return false;
  click_.solution.lines.push_back({kind, std::move(text), std::move(formula)});
  return true;
}

void Calculation::notePi() {
  if (!click_.lastPiAnswer) return;
  const auto at =
      click_.solution.lines.begin() + static_cast<std::ptrdiff_t>(*click_.lastPiAnswer + 1);
  click_.solution.lines.insert(
      at, {SolutionLine::Kind::Note, u"القيمة العشرية تأخذ " + std::u16string(notation_.pi()) +
                                         u" على أنها " + numberText(kPi)});
  click_.lastPiAnswer.reset();
}

void Calculation::addSteps(const Formula& formula, std::u16string_view resultText) {
  for (const Step& step : StepsOf(formula, click_.values, resultText, notation_).lines) {
    if (!click_.said.insert(step.line).second) continue;  // a stage of two formulas
    for (std::size_t row = 0; row < step.rows.size(); ++row)
      click_.solution.lines.push_back(
          {row == 0 ? SolutionLine::Kind::Step : SolutionLine::Kind::NextStep, step.rows[row],
           step.formulas[row]});
  }
}

double Calculation::read(FieldId box, std::u16string_view quantity) {
  readBoxes_.insert(box);
  const std::u16string text = view_.text(box);
  if (std::find(click_.read.begin(), click_.read.end(), box) == click_.read.end())
    click_.solution.inputs.push_back({view_.name(box), text});
  click_.read.push_back(box);
  click_.place = {.box = box};
  const Reading reading = ReadNumber(text, notation_.separator);
  click_.place = {};
  click_.values.set(quantity, reading.value);
  if (reading.value != std::trunc(reading.value)) click_.wholeInputs = false;

  const std::u16string used = numberText(reading.value);
  const std::u16string ignored(IgnoredText(text, reading));
  std::u16string note;
  if (!reading.found && ignored.empty())
    note = u"الخانة فارغة، فحُسب بالعدد " + used + u".";
  else if (!reading.found)
    note = u"لا عدد في أول الخانة، فحُسب بالعدد " + used + u" وأُهمل «" + ignored + u"».";
  else if (!ignored.empty())
    note = u"حُسب بالعدد " + used + u" وأُهمل «" + ignored + u"».";
  notes_[box] = note;
  view_.setNote(box, note);
  return reading.value;
}

double Calculation::readLength(FieldId box, std::u16string_view quantity) {
  const double length = read(box, quantity);
  if (length < 0)
    note(box, u"الطول لا يكون سالبا، وحُسب بالعدد " + numberText(length) + u" كما كُتب.");
  return length;
}

void Calculation::note(FieldId box, std::u16string_view note) {
  // The notes of one reading, each on the pupil's side of the same mark.
  std::u16string& notes = notes_[box];
  notes = notes.empty() ? std::u16string(note) : notes + u' ' + std::u16string(note);
  view_.setNote(box, notes);
}

void Calculation::forget(FieldId box) {
  if (notes_.erase(box) != 0) view_.setNote(box, {});
}

double Calculation::evaluate(const Formula& formula) {
  click_.place = {.formula = &formula};
  Evaluation evaluation(click_.values);
  try {
    const double value = ValueOrFault(evaluation(formula.expression));
    click_.place = {};
    return value;
  } catch (const Fault&) {
    // The stage it stopped in, for the fault's sentence; the fault goes on to run().
    click_.place.stage = evaluation.stage();
    throw;
  }
}

double Calculation::value(const Formula& formula) {
  const double value = evaluate(formula);
  click_.values.set(formula.name, value);
  addSteps(formula, {});
  return value;
}

void Calculation::measure(FieldId result, const Formula& formula) {
  remember(result, formula);
  const double value = evaluate(formula);
  click_.values.setResult(formula, value);
  const std::u16string text = numberText(value);
  view_.setText(result, text);
  click_.spoken.push_back(formula.name + u" " + text);
  done(result, WithResult(formula, click_.values, text, notation_));
  addSteps(formula, text);
  const std::optional<ExactNumber> exact = ExactValue(formula.expression, click_.values);
  std::optional<Math> answer = exact ? ExactAnswerMath(*exact, text, notation_) : std::nullopt;
  if (answer) {
    answer = Written(*answer, notation_);
    const std::u16string name = notation_.letter(formula.name);
    if (addLine(SolutionLine::Kind::Exact,
                Approximately(name, LinearText(*answer, notation_.direction), text),
                ApproximatelyMath(name, *answer, text)) &&
        exact->timesPi())
      click_.lastPiAnswer = click_.solution.lines.size() - 1;
  }
  answered(formula, text, exact, answer);
}

void Calculation::answered(const Formula& formula, const std::u16string& text,
                           const std::optional<ExactNumber>& exact,
                           const std::optional<Math>& exactAnswer) {
  Answer answer = answerOf(formula, text, exact, exactAnswer);
  // The answer's unit after its number, as a book writes it: "المساحة = 12.56 سم²".
  if (std::optional<Math> unit = UnitMath(formula.unit, notation_)) {
    answer.text = notation_.withUnit(answer.text, formula.unit);
    answer.formula = MathRow({std::move(answer.formula), std::move(*unit)});
  }
  click_.answers.push_back(std::move(answer));
}

Calculation::Answer Calculation::answerOf(const Formula& formula, const std::u16string& text,
                                          const std::optional<ExactNumber>& exact,
                                          const std::optional<Math>& exactAnswer) const {
  const std::u16string name = notation_.letter(formula.name);
  // The answer's decimal as the book rounds it; the exact answer above keeps the window's.
  const double* value = click_.values.result(formula);
  const std::u16string rounded = value ? RoundedToText(*value, 2, notation_) : text;
  if (exactAnswer) {
    const Math last = LastForm(*exactAnswer);
    return {name, Approximately(name, LinearText(last, notation_.direction), rounded),
            ApproximatelyMath(name, last, rounded)};
  }
  // A fraction whose decimal ends, where the answer is written in fractions and the pupil typed
  // whole numbers: the exact answer against no decimal at all is the fraction itself.
  if (answerForm_ == AnswerForm::Fractions && click_.wholeInputs && exact && exact->isFraction() &&
      exact->rational().denominator != 1) {
    if (const std::optional<Math> fraction = ExactAnswerMath(*exact, {}, notation_)) {
      const Math last = WithHalves(Written(LastForm(*fraction), notation_), notation_);
      return {name, name + u" = " + IsolatedNumber(LinearText(last, notation_.direction)),
              MathRow({MathName(name), MathSign(u"="), last})};
    }
  }
  const std::u16string_view relation = rounded == text ? u"=" : u"≈";
  return {name, name + u" " + std::u16string(relation) + u" " + IsolatedNumber(rounded),
          MathRow({MathName(name), MathSign(std::u16string(relation)), NumberMath(rounded)})};
}

void Calculation::leaveOut(FieldId result, std::u16string_view why) {
  const Result* known = find(result);
  if (known == nullptr ||
      std::find(click_.pending.begin(), click_.pending.end(), result) == click_.pending.end())
    return;
  done(result, NotComputed(*known->formula, click_.values, why, notation_));
  std::u16string reason = known->formula->name + u"، لم تحسب: " + std::u16string(why);
  if (click_.firstReason.empty()) click_.firstReason = reason;
  addLine(SolutionLine::Kind::Reason, std::move(reason));
  if (readBoxes_.count(result) == 0) view_.setText(result, {});
}

void Calculation::refuse(std::u16string_view sentence) {
  addLine(SolutionLine::Kind::Reason, std::u16string(sentence));
  click_.solution.stopped = true;
  click_.solution.why = sentence;
}

void Calculation::done(FieldId result, const std::u16string& working) {
  view_.setWorking(result, working);
  worked_.insert(result);
  click_.pending.erase(std::remove(click_.pending.begin(), click_.pending.end(), result),
                       click_.pending.end());
}

void Calculation::stop(std::u16string_view why) {
  for (const FieldId result : std::vector<FieldId>(click_.pending)) leaveOut(result, why);
}

std::u16string Calculation::faultSentence(const Fault& fault) const {
  if (click_.place.box != nullptr)
    return fault.kind() == FaultKind::Overflow
               ? u"العدد المكتوب في خانة «" + view_.name(click_.place.box) +
                     u"» أكبر مما يحسبه البرنامج: اكتب فيها عددا أصغر."
               : std::u16string();
  const Formula* formula = click_.place.formula;
  if (formula == nullptr || formula->faultSentence == nullptr) return {};
  return formula->faultSentence({fault.kind(), formula->name, click_.place.stage, click_.values});
}

void Calculation::edited(FieldId box) {
  forget(box);
  if (const Result* result = find(box)) {
    // A box that shows a result and takes the next number: what is typed is no result.
    view_.setWorking(box, InWords(*result->formula, notation_));
    view_.setStale(box, {});
    worked_.erase(box);
  }
  if (!click_.ended || readBoxes_.count(box) == 0) return;
  const std::u16string sentence =
      u"تغيرت المدخلات بعد هذا الحساب: اضغط «" + buttonCaption_ + u"» مرة أخرى.";
  for (const Result& result : results_)
    if (result.field != box) view_.setStale(result.field, sentence);
  if (shown_) outOfDate_ = sentence;
  view_.setSolutionStale(sentence);
}

void Calculation::renotate(Notation notation) {
  Notation before = notation_;
  before.direction = notation.direction;
  notation_ = notation;
  if (before == notation) return;
  const std::u16string sentence =
      u"تغيرت طريقة الكتابة بعد هذا الحساب: اضغط «" + buttonCaption_ + u"» مرة أخرى.";
  for (const Result& result : results_) {
    if (worked_.count(result.field) == 0)
      view_.setWorking(result.field, InWords(*result.formula, notation_));
    else
      view_.setStale(result.field, sentence);
  }
  if (!shown_) return;
  outOfDate_ = sentence;
  view_.setSolutionStale(sentence);
}

}  // namespace numora
