// A run of practice without a window: the exercises from a seed, the check of typed answers with
// their hints, the solution and the tally of a sitting.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "numeric/Bidi.h"
#include "practice/Round.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/algebra/AlgebraProblems.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/geometry/GeometryProblems.h"

namespace numora {
namespace {

// A window's fields as strings, for working an exercise out without a window.
struct Fields final : ResultView {
  std::map<FieldId, std::u16string> texts, names;
  std::u16string text(FieldId box) const override { return texts.count(box) ? texts.at(box) : u""; }
  std::u16string name(FieldId box) const override { return names.at(box); }
  void setText(FieldId result, std::u16string_view text) override { texts[result] = text; }
  void setWorking(FieldId, std::u16string_view) override {}
  void setNote(FieldId, std::u16string_view) override {}
  void setStale(FieldId, std::u16string_view) override {}
  void showFault(const Fault&, std::u16string_view) override {}
  void showFailure(std::u16string_view) override {}
  void showMessage(std::u16string_view) override {}
  void showSolution(const Solution&) override {}
  void setSolutionStale(std::u16string_view) override {}
  void announce(std::u16string_view) override {}
};

// The circle window and the quadratic window, as their handlers read and write.
struct Window {
  Fields fields;
  Calculation calculation{fields, u'.'};
  int places[5] = {};
  FieldId in[3] = {&places[0], &places[1], &places[2]};
  FieldId out[2] = {&places[3], &places[4]};
  std::function<void(Calculation&)> handler;

  static Window Circle() {
    Window window;
    window.fields.names = {{window.in[0], u"نصف القطر"},
                           {window.out[0], u"مساحة الدائرة"},
                           {window.out[1], u"محيط الدائرة"}};
    window.calculation.show(window.out[0], CircleArea);
    window.calculation.show(window.out[1], CircleCircumference);
    window.calculation.setProblem(CircleProblem, AnswerForm::Decimals);
    return window;
  }
  static Window Quadratic() {
    Window window;
    window.fields.names = {{window.in[0], u"A"},
                           {window.in[1], u"B"},
                           {window.in[2], u"C"},
                           {window.out[0], u"الحل الأول"},
                           {window.out[1], u"الحل الثاني"}};
    window.calculation.show(window.out[0], FirstRoot);
    window.calculation.show(window.out[1], SecondRoot);
    window.calculation.setProblem(QuadraticProblem, AnswerForm::Fractions);
    return window;
  }
  void solveCircle(Calculation& click) const {
    click.readLength(in[0], kRadius);
    click.measure(out[0], CircleArea);
    click.measure(out[1], CircleCircumference);
  }
  void solveQuadratic(Calculation& click) const {
    click.read(in[0], kA);
    click.read(in[1], kB);
    click.read(in[2], kC);
    if (click.value(Discriminant) < 0) {
      click.leaveOut(out[0], kNoRealRoot);
      click.leaveOut(out[1], kNoRealRoot);
      return;
    }
    click.measure(out[0], FirstRoot);
    click.measure(out[1], SecondRoot);
  }
  bool circle() const { return fields.names.size() == 3; }

