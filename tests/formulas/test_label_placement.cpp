// Every topic's figure, for awkward numbers, at the sizes a panel gives it at 100 % and 300 %: no
// label touches another label, a line of the figure or a dot, every label stays in view, every
// measure is shown and a scale's number stands at its tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "numeric/Bidi.h"
#include "numeric/Figure.h"
#include "tests/formulas/QuadraticClick.h"
#include "topics/algebra/AlgebraFigures.h"
#include "topics/algebra/AlgebraFormulas.h"
#include "topics/geometry/GeometryFigures.h"
#include "topics/geometry/GeometryFormulas.h"
#include "topics/temperature/TemperatureFigures.h"
#include "topics/temperature/TemperatureFormulas.h"

namespace numora {
namespace {

// A face whose every character has the same advance: the bidirectional controls have none.
class FixedLabelMetrics : public LabelMetrics {
 public:
  explicit FixedLabelMetrics(double pixels) : pixels_(pixels) {}
  double width(const FigureLabel& label) const override {
    const auto shown = std::count_if(label.text.begin(), label.text.end(),
                                     [](char16_t c) { return !IsBidiMark(c); });
    return 0.6 * pixels_ * static_cast<double>(shown) + 1;
  }
  double height(const FigureLabel&) const override { return 1.3 * pixels_; }

