// The figures beside the geometry windows: drawn in proportion to the pupil's lengths, labelled
// with them as the window writes them, or not drawn with a sentence that says why.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "numeric/Bidi.h"
#include "topics/geometry/GeometryFigures.h"
#include "topics/geometry/GeometryFormulas.h"

namespace numora {
namespace {

std::u16string Plain(std::u16string_view text) { return WithoutBidiMarks(text); }

bool Contains(std::u16string_view text, std::u16string_view part) {
  return text.find(part) != text.npos;
}
bool Near(double a, double b) { return std::abs(a - b) <= 1e-9 * (1 + std::abs(a)); }
double Distance(FigurePoint a, FigurePoint b) { return std::hypot(a.x - b.x, a.y - b.y); }

FigureFrame Bounds(std::vector<FigurePath> paths) {
  Figure figure;
  figure.paths = std::move(paths);
  return FrameAround(figure, 0);
}

enum Marks { kRightAngle = 1, kHidden = 2, kFilled = 4, kRound = 8 };

// kRound: a closed path all at one distance from the centre dot.
int MarksOf(const Figure& figure) {
  int marks = 0;
  for (const FigurePath& path : figure.paths) {
    const auto& p = path.points;
    if (!path.closed && path.line == FigureLine::Guide && p.size() == 3 &&
        Near(Distance(p[0], p[1]), Distance(p[2], p[1])) &&
        Near(Distance(p[0], p[2]), std::sqrt(2) * Distance(p[0], p[1])))
      marks |= kRightAngle;
    if (path.line == FigureLine::Hidden) marks |= kHidden;
    if (path.filled && path.ink == FigureInk::Accent) marks |= kFilled;
    if (path.closed && figure.dots.size() == 1 && std::ranges::all_of(p, [&](FigurePoint q) {
          return Near(Distance(q, figure.dots[0]), Distance(p[0], figure.dots[0]));
        }))
      marks |= kRound;
  }
  return marks;
}

bool AllInsideFrame(const Figure& figure) {
  auto inside = [&](FigurePoint p) { return figure.frame.contains(p); };
  return std::ranges::all_of(figure.dots, inside) &&
         std::ranges::all_of(figure.labels, [&](const auto& l) { return inside(l.at); }) &&
         std::ranges::all_of(figure.paths, [&](const auto& path) {
           return std::ranges::all_of(path.points, inside);
         });
}

std::u16string LabelTexts(const Figure& figure) {
  std::vector<std::u16string> texts;
  for (const FigureLabel& label : figure.labels) texts.push_back(label.text);
  std::ranges::sort(texts);
  std::u16string joined;
  for (const auto& text : texts) joined += (joined.empty() ? u"" : u" ") + text;
  return joined;
}

TEST(GeometryFigures, DrawnInProportionAndLabelledAsTheWindowWritesTheNumbers) {
  const struct {
    FigureOf draw;
    Values values;
    std::u16string name, labels;     // the labels sorted, with a decimal comma
    std::vector<FigurePoint> sizes;  // each the width and height of some path
    int marks;
  } rows[] = {
      // clang-format off
      {TriangleFigure, {{kBase, 6}, {kHeight, 2.5}}, u"مثلث", u"2,5 6", {{6, 2.5}, {0, 2.5}}, kRightAngle | kFilled},
      {RectangleFigure, {{kWidth, 2}, {kLength, 8}}, u"مستطيل", u"2 8", {{8, 2}}, kRightAngle | kFilled},
      {RectangleFigure, {{kWidth, 5}, {kLength, 5}}, u"مربع", u"5 5", {{5, 5}}, kRightAngle | kFilled},
      {TrapezoidFigure, {{kFirstBase, 6}, {kSecondBase, 4}, {kHeight, 2}}, u"شبه منحرف", u"2 4 6",
       {{6, 2}, {0, 2}}, kRightAngle | kFilled},
      {TrapezoidFigure, {{kFirstBase, 3}, {kSecondBase, 7}, {kHeight, 2.5}}, u"شبه منحرف", u"2,5 3 7",
       {{7, 2.5}, {0, 2.5}}, kRightAngle | kFilled},
      {CircleFigure, {{kRadius, 2.5}}, u"دائرة", u"2,5", {{5, 5}, {2.5, 0}}, kFilled | kRound},
      {CuboidFigure, {{kWidth, 2}, {kHeight, 3}, {kLength, 8}}, u"متوازي مستطيلات", u"2 3 8", {{8, 3}}, kHidden},
      {CuboidFigure, {{kWidth, 2}, {kHeight, 2}, {kLength, 2}}, u"مكعب", u"2 2 2", {{2, 2}}, kHidden},
      {SphereFigure, {{kRadius, 3}}, u"كرة", u"3", {{6, 6}, {3, 0}}, kHidden | kRound},
      {CylinderFigure, {{kRadius, 1.5}, {kHeight, 4}}, u"أسطوانة", u"1,5 4", {{1.5, 0}, {0, 4}}, kHidden},
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << std::string(row.labels.begin(), row.labels.end()));
    const Figure figure = row.draw(row.values, u',');
    EXPECT_TRUE(figure.cannotDraw.empty() && figure.notToScale.empty());
    EXPECT_EQ(figure.name, row.name);
    EXPECT_EQ(LabelTexts(figure), row.labels);
    const std::u16string description = Plain(figure.description);
    EXPECT_TRUE(description.starts_with(row.name));
    EXPECT_TRUE(Contains(description, row.labels.substr(row.labels.rfind(u' ') + 1)));
    for (FigurePoint size : row.sizes) {
      const auto spans = [&](const FigurePath& path) {
        const FigureFrame box = Bounds({path});
        return Near(size.x, box.width()) && Near(size.y, box.height());
      };
      EXPECT_TRUE(std::ranges::any_of(figure.paths, spans)) << size.x << " by " << size.y;
    }
    EXPECT_EQ(MarksOf(figure), row.marks);
    EXPECT_TRUE(AllInsideFrame(figure));
  }
}

// Not drawn: the sentence names the length. Drawn: a length enlarged to stay visible is named,
// and a thin shape's outline is eased to an eighth of its length at least.
TEST(GeometryFigures, NotDrawnOrDrawnWithAThinSideEnlarged) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double infinity = std::numeric_limits<double>::infinity();
  const struct {
    FigureOf draw;
    Values values;
    std::vector<std::u16string> cannotDraw, enlarged;
  } rows[] = {
      // clang-format off
      {RectangleFigure, {{kWidth, 0}, {kLength, 8}}, {u"العرض", u"صفر"}, {}},
      {TriangleFigure, {{kBase, -3}, {kHeight, 2}}, {u"سالب", u"-3"}, {}},
      {RectangleFigure, {{kWidth, 1}, {kLength, 1E+9}}, {u"مقياس رسم", u"العرض", u"الطول", u"1000000000"}, {}},
      {TrapezoidFigure, {{kFirstBase, 5}, {kSecondBase, 0.001}, {kHeight, 2}}, {u"القاعدة الأولى", u"القاعدة الثانية"}, {}},
      {CircleFigure, {{kRadius, nan}}, {u"نصف القطر"}, {}},
      {CylinderFigure, {{kRadius, 1}, {kHeight, infinity}}, {u"الارتفاع"}, {}},
      {CuboidFigure, {{kWidth, 1}, {kHeight, 1}}, {u"الطول"}, {}},
      {SphereFigure, {{kRadius, 1E+200}}, {u"1E+200"}, {}},
      {RectangleFigure, {{kWidth, 1}, {kLength, 100}}, {}, {u"العرض"}},
      {RectangleFigure, {{kWidth, 1}, {kLength, 8}}, {}, {}},
      {RectangleFigure, {{kWidth, 1}, {kLength, 40}}, {}, {u"العرض"}},
      {CuboidFigure, {{kWidth, 1}, {kHeight, 3}, {kLength, 94}}, {}, {u"العرض", u"الارتفاع"}},
      {RectangleFigure, {{kWidth, 1}, {kLength, 1000}}, {}, {u"العرض"}},
      {TriangleFigure, {{kBase, 100}, {kHeight, 1}}, {}, {u"الارتفاع"}},
      {CylinderFigure, {{kRadius, 1}, {kHeight, 100}}, {}, {u"نصف القطر"}},
      {CuboidFigure, {{kWidth, 1}, {kHeight, 2}, {kLength, 200}}, {}, {u"العرض", u"الارتفاع"}},
      // clang-format on
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(testing::Message() << "row " << i);
    const auto& row = rows[i];
    const Figure figure = row.draw(row.values, u'.');
    EXPECT_FALSE(figure.name.empty());
    EXPECT_EQ(figure.cannotDraw.empty(), row.cannotDraw.empty());
    for (const auto& word : row.cannotDraw) EXPECT_TRUE(Contains(Plain(figure.cannotDraw), word));
    EXPECT_EQ(figure.notToScale.empty(), row.enlarged.empty());
    for (const auto& word : row.enlarged) EXPECT_TRUE(Contains(figure.notToScale, word));
    if (!figure.cannotDraw.empty()) {
      EXPECT_TRUE(figure.paths.empty() && figure.labels.empty() && figure.dots.empty());
      continue;
    }
    EXPECT_TRUE(Contains(figure.description, figure.notToScale));
    EXPECT_TRUE(LabelTexts(figure).starts_with(u"1 "));  // the length as typed
    std::vector<FigurePath> outline;
    std::ranges::copy_if(figure.paths, std::back_inserter(outline),
                         [](const FigurePath& path) { return path.ink == FigureInk::Shape; });
    const FigureFrame box = Bounds(outline);
    EXPECT_GE(std::min(box.width(), box.height()) * 8,
              std::max(box.width(), box.height()) * (1 - 1e-12));
    EXPECT_TRUE(AllInsideFrame(figure));
  }
}

}  // namespace
}  // namespace numora