  // Poses the exercise in the round, worked out as the window would.
  bool pose(PracticeRound& round, const Exercise& exercise) const {
    WorkedExercise worked = Work(exercise, calculation, fields, [this](Calculation& click) {
      circle() ? solveCircle(click) : solveQuadratic(click);
    });
    return round.pose(exercise, std::move(worked),
                      [this](FieldId field) { return fields.names.at(field); });
  }
};

Exercise Circle(double radius) {
  return {{{std::u16string(kRadius), radius}}, {&CircleArea, &CircleCircumference}, 2};
}
Exercise Equation(double a, double b, double c) {
  return {{{u"A", a}, {u"B", b}, {u"C", c}}, {&FirstRoot, &SecondRoot}, 2};
}
// A topic's exercises for the run: the radius from the run's numbers.
Exercise Circles(Level level, Random& random) {
  return Circle(level == Level::Easy ? random.between(1, 10) : random.between(11, 99));
}

// The names of verdicts, to read a failing row.
const char* Named(Verdict verdict) {
  switch (verdict) {
    case Verdict::Right:
      return "right";
    case Verdict::TooRough:
      return "too rough";
    case Verdict::Wrong:
      return "wrong";
    case Verdict::Unreadable:
      return "unreadable";
    case Verdict::Empty:
      return "empty";
  }
  return "?";
}

std::vector<std::string> Verdicts(const RoundCheck& checked) {
  std::vector<std::string> names;
  for (const AnswerVerdict& verdict : checked.verdicts) names.push_back(Named(verdict.verdict));
  return names;
}

TEST(PracticeRound, ChecksEachTypedAnswerAndHintsAtAWrongOne) {
  const struct {
    const char* what;
    Exercise exercise;
    std::vector<std::u16string> typed;
    std::vector<std::string> verdicts;
    bool hinted;  // a step row is given with the verdict
    Outcome outcome;
  } rows[] = {
      {"both right",
       Circle(7),
       {u"153.86", u"43.96"},
       {"right", "right"},
       false,
       Outcome::RightFirstTry},
      {"in Eastern digits",
       Circle(7),
       {u"١٥٣٫٨٦", u"٤٣٫٩٦"},
       {"right", "right"},
       false,
       Outcome::RightFirstTry},
      {"one left to type", Circle(7), {u"153.86", u""}, {"right", "empty"}, false, Outcome::Open},
      {"too rough", Circle(7), {u"154", u"43.96"}, {"too rough", "right"}, false, Outcome::Open},
      {"wrong", Circle(7), {u"150", u"43.96"}, {"wrong", "right"}, true, Outcome::Open},
      {"no number", Circle(7), {u"كثير", u""}, {"unreadable", "empty"}, true, Outcome::Open},
      {"roots in order",
       Equation(2, -7, 3),
       {u"0.5", u"3"},
       {"right", "right"},
       false,
       Outcome::RightFirstTry},
      {"roots the other way",
       Equation(2, -7, 3),
       {u"3", u"0.5"},
       {"right", "right"},
       false,
       Outcome::RightFirstTry},
      {"one root wrong", Equation(2, -7, 3), {u"3", u"2"}, {"right", "wrong"}, true, Outcome::Open},
      {"no root said of roots",
       Equation(2, -7, 3),
       {u"لا حل", u""},
       {"wrong", "empty"},
       true,
       Outcome::Open},
      {"no real root",
       Equation(1, 0, 4),
       {u"لا يوجد حل", u""},
       {"right", "right"},
       false,
       Outcome::RightFirstTry},
      {"a root of none", Equation(1, 0, 4), {u"2", u""}, {"wrong", "empty"}, true, Outcome::Open},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    const Window window =
        row.exercise.asked.front() == &CircleArea ? Window::Circle() : Window::Quadratic();
    PracticeRound round(Circles, Level::Easy, 1, {});
    ASSERT_TRUE(window.pose(round, row.exercise));
    const RoundCheck checked = round.check(row.typed);
    EXPECT_EQ(Verdicts(checked), row.verdicts);
    EXPECT_EQ(!checked.hint.row.empty(), row.hinted);
    EXPECT_EQ(round.outcome(), row.outcome);
    for (const AnswerVerdict& verdict : checked.verdicts)
      if (verdict.verdict != Verdict::Empty) {
        EXPECT_FALSE(verdict.sentence.empty());
      }
  }
}

TEST(PracticeRound, TellsTheProblemAndWhatToCompute) {
  const Window circle = Window::Circle();
  PracticeRound round(Circles, Level::Easy, 1, {});
  ASSERT_TRUE(circle.pose(round, Circle(7)));
  EXPECT_EQ(WithoutBidiMarks(round.problem()), u"دائرة نصف قطرها 7");
  EXPECT_EQ(round.instruction(),
            u"احسب مساحة الدائرة ومحيط الدائرة. " + RoundingInstruction(2) + u".");
  ASSERT_EQ(round.asked().size(), 2U);
  EXPECT_EQ(round.asked()[1].resultText, u"43.96");

  // An equation's roots may be none: the pupil is told how to say so.
  const Window quadratic = Window::Quadratic();
  ASSERT_TRUE(quadratic.pose(round, Equation(1, 0, 4)));
  EXPECT_NE(round.instruction().find(u"«لا حل»"), std::u16string::npos);
  EXPECT_FALSE(round.asked()[0].expected);
}

TEST(PracticeRound, HintsGoStepByStepAndKeepTheResultBack) {
  for (const Exercise& exercise : {Circle(7), Equation(2, -7, 3), Equation(1, 0, 4)}) {
    const Window window =
        exercise.asked.front() == &CircleArea ? Window::Circle() : Window::Quadratic();
    PracticeRound round(Circles, Level::Easy, 1, {});
    ASSERT_TRUE(window.pose(round, exercise));
    const AskedResult& first = round.asked().front();
    std::vector<std::u16string> rows;
    for (StepHint hint = round.hint(); !hint.row.empty(); hint = round.hint())
      rows.push_back(hint.row);
    ASSERT_FALSE(rows.empty());
    // Each row once, in order, and never the one that writes the result.
    for (std::size_t i = 1; i < rows.size(); ++i) EXPECT_NE(rows[i], rows[i - 1]);
    if (first.expected) {
      EXPECT_EQ(rows.back().find(first.resultText), std::u16string::npos);
    }
    EXPECT_FALSE(round.hint().sentence.empty());  // no more steps: the solution shows the rest
  }
  // A wrong answer's hint counts as a step given: "تلميح" goes on after it.
  const Window window = Window::Circle();
  PracticeRound round(Circles, Level::Easy, 1, {});
  ASSERT_TRUE(window.pose(round, Circle(7)));
  const StepHint wrong = round.check({u"150", u""}).hint;
  EXPECT_NE(round.hint().row, wrong.row);
}

TEST(PracticeRound, TalliesHowEachExerciseEnded) {
  enum Action { Right, Wrong, Hint, Solution };
  const struct {
    const char* what;
    std::vector<Action> actions;
    Tally tally;
  } rows[] = {
      {"right at once", {Right}, {1, 0, 0}},
      {"right after a wrong try", {Wrong, Right}, {0, 1, 0}},
      {"right after a hint", {Hint, Right}, {0, 1, 0}},
      {"shown", {Wrong, Solution}, {0, 0, 1}},
      {"shown once right counts as right", {Right, Solution}, {1, 0, 0}},
      {"a check after the end changes nothing", {Solution, Right}, {0, 0, 1}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    const Window window = Window::Circle();
    PracticeRound round(Circles, Level::Easy, 1, {});
    ASSERT_TRUE(window.pose(round, Circle(7)));
    for (Action action : row.actions) {
      if (action == Right) round.check({u"153.86", u"43.96"});
      if (action == Wrong) round.check({u"100", u""});
      if (action == Hint) round.hint();
      if (action == Solution) round.showSolution();
    }
    EXPECT_EQ(round.tally(), row.tally);
  }
  // The tally is the sitting's: it goes on over the exercises.
  const Window window = Window::Circle();
  PracticeRound round(Circles, Level::Easy, 1, {});
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(window.pose(round, Circle(7)));
    i == 1 ? round.showSolution() : void(round.check({u"153.86", u"43.96"}));
  }
  EXPECT_EQ(round.tally(), (Tally{2, 0, 1}));
}

TEST(PracticeRound, KnowsTheWordsForNoRealRoot) {
  for (std::u16string_view said : {u"لا يوجد حل", u"لا حل", u"لاحل", u"لا  حل.", u"لا يُوجَد حل",
                                   u"لا توجد حلول", u"المعادلة لا تحل", u"ليس لها حل حقيقي"})
    EXPECT_TRUE(SaysNoRealRoot(said)) << std::string(said.begin(), said.end()).size();
  for (std::u16string_view said : {u"", u"حل", u"0", u"لا أعرف", u"يوجد حل", u"لا"})
    EXPECT_FALSE(SaysNoRealRoot(said)) << std::string(said.begin(), said.end()).size();
}

TEST(PracticeRound, TheSameSeedGivesTheSameRun) {
  const auto run = [](std::uint64_t seed, Level level) {
    PracticeRound round(Circles, level, seed, {});
    std::vector<double> radii;
    for (int i = 0; i < 8; ++i) radii.push_back(round.nextExercise().inputs.front().second);
    return radii;
  };
  for (std::uint64_t seed : {1ULL, 42ULL, 99999ULL}) {
    EXPECT_EQ(run(seed, Level::Easy), run(seed, Level::Easy));
    // The numbers go on across the run's exercises rather than start again.
    const std::vector<double> radii = run(seed, Level::Hard);
    EXPECT_GT(std::set<double>(radii.begin(), radii.end()).size(), 1U);
  }
  EXPECT_NE(run(1, Level::Hard), run(2, Level::Hard));
}

}  // namespace
}  // namespace numora
