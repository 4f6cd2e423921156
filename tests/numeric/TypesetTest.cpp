#include "numeric/Typeset.h"

#include <gtest/gtest.h>

#include <random>

namespace numora {
namespace {

// Every character as wide as a tenth of its face's height: a text's width is its length.
struct FixedMetrics final : MathMetrics {
  double size(MathFace face) const { return face.level == 0 ? 10 : face.level == 1 ? 7 : 5.5; }
  double advance(std::u16string_view text, MathFace face) const override {
    return static_cast<double>(text.size()) * size(face) * 0.6;
  }
  double ascent(MathFace face) const override { return size(face) * 0.8; }
  double descent(MathFace face) const override { return size(face) * 0.2; }
};

const FixedMetrics kMetrics;
constexpr auto kLeft = FormulaDirection::LeftToRight;
constexpr auto kRight = FormulaDirection::RightToLeft;

struct Rect {
  double left, top, right, bottom;
};
Rect Of(const MathRun& run) {
  return {run.x, run.baseline - kMetrics.ascent(run.face), run.x + run.width,
          run.baseline + kMetrics.descent(run.face)};
}
bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right - 1e-9 && b.left < a.right - 1e-9 && a.top < b.bottom - 1e-9 &&
         b.top < a.bottom - 1e-9;
}
const MathRun& RunOf(const MathBox& box, std::u16string_view text) {
  for (const MathRun& run : box.runs)
    if (run.text == text) return run;
  throw std::logic_error("no such run");
}

// A random formula of the grammar: numbers and names under sums, products, fractions, powers,
// roots, bars and parentheses.
Math RandomMath(std::mt19937& random, int depth) {
  std::uniform_int_distribution<int> pick(0, depth <= 0 ? 1 : 8);
  static int counter = 0;
  const auto leaf = [&]() -> Math {
    // Each leaf's text is its own, so that a run can be found by it.
    return pick(random) % 2 ? MathNumber(std::u16string(u"n") + char16_t(u'A' + counter++ % 26))
                            : MathName(std::u16string(u"س") + char16_t(u'a' + counter++ % 26));
  };
  switch (pick(random)) {
    case 0:
    case 1:
      return leaf();
    case 2:
      return MathRow(
          {RandomMath(random, depth - 1), MathSign(u"+"), RandomMath(random, depth - 1)});
    case 3:
      return MathRow(
          {RandomMath(random, depth - 1), MathSign(u"×"), RandomMath(random, depth - 1)});
    case 4:
      return MathFraction(RandomMath(random, depth - 1), RandomMath(random, depth - 1));
    case 5:
      return MathPower(MathParens(RandomMath(random, depth - 1)), RandomMath(random, depth - 1));
    case 6:
      return depth % 2 ? MathRoot(RandomMath(random, depth - 1))
                       : MathRoot(RandomMath(random, depth - 1), leaf());
    case 7:
      return MathBars(RandomMath(random, depth - 1));
    default:
      return MathRow({MathSign(u"-", true), MathParens(RandomMath(random, depth - 1))});
  }
}

TEST(Typeset, RightToLeftIsTheWholeFormulaMirroredAndNoTwoWordsOverlap) {
  std::mt19937 random(29);
  for (int i = 0; i < 300; ++i) {
    const Math math = RandomMath(random, 4);
    const MathBox ltr = Typeset(math, kMetrics, kLeft), rtl = Typeset(math, kMetrics, kRight);
    ASSERT_EQ(ltr.runs.size(), rtl.runs.size());
    EXPECT_DOUBLE_EQ(ltr.width, rtl.width);
    for (std::size_t r = 0; r < ltr.runs.size(); ++r) {
      // Each word read as written, its place mirrored about the box's middle.
      EXPECT_EQ(ltr.runs[r].text, rtl.runs[r].text);
      EXPECT_NEAR(rtl.runs[r].x, ltr.width - ltr.runs[r].x - ltr.runs[r].width, 1e-9);
      EXPECT_DOUBLE_EQ(rtl.runs[r].baseline, ltr.runs[r].baseline);
      EXPECT_GE(ltr.runs[r].x, -1e-9);
      EXPECT_LE(ltr.runs[r].x + ltr.runs[r].width, ltr.width + 1e-9);
      for (std::size_t s = r + 1; s < ltr.runs.size(); ++s)
        EXPECT_FALSE(Overlap(Of(ltr.runs[r]), Of(ltr.runs[s])))
            << "runs " << r << " and " << s << " of formula " << i;
    }
  }
}

TEST(Typeset, ARowReadsInItsDirectionAndAnExponentFollowsItsBase) {
  // 3.14 × نق² - 4
  const Math area =
      MathRow({MathNumber(u"3.14"), MathSign(u"×"), MathPower(MathName(u"نق"), MathNumber(u"2")),
               MathSign(u"-"), MathNumber(u"4")});
  const std::u16string order[] = {u"3.14", u"×", u"نق", u"2", u"-", u"4"};
  for (const FormulaDirection direction : {kLeft, kRight}) {
    const MathBox box = Typeset(area, kMetrics, direction);
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
      const MathRun &a = RunOf(box, order[i]), &b = RunOf(box, order[i + 1]);
      // Read in the direction, each part starts where the one before it ends.
      if (direction == kLeft)
        EXPECT_LE(a.x + a.width, b.x + 1e-9) << i;
      else
        EXPECT_LE(b.x + b.width, a.x + 1e-9) << i;
    }
    // The exponent is raised and smaller.
    EXPECT_LT(RunOf(box, u"2").baseline, RunOf(box, u"نق").baseline);
    EXPECT_EQ(RunOf(box, u"2").face.level, 1);
  }
}

