// The contents of a worksheet from its seed, its words, and the figure a sheet may show.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "numeric/Bidi.h"
#include "practice/Sheet.h"
#include "topics/algebra/AlgebraFigures.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/geometry/GeometryFigures.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/temperature/TemperatureFormulas.h"

namespace numora {
namespace {

// Exercises made by hand, with pools of every size: plenty of circles, a few rectangles, two
// hypotenuses, one root.
Exercise Circles(Level level, Random& random) {
  const int most = level == Level::Easy ? 30 : 300;
  return {{{std::u16string(kRadius), random.between(1, most)}},
          {&CircleArea, &CircleCircumference}};
}
Exercise Rectangles(Level, Random& random) {
  return {{{std::u16string(kWidth), random.between(1, 4)}, {std::u16string(kLength), 5}},
          {&RectangleArea}};
}
Exercise Hypotenuses(Level, Random& random) {
  const int k = random.between(1, 2);
  return {
      {{std::u16string(kFirstLeg), 3 * k}, {std::u16string(kSecondLeg), 4 * k}}, {&Hypotenuse}, 0};
}
Exercise OneRoot(Level, Random&) {
  return {{{std::u16string(kRadicand), 16}, {std::u16string(kIndex), 2}}, {&RootOfNumber}};
}

bool Same(const SheetCopy& a, const SheetCopy& b) {
  return a.exercises.size() == b.exercises.size() &&
         std::equal(a.exercises.begin(), a.exercises.end(), b.exercises.begin(),
                    [](const SheetExercise& x, const SheetExercise& y) {
                      return x.topic == y.topic && x.exercise.inputs == y.exercise.inputs &&
                             x.exercise.asked == y.exercise.asked;
                    });
}

struct Mix {
  const char* name;
  std::vector<ExerciseOf> topics;
  int count;
  int copies;
};

class SheetComposition : public ::testing::TestWithParam<Mix> {};

TEST_P(SheetComposition, HoldsEveryTopicEvenlyAndIsTheSameFromItsSeed) {
  const Mix& mix = GetParam();
  for (const std::uint64_t seed : {1ULL, 2ULL, 777ULL, 123456ULL, 999999ULL}) {
    const SheetRequest request{mix.topics, mix.count, Level::Medium, seed, mix.copies};
    const std::vector<SheetCopy> sheet = ComposeSheet(request);
    ASSERT_EQ(sheet.size(), static_cast<std::size_t>(mix.copies));
    EXPECT_EQ(sheet.front().seed, seed) << "a sheet of one copy from the seed is its first copy";
    std::set<std::uint64_t> seeds;
    for (const SheetCopy& copy : sheet) {
      seeds.insert(copy.seed);
      EXPECT_GE(copy.seed, kLowestSeed);
      EXPECT_LE(copy.seed, kHighestSeed);
      ASSERT_EQ(copy.exercises.size(), static_cast<std::size_t>(mix.count));
      std::vector<int> shares(mix.topics.size());
      for (const SheetExercise& item : copy.exercises) ++shares.at(item.topic);
      const auto [fewest, most] = std::minmax_element(shares.begin(), shares.end());
      EXPECT_LE(*most - *fewest, 1) << mix.name << ", seed " << seed;
      // Copied by hand from its seed, a copy comes out the same.
      const SheetRequest alone{mix.topics, mix.count, Level::Medium, copy.seed, 1};
      EXPECT_TRUE(Same(ComposeSheet(alone).front(), copy)) << mix.name << ", copy " << copy.seed;
    }
    EXPECT_EQ(seeds.size(), sheet.size()) << "each copy its own seed";
    for (std::size_t i = 1; i < sheet.size(); ++i)
      EXPECT_FALSE(Same(sheet[i], sheet[i - 1]))
          << mix.name << ": copies " << i << " and " << i + 1;
    const std::vector<SheetCopy> again = ComposeSheet(request);
    for (std::size_t i = 0; i < sheet.size(); ++i) EXPECT_TRUE(Same(sheet[i], again[i]));
    const SheetRequest next{mix.topics, mix.count, Level::Medium, seed % kHighestSeed + 1, 1};
    EXPECT_FALSE(Same(ComposeSheet(next).front(), sheet.front())) << mix.name << ", " << seed;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Mixes, SheetComposition,
    ::testing::Values(Mix{"circles", {&Circles}, 10, 3},
                      Mix{"two topics", {&Circles, &Rectangles}, 7, 4},
                      Mix{"three topics", {&Rectangles, &Circles, &Hypotenuses}, 8, 2},
                      Mix{"more topics than numbers", {&Circles, &Rectangles, &Hypotenuses}, 2, 5},
                      Mix{"thirty copies", {&Circles, &Hypotenuses}, 6, 30}),
    [](const auto& info) {
      std::string name = info.param.name;
      std::replace(name.begin(), name.end(), ' ', '_');
      return name;
    });

TEST(SheetComposition, TakesNoExerciseTwiceWhileItsTopicHasOthers) {
  for (std::uint64_t seed = 1; seed <= 200; ++seed) {
    const SheetCopy copy =
        ComposeSheet({{&Rectangles, &Hypotenuses, &OneRoot}, 9, Level::Easy, seed, 1}).front();
    // Four rectangles, two hypotenuses and one root exist: a copy of three of each repeats only
    // where a topic has run out.
    std::vector<std::set<std::vector<std::pair<std::u16string, double>>>> seen(3);
    std::vector<int> counts(3);
    for (const SheetExercise& item : copy.exercises) {
      seen[item.topic].insert(item.exercise.inputs);
      ++counts[item.topic];
    }
    const int pools[] = {4, 2, 1};
    for (std::size_t topic = 0; topic < 3; ++topic)
      EXPECT_EQ(static_cast<int>(seen[topic].size()), std::min(counts[topic], pools[topic]))
          << "seed " << seed << ", topic " << topic;
  }
}

const Numerals kEastern{u'٫', u'٠'};

TEST(SheetWords, InTheRegionsDigits) {
  struct Row {
    std::u16string got, want;
  };
  const Row rows[] = {
      {SheetTitle({u"الدائرة"}), u"الدائرة"},
      {SheetTitle({u"الدائرة", u"الكرة"}), u"تمارين متنوعة"},
      {SheetDetails(Level::Easy, 1234, 1, 1, {}), u"المستوى: سهل، رقم الورقة: 1234"},
      {SheetDetails(Level::Hard, 905, 2, 3, kEastern),
       u"المستوى: صعب، رقم الورقة: ٩٠٥، النسخة ٢ من ٣"},
      {KeyTitle(1, 1, {}), u"مفتاح الإجابات"},
      {KeyTitle(12, 30, kEastern), u"مفتاح الإجابات: النسخة ١٢"},
      {ExerciseHeading(10, kEastern), u"التمرين ١٠"},
      {MarkLine(12, kEastern), u"التاريخ: ________________   الدرجة: ________ من ١٢"},
      {PageFooter(1, 6, CopyMark(758368, 2, 3, kEastern), kEastern),
       u"صفحة ١ من ٦ — النسخة ٢ من ٣، رقم الورقة ٧٥٨٣٦٨"},
      {PageFooter(2, 2, CopyMark(77, 1, 1, {}), {}), u"صفحة 2 من 2 — رقم الورقة 77"},
      {AskedSentence(Exercise{{}, {&CircleArea, &CircleCircumference}, 2}),
       u"احسب المساحة والمحيط. قرّب إلى أقرب جزء من مئة."},
      {AskedSentence(Exercise{{}, {&CuboidTotalArea, &CuboidVolume, &CuboidLateralArea}, 2}, false),
       u"احسب المساحة الكلية، الحجم والمساحة الجانبية."},
      {AskedSentence(Exercise{{}, {&FirstRoot, &SecondRoot}, 3}),
       u"أوجد قيمة س. قرّب إلى أقرب جزء من ألف."},
      {AskedSentence(Exercise{{}, {&KelvinToCelsius}, 0}, false),
       u"أوجد درجة الحرارة بمقياس سلسيوس."},
      {AskedSentence(Exercise{{}, {&Hypotenuse}, 0}), u"احسب طول الوتر. قرّب إلى أقرب عدد صحيح."},
      {CommonRounding({{0, {{}, {&Hypotenuse}, 2}}, {1, {{}, {&CircleArea}, 2}}}),
       u"في كل التمارين: قرّب إلى أقرب جزء من مئة."},
      {CommonRounding({{0, {{}, {&Hypotenuse}, 2}}, {1, {{}, {&CircleArea}, 1}}}), u""},
  };
  for (const Row& row : rows) EXPECT_EQ(row.got, row.want);
}

TEST(SheetWords, AnswersRoundedAsAsked) {
  struct Row {
    std::vector<Expected> answers;
    Numerals numerals;
    std::u16string rounded;
  };
  const Row rows[] = {
      {{{&Hypotenuse, std::sqrt(2.0), std::nullopt, 2}}, {}, u"طول الوتر ≈ 1.41"},
      {{{&Hypotenuse, 5, std::nullopt, 0}}, {}, u""},
      {{{&CircleCircumference, 3.14 * 20, std::nullopt, 2}}, {}, u""},
      {{{&CircleArea, 153.86, std::nullopt, 2}, {&CircleCircumference, 43.96, std::nullopt, 1}},
       kEastern,
       u"المحيط ≈ ٤٤"},
      {{{&FirstRoot, -3.2360679774997896, std::nullopt, 2},
        {&SecondRoot, 1.2360679774997896, std::nullopt, 3}},
       kEastern,
       u"س ≈ -٣٫٢٤، س ≈ ١٫٢٣٦"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(WithoutBidiMarks(RoundedAnswers(row.answers, row.numerals)), row.rounded);
}

// Labels a figure keeps on a sheet, from the topics' own figures.
struct Shown {
  const char* name;
  Figure figure;
  std::vector<std::u16string> given, answers;
  std::vector<std::u16string> kept;  // its numbers but a scale's, without their direction marks
};

std::vector<std::u16string> Numbers(const Figure& figure) {
  std::vector<std::u16string> texts;
  for (const FigureLabel& label : figure.labels)
    if (label.kind == FigureLabelKind::Measure &&
        std::any_of(label.text.begin(), label.text.end(), [](char16_t c) {
          return (c >= u'0' && c <= u'9') || (c >= u'٠' && c <= u'٩');
        }))
      texts.push_back(WithoutBidiMarks(label.text));
  return texts;
}

Figure Parabola(double b, double c, double first, double second) {
  Values values{{kA, 1}, {kB, b}, {kC, c}};
  values.setResult(FirstRoot, first);
  values.setResult(SecondRoot, second);
  return ParabolaFigure(values, {});
}

TEST(SheetFigure, ShowsOnlyTheGivenNumbers) {
  const Numerals western{};
  const Shown rows[] = {
      {"circle: its radius only",
       CircleFigure({{kRadius, 7}}, western),
       {u"7"},
       {u"153.86", u"43.96"},
       {u"7"}},
      {"rectangle, Eastern digits",
       RectangleFigure({{kWidth, 3}, {kLength, 5}}, kEastern),
       {u"٣", u"٥"},
       {u"١٥"},
       {u"٥", u"٣"}},
      {"hypotenuse: legs, no squares",
       PythagorasFigure({{kFirstLeg, 10}, {kSecondLeg, 24}}, western),
       {u"10", u"24"},
       {u"26"},
       {u"10", u"24"}},
      {"square root: the area, not the side",
       RootFigure({{kRadicand, 16}, {kIndex, 2}}, western),
       {u"16", u"2"},
       {u"4"},
       {u"16"}},
      {"power: the side, not the area",
       PowerFigure({{kPowerBase, 3}, {kExponent, 2}}, western),
       {u"3", u"2"},
       {u"9"},
       {u"3"}},
      // Neither the roots, the vertex nor the axis: no figure, though the roots of 1 and -9 are
      // written as two of the coefficients are.
      {"parabola: nothing", Parabola(-9, 20, 4, 5), {u"1", u"-9", u"20"}, {u"4", u"5"}, {}},
      {"parabola, roots like coefficients",
       Parabola(8, -9, -9, 1),
       {u"1", u"8", u"-9"},
       {u"-9", u"1"},
       {}},
  };
  for (const Shown& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_TRUE(row.figure.cannotDraw.empty());
    const Figure set = FigureToSet(row.figure, row.given, row.answers);
    EXPECT_EQ(Numbers(set), row.kept);
    if (row.kept.empty()) {
      EXPECT_TRUE(set.paths.empty());
      continue;
    }
    // Said not to scale only where the window says so.
    EXPECT_EQ(set.notToScale, row.figure.notToScale);
    EXPECT_EQ(set.paths.size(), row.figure.paths.size());
    for (const FigureLabel& label : set.labels)
      for (const std::u16string& answer : row.answers)
        EXPECT_NE(WithoutBidiMarks(label.text), answer);
  }
  EXPECT_TRUE(FigureToSet(CircleFigure({{kRadius, 0}}, western), {u"0"}, {}).paths.empty());
}

}  // namespace
}  // namespace numora
