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
      {SheetDetails(Level::Easy, 1234, 1, 1, {}), u"المستوى: سهل، البذرة: 1234"},
      {SheetDetails(Level::Hard, 905, 2, 3, kEastern), u"المستوى: صعب، البذرة: ٩٠٥، النسخة ٢ من ٣"},
      {KeyTitle(1, 1, {}), u"مفتاح الإجابات"},
      {KeyTitle(12, 30, kEastern), u"مفتاح الإجابات: النسخة ١٢"},
      {ExerciseHeading(10, kEastern), u"التمرين ١٠"},
      {AskedSentence(Exercise{{}, {&CircleArea, &CircleCircumference}, 2}),
       u"المطلوب: المساحة، المحيط. قرّب إلى أقرب جزء من مئة."},
      {AskedSentence(Exercise{{}, {&FirstRoot, &SecondRoot}, 3}),
       u"المطلوب: س. قرّب إلى أقرب جزء من ألف."},
      {AskedSentence(Exercise{{}, {&Hypotenuse}, 0}),
       u"المطلوب: طول الوتر. قرّب إلى أقرب عدد صحيح."},
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
  std::vector<std::u16string> given;
  std::vector<std::u16string> kept;  // without their direction marks
  bool toScale;
};

std::vector<std::u16string> Labels(const Figure& figure) {
  std::vector<std::u16string> texts;
  for (const FigureLabel& label : figure.labels) texts.push_back(WithoutBidiMarks(label.text));
  return texts;
}

// A parabola with its roots 4 and 5, computed by the window.
Figure Parabola() {
  Values values{{kA, 1}, {kB, -9}, {kC, 20}};
  values.setResult(FirstRoot, 4);
  values.setResult(SecondRoot, 5);
  return ParabolaFigure(values, {});
}

TEST(SheetFigure, ShowsOnlyTheGivenNumbers) {
  const Numerals western{};
  const Shown rows[] = {
      {"circle: its radius only", CircleFigure({{kRadius, 7}}, western), {u"7"}, {u"7"}, true},
      {"rectangle, Eastern digits",
       RectangleFigure({{kWidth, 3}, {kLength, 5}}, kEastern),
       {u"٣", u"٥"},
       {u"٥", u"٣"},
       true},
      {"hypotenuse: legs, no squares",
       PythagorasFigure({{kFirstLeg, 3}, {kSecondLeg, 4}}, western),
       {u"3", u"4"},
       {u"3", u"4"},
       false},
      {"square root: the area, not the side",
       RootFigure({{kRadicand, 16}, {kIndex, 2}}, western),
       {u"16", u"2"},
       {u"16"},
       false},
      {"power: the side, not the area",
       PowerFigure({{kPowerBase, 3}, {kExponent, 2}}, western),
       {u"3", u"2"},
       {u"3"},
       false},
      // Neither the roots, the vertex nor the scale, whose 20 is C's: no figure.
      {"parabola: nothing", Parabola(), {u"1", u"-9", u"20"}, {}, false},
  };
  for (const Shown& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_TRUE(row.figure.cannotDraw.empty());
    const Figure set = FigureToSet(row.figure, row.given);
    EXPECT_EQ(Labels(set), row.kept);
    if (row.kept.empty()) {
      EXPECT_TRUE(set.paths.empty());
      continue;
    }
    EXPECT_EQ(set.notToScale.empty(), row.toScale);
    EXPECT_EQ(set.paths.size(), row.figure.paths.size());
  }
  EXPECT_TRUE(FigureToSet(CircleFigure({{kRadius, 0}}, western), {u"0"}).paths.empty());
}

}  // namespace
}  // namespace numora
