#include "practice/Round.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "numeric/Working.h"

namespace numora {
namespace {

constexpr std::u16string_view kRight = u"صحيح";
constexpr std::u16string_view kWrong = u"ليس صحيحًا";
constexpr std::u16string_view kNoRootRight = u"صحيح: ليس للمعادلة حل حقيقي";
// A number for an equation with no real root, and the words for one that has roots: both send
// the pupil to the discriminant, the first step.
constexpr std::u16string_view kLookAtDiscriminant = u"انظر إلى إشارة المميز قبل أن تحسب الجذرين";
constexpr std::u16string_view kNoMoreSteps =
    u"هذه كل الخطوات قبل الناتج: اضغط «الحل» لترى الحل كله";
constexpr std::u16string_view kFirstStep = u"ابدأ من الخطوة الأولى";

bool IsDiacriticOrSpace(char16_t letter) {
  return letter == u' ' || letter == u'\t' || letter == u'\u00A0' || letter == u'\u0640' ||
         (letter >= u'\u064B' && letter <= u'\u0652') || letter == u'.' || letter == u'!' ||
         letter == u'\u061F' || letter == u'\u06D4' || (letter >= u'\u200B' && letter <= u'\u200F');
}

// The results asked for are the roots of an equation: more than one, all of one name ("س").
bool AreRoots(const std::vector<AskedResult>& asked) {
  return asked.size() > 1 && std::all_of(asked.begin(), asked.end(), [&](const AskedResult& a) {
           return a.formula->name == asked.front().formula->name;
         });
}

}  // namespace

bool SaysNoRealRoot(std::u16string_view typed) {
  // Written without spaces, so that "لاحل" and "لا  حل" are the same words.
  static constexpr std::array<std::u16string_view, 12> kWords = {
      u"لاحل",          u"لاحلول",           u"لايوجدحل",      u"لاتوجدحلول",
      u"لايوجدلهاحل",   u"ليسلهاحل",         u"لاتحل",         u"المعادلةلاتحل",
      u"لايوجدحلحقيقي", u"لاتوجدحلولحقيقية", u"ليسلهاحلحقيقي", u"مستحيلةالحل",
  };
  std::u16string bare;
  for (char16_t letter : typed)
    if (!IsDiacriticOrSpace(letter)) bare += letter;
  return std::find(kWords.begin(), kWords.end(), bare) != kWords.end();
}

PracticeRound::PracticeRound(ExerciseOf exercises, Level level, std::uint64_t seed,
                             Notation notation)
    : exercises_(exercises), level_(level), seed_(seed), random_(seed), notation_(notation) {}

Exercise PracticeRound::nextExercise() { return exercises_(level_, random_); }

bool PracticeRound::pose(const Exercise& exercise, WorkedExercise worked, const NameOf& nameOf) {
  if (worked.fault || !worked.failure.empty()) return false;
  exercise_ = exercise;
  worked_ = std::move(worked);
  const std::vector<Expected> expected = worked_.expected(exercise_);
  asked_.clear();
  for (const Formula* formula : exercise_.asked) {
    auto written =
        std::find_if(worked_.results.begin(), worked_.results.end(),
                     [formula](const auto& result) { return result.formula == formula; });
    if (written == worked_.results.end()) return false;  // the window has no field for it
    auto answer = std::find_if(expected.begin(), expected.end(),
                               [formula](const Expected& e) { return e.formula == formula; });
    const std::u16string name = nameOf(written->field);
    asked_.push_back(
        {.formula = formula,
         .field = written->field,
         .name = name.empty() ? formula->name : name,
         .resultText = written->text,
         .expected = answer != expected.end() ? std::optional(*answer) : std::nullopt});
  }
  nextRow_.assign(asked_.size(), 0);
  problem_.clear();
  problemFormula_.reset();
  for (const SolutionLine& line : worked_.solution.lines)
    if (line.kind == SolutionLine::Kind::Problem) {
      problem_ = line.text;
      problemFormula_ = line.formula;
    }
  helped_ = false;
  outcome_ = Outcome::Open;
  return !asked_.empty();
}

std::u16string PracticeRound::instruction() const {
  std::u16string names;
  for (std::size_t i = 0; i < asked_.size(); ++i)
    names += (i == 0                   ? u""
              : i + 1 == asked_.size() ? u" و"
                                       : u"، ") +
             notation_.letter(asked_[i].name);
  std::u16string sentence = u"احسب " + names + u". " + RoundingInstruction(exercise_.places) + u".";
  if (AreRoots(asked_)) sentence += u" إن لم يكن للمعادلة حل حقيقي فاكتب «لا حل».";
  return sentence;
}

std::vector<std::pair<std::u16string, Math>> PracticeRound::rowsOf(const AskedResult& asked) const {
  std::vector<std::pair<std::u16string, Math>> rows;
  for (const Step& step :
       StepsOf(*asked.formula, worked_.solution.values, asked.resultText, notation_).lines)
    for (std::size_t row = 0; row < step.rows.size() && row < step.formulas.size(); ++row)
      rows.emplace_back(step.rows[row], step.formulas[row]);
  return rows;
}

StepHint PracticeRound::stepAt(std::size_t asked, std::size_t row, std::u16string sentence) {
  const auto rows = rowsOf(asked_[asked]);
  helped_ = true;
  if (row >= rows.size()) return {std::move(sentence), {}, std::nullopt};
  nextRow_[asked] = std::max(nextRow_[asked], row + 1);
  return {std::move(sentence), rows[row].first, rows[row].second};
}

StepHint PracticeRound::hint() {
  if (done()) return {};
  auto open = std::find_if(asked_.begin(), asked_.end(), [](const auto& a) { return !a.right; });
  if (open == asked_.end()) return {};
  const auto index = static_cast<std::size_t>(open - asked_.begin());
  const auto rows = rowsOf(*open);
  // Where the steps reach the result, their last row writes it: that one is the solution's.
  const bool complete =
      StepsOf(*open->formula, worked_.solution.values, open->resultText, notation_).complete;
  const std::size_t given = complete && open->expected ? rows.size() - 1 : rows.size();
  helped_ = true;
  if (nextRow_[index] >= given) return {std::u16string(kNoMoreSteps), {}, std::nullopt};
  return stepAt(index, nextRow_[index], {});
}

std::vector<Expected> PracticeRound::othersThan(std::size_t asked) const {
  std::vector<Expected> others;
  for (std::size_t i = 0; i < asked_.size(); ++i)
    if (i != asked && asked_[i].expected) others.push_back(*asked_[i].expected);
  return others;
}

StepHint PracticeRound::hintFor(std::size_t asked, const Check& check) {
  const AskedResult& answer = asked_[asked];
  if (check.verdict != Verdict::Wrong || !check.typed || !answer.expected)
    return stepAt(asked, 0, std::u16string(kFirstStep));
  const Hint hint = HintFor(*answer.expected, *check.typed, worked_.solution.values,
                            othersThan(asked), notation_);
  // The hint's step counts its rows line by line; the round's, over the lines.
  const Steps steps =
      StepsOf(*answer.formula, worked_.solution.values, answer.resultText, notation_);
  std::size_t row = 0;
  for (std::size_t line = 0; line < hint.line && line < steps.lines.size(); ++line)
    row += steps.lines[line].rows.size();
  return stepAt(asked, row + hint.row,
                hint.sentence.empty() ? std::u16string(kFirstStep) : hint.sentence);
}

RoundCheck PracticeRound::check(const std::vector<std::u16string>& typed) {
  RoundCheck checked;
  if (done() || typed.size() != asked_.size()) return checked;
  const bool noRealRoot = std::none_of(asked_.begin(), asked_.end(),
                                       [](const AskedResult& a) { return a.expected.has_value(); });
  if (noRealRoot)
    checked = checkNoRealRoot(typed);
  else if (AreRoots(asked_))
    checked = checkRoots(typed);
  else
    checked = checkEach(typed);
  const bool tried = std::any_of(checked.verdicts.begin(), checked.verdicts.end(), [](auto& v) {
    return v.verdict == Verdict::Wrong || v.verdict == Verdict::TooRough ||
           v.verdict == Verdict::Unreadable;
  });
  if (tried) helped_ = true;
  if (std::all_of(asked_.begin(), asked_.end(), [](const AskedResult& a) { return a.right; }))
    finish(helped_ ? Outcome::RightAfterHints : Outcome::RightFirstTry);
  return checked;
}

RoundCheck PracticeRound::checkNoRealRoot(const std::vector<std::u16string>& typed) {
  RoundCheck checked;
  bool said = false, wrong = false;
  for (const std::u16string& text : typed) {
    if (text.empty()) {
      checked.verdicts.push_back({Verdict::Empty, {}});
    } else if (SaysNoRealRoot(text)) {
      said = true;
      checked.verdicts.push_back({Verdict::Right, std::u16string(kNoRootRight)});
    } else {
      wrong = true;
      checked.verdicts.push_back({Verdict::Wrong, std::u16string(kWrong)});
    }
  }
  if (wrong) {
    checked.hint = stepAt(0, 0, std::u16string(kLookAtDiscriminant));
  } else if (said) {
    // The words in one box answer the whole equation.
    for (std::size_t i = 0; i < asked_.size(); ++i) {
      asked_[i].right = true;
      checked.verdicts[i] = {Verdict::Right, std::u16string(kNoRootRight)};
    }
  }
  return checked;
}

RoundCheck PracticeRound::checkRoots(const std::vector<std::u16string>& typed) {
  RoundCheck checked;
  if (std::any_of(typed.begin(), typed.end(), [](auto& text) { return SaysNoRealRoot(text); })) {
    for (const std::u16string& text : typed)
      checked.verdicts.push_back(text.empty()
                                     ? AnswerVerdict{Verdict::Empty, {}}
                                     : AnswerVerdict{Verdict::Wrong, std::u16string(kWrong)});
    checked.hint = stepAt(0, 0, std::u16string(kLookAtDiscriminant));
    return checked;
  }
  std::vector<Expected> roots;
  for (const AskedResult& asked : asked_) roots.push_back(*asked.expected);
  const std::vector<Check> checks = CheckRoots(typed, roots, notation_.separator);
  // A wrong box is hinted at the root that no right box gives: the nearest of those still open.
  std::vector<bool> given(asked_.size(), false);
  for (std::size_t box = 0; box < checks.size(); ++box) {
    if (checks[box].verdict != Verdict::Right || !checks[box].typed) continue;
    std::size_t nearest = 0;
    double distance = INFINITY;
    for (std::size_t root = 0; root < roots.size(); ++root)
      if (!given[root] && std::abs(roots[root].value - *checks[box].typed) < distance) {
        nearest = root;
        distance = std::abs(roots[root].value - *checks[box].typed);
      }
    given[nearest] = true;
  }
  for (std::size_t box = 0; box < checks.size(); ++box) {
    const Check& check = checks[box];
    checked.verdicts.push_back({check.verdict, check.sentence});
    if (check.verdict == Verdict::Right) asked_[box].right = true;
    if (check.verdict == Verdict::Right || check.verdict == Verdict::Empty) continue;
    if (!checked.hint.empty()) continue;
    const auto open = std::find(given.begin(), given.end(), false);
    checked.hint = hintFor(open != given.end() ? std::size_t(open - given.begin()) : box, check);
  }
  return checked;
}

RoundCheck PracticeRound::checkEach(const std::vector<std::u16string>& typed) {
  RoundCheck checked;
  for (std::size_t i = 0; i < asked_.size(); ++i) {
    if (asked_[i].right) {
      checked.verdicts.push_back({Verdict::Right, std::u16string(kRight)});
      continue;
    }
    const Check check = CheckAnswer(typed[i], *asked_[i].expected, notation_.separator);
    checked.verdicts.push_back({check.verdict, check.sentence});
    if (check.verdict == Verdict::Right) asked_[i].right = true;
    if (checked.hint.empty() &&
        (check.verdict == Verdict::Wrong || check.verdict == Verdict::Unreadable))
      checked.hint = hintFor(i, check);
  }
  return checked;
}

void PracticeRound::showSolution() {
  if (!done()) finish(Outcome::Shown);
}

void PracticeRound::finish(Outcome outcome) {
  outcome_ = outcome;
  switch (outcome) {
    case Outcome::RightFirstTry:
      ++tally_.rightFirstTry;
      break;
    case Outcome::RightAfterHints:
      ++tally_.rightAfterHints;
      break;
    case Outcome::Shown:
      ++tally_.shown;
      break;
    case Outcome::Open:
      break;
  }
}

}  // namespace numora
