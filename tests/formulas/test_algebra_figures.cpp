// The figures of the algebra and temperature windows as geometry: what each shows for the numbers
// of a calculation, and that it stays framed however wild the numbers are.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "numeric/Bidi.h"
#include "numeric/NumberWriting.h"
#include "tests/formulas/QuadraticClick.h"
#include "topics/algebra/AlgebraFigures.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/temperature/TemperatureFigures.h"
#include "topics/temperature/TemperatureFormulas.h"

namespace numora {
namespace {

double Area(const FigurePath& path) {
  double twice = 0;
  for (std::size_t i = 0; i < path.points.size(); ++i) {
    const FigurePoint p = path.points[i], q = path.points[(i + 1) % path.points.size()];
    twice += p.x * q.y - q.x * p.y;
  }
  return std::abs(twice) / 2;
}

std::vector<FigurePath> Filled(const Figure& figure, std::size_t corners) {
  std::vector<FigurePath> filled;
  for (const FigurePath& path : figure.paths)
    if (path.filled && path.points.size() == corners) filled.push_back(path);
  return filled;
}

// Whether a label says the text (its numbers set apart or not), at the height when one is given.
bool Labelled(const Figure& figure, std::u16string_view text, double y = NAN) {
  return std::any_of(figure.labels.begin(), figure.labels.end(), [&](const FigureLabel& l) {
    return WithoutBidiMarks(l.text) == text &&
           (std::isnan(y) || std::abs(l.at.y - y) <= 1e-12 * std::abs(y));
  });
}

std::u16string Text(double value) { return NumberToText(value, u'.'); }

void ExpectNear(double actual, double expected) {
  EXPECT_NEAR(actual, expected, 1e-12 * std::max(1.0, std::abs(expected)));
}

TEST(Figures, NameTheirShapeAndKeepEveryPointInASaneFrame) {
  const std::u16string_view square = u"مربع", cube = u"مكعب", line = u"خط الأعداد",
                            triangle = u"مثلث قائم والمربعات على أضلاعه",
                            parabola = u"القطع المكافئ", heat = u"مقاييس الحرارة", none;
  const std::tuple<FigureOf, Values, std::u16string_view> rows[] = {
      {RootFigure, {{kIndex, 3}, {kRadicand, -27}}, line},
      {RootFigure, {{kIndex, 2}, {kRadicand, 0}}, line},
      {RootFigure, {{kIndex, 2}, {kRadicand, 1e300}}, square},
      {RootFigure, {{kIndex, 2}, {kRadicand, -4}}, none},
      {PowerFigure, {{kPowerBase, 3}, {kExponent, 3}}, cube},
      {PowerFigure, {{kPowerBase, -5}, {kExponent, 2}}, line},
      {PowerFigure, {{kPowerBase, 1e-200}, {kExponent, 2}}, line},  // the square underflows
      {PowerFigure, {{kPowerBase, 1e-310}, {kExponent, 3}}, none},
      {PowerFigure, {{kPowerBase, 0}, {kExponent, -1}}, none},
      {PythagorasFigure, {{kFirstLeg, 1e100}, {kSecondLeg, 1e100}}, triangle},
      {PythagorasFigure, {{kFirstLeg, 1}, {kSecondLeg, 100}}, none},
      {PythagorasFigure, {{kFirstLeg, -3}, {kSecondLeg, 4}}, none},
      {PythagorasFigure, {{kFirstLeg, 0}, {kSecondLeg, 4}}, none},
      {ParabolaFigure, QuadraticClick(1, 0, 0), parabola},
      {ParabolaFigure, QuadraticClick(1e-9, 0, 1e9), parabola},
      {ParabolaFigure, QuadraticClick(1, 1e150, 0), parabola},
      {ParabolaFigure, QuadraticClick(0, 2, 1), none},
      {ParabolaFigure, QuadraticClick(1e-300, 1e10, 0), none},
      {ThermometersFigure, {{kCelsius, 1e6}}, heat},
      {ThermometersFigure, {{kCelsius, 1e7}}, none},
      {ThermometersFigure, {{kKelvin, -5}}, none},
      {ThermometersFigure, {}, none},
  };
  for (std::size_t row = 0; row < std::size(rows); ++row) {
    const auto& [draw, values, name] = rows[row];
    SCOPED_TRACE(row);
    const Figure figure = draw(values, u'.');
    EXPECT_EQ(figure.cannotDraw.empty(), !name.empty());
    if (name.empty()) {
      EXPECT_TRUE(figure.paths.empty());
      continue;
    }
    EXPECT_EQ(figure.name, name);
    EXPECT_FALSE(figure.description.empty());
    ASSERT_TRUE(std::isnormal(figure.frame.width()) && std::isnormal(figure.frame.height()));
    std::vector<FigurePoint> points = figure.dots;
    for (const FigurePath& path : figure.paths)
      points.insert(points.end(), path.points.begin(), path.points.end());
    for (const FigureLabel& label : figure.labels) points.push_back(label.at);
    for (FigurePoint p : points) EXPECT_TRUE(figure.frame.contains(p)) << p.x << ", " << p.y;
  }
}

TEST(Figures, SquareOrCubeHasTheResultAsItsSideOrMeasure) {
  const std::tuple<FigureOf, Values, double, std::u16string_view, std::u16string_view> rows[] = {
      {RootFigure, {{kIndex, 2}, {kRadicand, 9}}, 9, u"√9 = 3", u"9"},
      {RootFigure, {{kIndex, 3}, {kRadicand, 27}}, 27, u"∛27 = 3", u"27"},
      {PowerFigure, {{kPowerBase, 5}, {kExponent, 2}}, 25, u"5", u"5² = 25"},
      {PowerFigure, {{kPowerBase, 1.5}, {kExponent, 3}}, 3.375, u"1.5", u"1.5³ = 3.375"},
  };
  for (const auto& [draw, values, measure, side, measured] : rows) {
    const Figure figure = draw(values, u'.');
    SCOPED_TRACE(measure);
    const bool cube = figure.name == u"مكعب";
    const double face = Area(Filled(figure, 4).at(0));
    ExpectNear(cube ? std::pow(face, 1.5) : face, measure);
    EXPECT_EQ(std::count_if(figure.paths.begin(), figure.paths.end(),
                            [](const FigurePath& p) { return p.line == FigureLine::Hidden; }),
              cube ? 3 : 0);
    EXPECT_TRUE(Labelled(figure, side) && Labelled(figure, measured));
  }
}

TEST(Figures, SquaresOnTheLegsMakeTheSquareOnTheHypotenuse) {
  const std::pair<double, double> legs[] = {{3, 4}, {5, 12}, {1, 1}, {2.5, 6}, {1e100, 3e100}};
  for (auto [a, b] : legs) {
    Values values{{kFirstLeg, a}, {kSecondLeg, b}};
    const Figure figure = PythagorasFigure(values, u'.');
    const double c = ValueOf(Hypotenuse, values);
    const std::vector<FigurePath> squares = Filled(figure, 4);
    ASSERT_EQ(squares.size(), 3u);
    const FigurePath& triangle =
        *std::find_if(figure.paths.begin(), figure.paths.end(),
                      [](const FigurePath& p) { return p.closed && p.points.size() == 3; });
    double legSquares = 0;
    for (const FigurePath& square : squares) {
      if (square.ink == FigureInk::Accent)
        ExpectNear(Area(square), c * c);
      else
        legSquares += Area(square);
      // Outward: the square and the triangle's far corner lie either side of the edge they share.
      std::vector<FigurePoint> edge, far;
      for (FigurePoint p : triangle.points)
        (std::count(square.points.begin(), square.points.end(), p) ? edge : far).push_back(p);
      ASSERT_EQ(edge.size(), 2u);
      const auto side = [&](FigurePoint p) {
        return (edge[1].x - edge[0].x) * (p.y - edge[0].y) -
               (edge[1].y - edge[0].y) * (p.x - edge[0].x);
      };
      FigurePoint centre;
      for (FigurePoint p : square.points) centre = {centre.x + p.x / 4, centre.y + p.y / 4};
      EXPECT_LT(side(centre) * side(far[0]), 0);
    }
    ExpectNear(legSquares, a * a + b * b);
    for (double shown : {a, b, c, a * a, b * b, c * c}) EXPECT_TRUE(Labelled(figure, Text(shown)));
  }
}

TEST(Figures, ParabolaFramesItsRootsVertexAndIntercept) {
  const std::tuple<double, double, double> equations[] = {
      {1, -5, 6}, {1, 2, 1}, {1, 0, 1}, {-2, 4, 30}, {1e-9, 0, 1e9}, {3, -1, -7}, {-0.5, 100, 0.1}};
  for (auto [a, b, c] : equations) {
    SCOPED_TRACE(testing::Message() << a << ", " << b << ", " << c);
    const Figure figure = ParabolaFigure(QuadraticClick(a, b, c), u'.');
    const double axis = -b / (2 * a), d = b * b - 4 * a * c;
    const FigurePath& curve = *std::max_element(
        figure.paths.begin(), figure.paths.end(),
        [](const FigurePath& p, const FigurePath& q) { return p.points.size() < q.points.size(); });
    ASSERT_GT(curve.points.size(), 50u);
    for (FigurePoint p : curve.points)
      EXPECT_NEAR(p.y, a * p.x * p.x + b * p.x + c, 1e-12 * figure.frame.height());
    std::vector<FigurePoint> marks = {{axis, c - b * b / (4 * a)}, {0, c}};
    for (double sign : {-1.0, 1.0})
      if (d >= 0) marks.push_back({(-b + sign * std::sqrt(d)) / (2 * a), 0});
    for (FigurePoint p : marks) EXPECT_TRUE(figure.frame.contains(p)) << p.x << ", " << p.y;
    std::set<double> crossings;
    for (FigurePoint p : figure.dots)
      if (p.y == 0) crossings.insert(p.x);
    EXPECT_EQ(crossings.size(), d > 0 ? 2u : d == 0 ? 1u : 0u);
    // The scales: a number under the x-axis is its x, one left of the y-axis its y.
    for (const FigureLabel& label : figure.labels) {
      if (label.text.find_first_not_of(u"0123456789.-E+") == std::u16string::npos) {
        EXPECT_EQ(label.text, Text(label.side == FigureSide::Left ? label.at.y : label.at.x));
      }
    }
    EXPECT_TRUE(std::any_of(figure.paths.begin(), figure.paths.end(), [&](const FigurePath& p) {
      return p.line == FigureLine::Guide && p.points.front().x == axis && p.points.back().x == axis;
    }));
    EXPECT_EQ(figure.caption.empty(), d >= 0);
  }
}

TEST(Figures, ParabolaDescriptionWritesNumbersAsTheWindow) {
  EXPECT_EQ(
      ParabolaFigure(QuadraticClick(1, -5, 6), u'.').description,
      u"قطع مكافئ: الرأس \u2066(2.5، -0.25)\u2069، الجذران 2 و3، محور التماثل س = 2.5، يقطع محور "
      u"الصادات عند 6.");
  EXPECT_EQ(
      ParabolaFigure(QuadraticClick(1, -5, 6), u',').description,
      u"قطع مكافئ: الرأس \u2066(2,5 ; -0,25)\u2069، الجذران 2 و3، محور التماثل س = 2,5، يقطع محور "
      u"الصادات عند 6.");
}

TEST(Figures, ThermometersShowOneTemperatureAtOneLevel) {
  const std::tuple<Values, std::u16string_view, std::u16string_view, std::u16string_view> rows[] = {
      {{{kCelsius, 37}}, u"37\u00A0°س", u"98.6\u00A0°ف", u"310\u00A0كلفن"},
      {{{kKelvin, 300}}, u"27\u00A0°س", u"80.6\u00A0°ف", u"300\u00A0كلفن"},
      {{{kFahrenheit, -40}}, u"-40\u00A0°س", u"-40\u00A0°ف", u"233\u00A0كلفن"},
      {{{kCelsius, 1000}}, u"1000\u00A0°س", u"1832\u00A0°ف", u"1273\u00A0كلفن"},
      {{{kKelvin, 0}}, u"-273\u00A0°س", u"-459.4\u00A0°ف", u"0\u00A0كلفن"},
  };
  for (const auto& [values, celsius, fahrenheit, kelvin] : rows) {
    const Figure figure = ThermometersFigure(values, u'.');
    SCOPED_TRACE(std::string(celsius.begin(), celsius.end()));
    const std::vector<FigurePath> columns = Filled(figure, 4);
    ASSERT_EQ(columns.size(), 3u);
    const double top = columns[0].points[2].y;  // corners counterclockwise from the bottom left
    for (const FigurePath& column : columns) ExpectNear(column.points[2].y, top);
    // Each reading over its thermometer, with its scale's sign.
    for (std::u16string_view reading : {celsius, fahrenheit, kelvin})
      EXPECT_TRUE(Labelled(figure, reading));
    // A negative reading keeps its minus with its digits before the scale's sign, read from the
    // right.
    if (celsius.starts_with(u'-'))
      EXPECT_TRUE(std::any_of(figure.labels.begin(), figure.labels.end(),
                              [&, celsius = celsius](const FigureLabel& l) {
                                return l.text.find(LeftToRightIsolate(NumberBeforeUnit(celsius))) !=
                                       std::u16string::npos;
                              }));
    // Water's marks: a guide line across, and each scale's own number on it.
    std::vector<double> marks;
    for (const FigureLabel& label : figure.labels)
      if (label.text == u"تجمد الماء" || label.text == u"غليان الماء") marks.push_back(label.at.y);
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_LT(marks[0], marks[1]);
    const std::pair<double, std::vector<std::u16string_view>> water[] = {
        {marks[0], {u"0", u"32", u"273"}}, {marks[1], {u"100", u"212", u"373"}}};
    for (const auto& [y, numbers] : water) {
      for (std::u16string_view number : numbers) EXPECT_TRUE(Labelled(figure, number, y));
      EXPECT_TRUE(
          std::any_of(figure.paths.begin(), figure.paths.end(), [&, y = y](const FigurePath& p) {
            return p.line == FigureLine::Guide && p.points.front().y == y && p.points.back().y == y;
          }));
    }
  }
}

}  // namespace
}  // namespace numora