 private:
  double pixels_;
};

struct Case {
  const char* window;
  FigureOf draw;
  Values values;
};

std::vector<Case> AwkwardCases() {
  return {
      {"triangle", TriangleFigure, {{kBase, 6}, {kHeight, 4.5}}},
      {"triangle", TriangleFigure, {{kBase, 100}, {kHeight, 1}}},
      {"triangle", TriangleFigure, {{kBase, 0.001}, {kHeight, 0.0015}}},
      {"triangle", TriangleFigure, {{kBase, 123456.789}, {kHeight, 987654.321}}},
      {"rectangle", RectangleFigure, {{kWidth, 3}, {kLength, 4}}},
      {"rectangle", RectangleFigure, {{kWidth, 1}, {kLength, 94}}},
      {"rectangle", RectangleFigure, {{kWidth, 0.5}, {kLength, 456.789}}},
      {"trapezoid", TrapezoidFigure, {{kFirstBase, 2.5}, {kSecondBase, 3.5}, {kHeight, 3}}},
      {"trapezoid", TrapezoidFigure, {{kFirstBase, 10}, {kSecondBase, 0.5}, {kHeight, 1}}},
      {"trapezoid", TrapezoidFigure, {{kFirstBase, 0.5}, {kSecondBase, 10}, {kHeight, 40}}},
      {"circle", CircleFigure, {{kRadius, 7}}},
      {"circle", CircleFigure, {{kRadius, 123456789.123}}},
      {"cuboid", CuboidFigure, {{kWidth, 3}, {kHeight, 94}, {kLength, 4}}},
      {"cuboid", CuboidFigure, {{kWidth, 4}, {kHeight, 3}, {kLength, 94}}},
      {"cuboid", CuboidFigure, {{kWidth, 94}, {kHeight, 3}, {kLength, 4}}},
      {"cuboid", CuboidFigure, {{kWidth, 1.5}, {kHeight, 1.5}, {kLength, 1.5}}},
      {"sphere", SphereFigure, {{kRadius, 2}}},
      {"sphere", SphereFigure, {{kRadius, 0.000123456}}},
      {"cylinder", CylinderFigure, {{kRadius, 2}, {kHeight, 5}}},
      {"cylinder", CylinderFigure, {{kRadius, 1}, {kHeight, 100}}},
      {"cylinder", CylinderFigure, {{kRadius, 100}, {kHeight, 1}}},
      {"root", RootFigure, {{kIndex, 3}, {kRadicand, -27}}},
      {"root", RootFigure, {{kIndex, 2}, {kRadicand, 2}}},
      {"root", RootFigure, {{kIndex, 3}, {kRadicand, 0.001}}},
      {"root", RootFigure, {{kIndex, 2}, {kRadicand, 0}}},
      {"root", RootFigure, {{kIndex, 5}, {kRadicand, 1e10}}},
      {"power", PowerFigure, {{kPowerBase, -2}, {kExponent, 15}}},
      {"power", PowerFigure, {{kPowerBase, 1.5}, {kExponent, 3}}},
      {"power", PowerFigure, {{kPowerBase, 0.1}, {kExponent, 2}}},
      {"power", PowerFigure, {{kPowerBase, 10}, {kExponent, -3}}},
      {"pythagoras", PythagorasFigure, {{kFirstLeg, 3}, {kSecondLeg, 4}}},
      {"pythagoras", PythagorasFigure, {{kFirstLeg, 1}, {kSecondLeg, 40}}},
      {"pythagoras", PythagorasFigure, {{kFirstLeg, 0.3}, {kSecondLeg, 0.4}}},
      {"pythagoras", PythagorasFigure, {{kFirstLeg, 123456}, {kSecondLeg, 654321}}},
      {"quadratic", ParabolaFigure, QuadraticClick(2, 3, 1)},
      {"quadratic", ParabolaFigure, QuadraticClick(2, -7, 3)},
      {"quadratic", ParabolaFigure, QuadraticClick(1, -2, 1)},
      {"quadratic", ParabolaFigure, QuadraticClick(1, 0, 1)},
      {"quadratic", ParabolaFigure, QuadraticClick(-1, 0.001, 1000)},
      {"quadratic", ParabolaFigure, QuadraticClick(0.001, 5, -2)},
      {"quadratic", ParabolaFigure, QuadraticClick(1, 1e6, 1)},
      {"temperature", ThermometersFigure, {{kCelsius, -40}}},
      {"temperature", ThermometersFigure, {{kCelsius, 37.5}}},
      {"temperature", ThermometersFigure, {{kFahrenheit, 100}}},
      {"temperature", ThermometersFigure, {{kKelvin, 0.001}}},
      {"temperature", ThermometersFigure, {{kCelsius, 99999}}},
  };
}

// Whether a segment comes into a box, found by walking it in steps of a tenth of a pixel: a
// check that shares nothing with the placement's clipping.
bool Crosses(SurfacePoint a, SurfacePoint b, const SurfaceRect& box) {
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  const int steps = std::max(1, static_cast<int>(std::ceil(length * 10)));
  for (int i = 0; i <= steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    const double x = a.x + (b.x - a.x) * t, y = a.y + (b.y - a.y) * t;
    if (x > box.left && x < box.right && y > box.top && y < box.bottom) return true;
  }
  return false;
}

TEST(LabelPlacement, NoLabelTouchesAnotherALineOrADotAndEveryMeasureIsShown) {
  // The panel's figure at 100 % and 300 %: its area, the font's size in pixels, the margins the
  // view keeps around the drawing for its labels (two lines), as the view paints it.
  for (const double scale : {1.0, 3.0}) {
    const SurfaceRect area{0, 0, 280 * scale, 220 * scale};
    const double pixels = 12 * scale;
    const FixedLabelMetrics metrics(pixels);
    const LabelSpacing spacing{.gap = 4 * scale, .clearance = 2 * scale, .dot = 3.5 * scale};
    const double margin = 2 * metrics.height({});
    const SurfaceRect room{margin, margin, area.right - margin, area.bottom - margin};
    for (const Case& row : AwkwardCases()) {
      const Figure figure = row.draw(row.values, u'.');
      SCOPED_TRACE(testing::Message() << row.window << " at " << scale * 100
                                      << " %: " << testing::PrintToString(figure.description));
      ASSERT_TRUE(figure.cannotDraw.empty());
      const FigureMapping map(figure.frame, room, figure.sameScale);
      const std::vector<PlacedLabel> placed = PlaceLabels(figure, map, metrics, area, spacing);

      std::set<std::size_t> shown;
      for (std::size_t i = 0; i < placed.size(); ++i) {
        const PlacedLabel& label = placed[i];
        const FigureLabel& wanted = figure.labels.at(label.label);
        SCOPED_TRACE(testing::PrintToString(wanted.text));
        EXPECT_TRUE(shown.insert(label.label).second) << "placed twice";
        EXPECT_TRUE(area.holds(label.box));
        EXPECT_NEAR(label.box.width(), metrics.width(wanted), 1e-9);
        for (std::size_t j = i + 1; j < placed.size(); ++j)
          EXPECT_FALSE(label.box.overlaps(placed[j].box))
              << "touches " << testing::PrintToString(figure.labels[placed[j].label].text);
        const SurfaceRect kept = label.box.grown(spacing.clearance * 0.9);
        for (const FigurePath& path : figure.paths)
          for (std::size_t k = 0; k < path.points.size(); ++k) {
            const bool last = k + 1 == path.points.size();
            if (last && !path.closed) break;
            const FigurePoint to = path.points[last ? 0 : k + 1];
            EXPECT_FALSE(Crosses(map(path.points[k]), map(to), kept)) << "a line runs through it";
          }
        for (FigurePoint dot : figure.dots) {
          const SurfacePoint at = map(dot);
          EXPECT_FALSE(kept.grown(spacing.dot).overlaps({at.x, at.y, at.x, at.y}))
              << "a dot covers it";
        }
        for (const PlacedLabel& other : placed) {
          if (other.led && &other != &label) {
            EXPECT_FALSE(Crosses(other.leaderFrom, other.leaderTo, label.box))
                << "a leader runs through it";
          }
        }
        // A scale's number stands at its tick, never led away from it.
        if (wanted.kind == FigureLabelKind::Tick) {
          const SurfacePoint at = map(wanted.at);
          const double dx = std::max({label.box.left - at.x, 0.0, at.x - label.box.right}),
                       dy = std::max({label.box.top - at.y, 0.0, at.y - label.box.bottom});
          EXPECT_FALSE(label.led);
          EXPECT_LE(std::hypot(dx, dy), spacing.gap + 2 * spacing.clearance + 1);
        }
      }
      for (std::size_t i = 0; i < figure.labels.size(); ++i) {
        if (figure.labels[i].kind == FigureLabelKind::Measure && !figure.labels[i].text.empty()) {
          EXPECT_TRUE(shown.count(i))
              << "left out: " << testing::PrintToString(figure.labels[i].text);
        }
      }
    }
  }
}

// A pair of coordinates is one isolate the painter turns to the formulas' direction, its two
// numbers each one left-to-right run, x first.
TEST(LabelPlacement, CoordinatePairsAreOneIsolateWithXFirst) {
  const std::u16string pair = CoordinatePair(u"-0.75", u"12");
  EXPECT_EQ(pair.front(), u'\u2068');
  EXPECT_EQ(pair.back(), u'\u2069');
  EXPECT_LT(pair.find(u"-0.75"), pair.find(u"12"));
  const Figure parabola = ParabolaFigure(QuadraticClick(1, 1.5, 12), u'.');
  EXPECT_EQ(std::count_if(parabola.labels.begin(), parabola.labels.end(),
                          [](const FigureLabel& label) {
                            return label.text.find(u'\u2068') != std::u16string::npos;
                          }),
            2);  // the vertex and the y-intercept
}

}  // namespace
}  // namespace numora