TEST(Typeset, AFractionIsCentredOnItsBarAndARadicalsBarCoversItsRadicandAlone) {
  const Math math = MathRow(
      {MathFraction(MathNumber(u"340"), MathNumber(u"9")), MathSign(u"+"),
       MathRoot(MathRow({MathNumber(u"5"), MathSign(u"-"), MathNumber(u"13")}), MathNumber(u"3"))});
  for (const FormulaDirection direction : {kLeft, kRight}) {
    const MathBox box = Typeset(math, kMetrics, direction);
    // The first stroke is the fraction's bar; both parts centred on it, one above, one below.
    const MathStroke& bar = box.strokes.at(0);
    ASSERT_EQ(bar.points.size(), 2u);
    const double middle = (bar.points[0].x + bar.points[1].x) / 2, y = bar.points[0].y;
    for (const std::u16string_view part : {u"340", u"9"}) {
      const MathRun& run = RunOf(box, part);
      EXPECT_NEAR(run.x + run.width / 2, middle, 1e-9);
      EXPECT_FALSE(Overlap(Of(run), {middle - 1, y - 0.01, middle + 1, y + 0.01}));
    }
    EXPECT_LT(RunOf(box, u"340").baseline, y);
    EXPECT_GT(RunOf(box, u"9").baseline - kMetrics.ascent({}), y);
    // The radical's last segment is its bar: over 5 - 13 from end to end, and over nothing else.
    const MathStroke& radical = box.strokes.at(1);
    const MathPoint a = radical.points[radical.points.size() - 2], b = radical.points.back();
    const double from = std::min(a.x, b.x), to = std::max(a.x, b.x);
    for (const MathRun& run : box.runs) {
      const bool under = run.text == u"5" || run.text == u"13" || run.text == u"-";
      const bool covered = run.x >= from && run.x + run.width <= to;
      const bool apart = run.x + run.width <= from || run.x >= to;
      EXPECT_TRUE(under ? covered : (apart || run.text == u"3"))
          << std::string(run.text.begin(), run.text.end());
      if (under) {
        EXPECT_LT(a.y, run.baseline - kMetrics.ascent(run.face));
      }
    }
    // The index stands in the sign's crook: on the side the sign opens from, and raised.
    const MathRun& index = RunOf(box, u"3");
    EXPECT_EQ(index.face.level, 2);
    if (direction == kLeft)
      EXPECT_LT(index.x, from);
    else
      EXPECT_GT(index.x, to);
  }
}

TEST(Typeset, RowsLineUpOnTheirSignsAndALongRowBreaksBeforeAnOperator) {
  const auto sum = [](int terms) {
    std::vector<Math> parts;
    for (int i = 0; i < terms; ++i) {
      if (i > 0) parts.push_back(MathSign(u"+"));
      parts.push_back(MathNumber(u"12345"));
    }
    return MathRow(std::move(parts));
  };
  const std::vector<StepRow> rows = {
      {MathRow({MathName(u"المساحة"), MathSign(u"="), MathNumber(u"7")})},
      {MathRow({MathSign(u"="), sum(12)}), true},
      {MathRow({MathSign(u"≈"), MathNumber(u"153.86")}), true},
  };
  for (const FormulaDirection direction : {kLeft, kRight}) {
    const auto set = SetRows(rows, kMetrics, direction, 200);
    ASSERT_EQ(set.size(), 3u);
    // Where each row's sign starts, from the edge the direction starts at.
    const auto start = [&](const SetLine& line, std::u16string_view sign) {
      const MathRun& run = RunOf(line.box, sign);
      return line.indent + (direction == kLeft ? run.x : line.box.width - run.x - run.width);
    };
    EXPECT_NEAR(start(set[1][0], u"="), start(set[0][0], u"="), 1e-9);
    EXPECT_NEAR(start(set[2][0], u"≈"), start(set[0][0], u"="), 1e-9);
    // The long row is broken: every line fits, each after the first starts with "+".
    ASSERT_GT(set[1].size(), 1u);
    for (std::size_t i = 0; i < set[1].size(); ++i) {
      EXPECT_LE(set[1][i].indent + set[1][i].box.width, 200 + 1e-9);
      if (i > 0) {
        const MathBox& line = set[1][i].box;
        const auto first = std::min_element(
            line.runs.begin(), line.runs.end(), [&](const MathRun& a, const MathRun& b) {
              return direction == kLeft ? a.x < b.x : a.x + a.width > b.x + b.width;
            });
        EXPECT_EQ(first->text, u"+");
      }
    }
  }
}

TEST(Typeset, TheTextOfAFormulaIsHowItIsReadAloud) {
  const struct {
    Math math;
    std::u16string_view text;
  } cases[] = {
      {MathRow(
           {MathFraction(MathNumber(u"340"), MathNumber(u"9"), true), MathSign(u"="),
            MathMixed(MathNumber(u"37"), MathFraction(MathNumber(u"7"), MathNumber(u"9"), true))}),
       u"340/9 = 37 7/9"},
      {MathFraction(MathRow({MathNumber(u"5"), MathSign(u"-"), MathRoot(MathNumber(u"13"))}),
                    MathNumber(u"2"), true),
       u"(5 - √13)/2"},
      {MathFraction(
           MathRow({MathSign(u"-", true), MathNumber(u"3"), MathSign(u"-"), MathNumber(u"1")}),
           MathRow({MathNumber(u"2"), MathSign(u"×"), MathNumber(u"2")})),
       u"(-3 - 1) ÷ (2 × 2)"},
      {MathRoot(MathRow({MathSign(u"-", true), MathNumber(u"27")}), MathNumber(u"3")), u"∛-27"},
      {MathRow({MathNumber(u"3"), MathSign(u"×"), MathRoot(MathNumber(u"2"), MathNumber(u"5"))}),
       u"3 × ⁵√2"},
      {MathPower(MathParens(MathRow({MathSign(u"-", true), MathNumber(u"5")})), MathNumber(u"2")),
       u"(-5)²"},
  };
  for (const auto& c : cases) EXPECT_EQ(LinearText(c.math), c.text);
}

}  // namespace
}  // namespace numora
