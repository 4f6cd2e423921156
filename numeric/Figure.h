#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "numeric/Formula.h"
#include "numeric/Notation.h"
#include "numeric/NumberWriting.h"

namespace numora {

// A figure drawn to scale from the numbers of one calculation: its geometry only, in the figure's
// own units (the pupil's lengths, degrees, or the graph's x and y), with y upwards and x growing
// to the right whatever the direction of the text. A window paints it (ui/solution/FigureView.h):
// the frame fills the room it has, the same scale on both axes unless the figure is a graph.
struct FigurePoint {
  double x = 0;
  double y = 0;
  friend bool operator==(const FigurePoint&, const FigurePoint&) = default;
};

struct FigureFrame {
  double left = 0;
  double bottom = 0;
  double right = 0;
  double top = 0;
  double width() const { return right - left; }
  double height() const { return top - bottom; }
  bool contains(FigurePoint p) const {
    return p.x >= left && p.x <= right && p.y >= bottom && p.y <= top;
  }
};

enum class FigureLine : std::uint8_t {
  Solid,   // an edge or a curve
  Hidden,  // an edge behind a solid: dashed
  Guide,   // axes, a scale, an axis of symmetry: thin
};

// Which colour of the palette a path takes, so that a high-contrast scheme works.
enum class FigureInk : std::uint8_t {
  Shape,   // the window's text colour
  Accent,  // the highlight colour: what the result measures
  Guide,   // a quieter colour for axes and scales
};

struct FigurePath {
  std::vector<FigurePoint> points;
  bool closed = false;
  FigureLine line = FigureLine::Solid;
  FigureInk ink = FigureInk::Shape;
  bool filled = false;  // a light fill of its ink inside a closed path
};

// Where a label would rather stand from its point; placement moves it where that is taken.
enum class FigureSide : std::uint8_t { Centre, Above, Below, Left, Right };

// A measure is always shown, led out from its point when there is no room beside it; a scale's
// number stands at its tick or is left out.
enum class FigureLabelKind : std::uint8_t { Measure, Tick };

struct FigureLabel {
  FigurePoint at;
  // Numbers written as the window writes them. A pair of coordinates is a first-strong isolate
  // (CoordinatePair), which the painter sets in the direction of the formulas.
  std::u16string text;
  FigureSide side = FigureSide::Centre;
  FigureLabelKind kind = FigureLabelKind::Measure;
};

struct Figure {
  std::u16string name;         // its accessible name: "مستطيل"
  std::u16string description;  // what it shows, for a screen reader and the panel's text
  // When not empty the figure is not drawn and this sentence is shown instead ("لا يرسم الشكل:
  // ..."): a fault, a zero length, a shape too long for its width to be seen.
  std::u16string cannotDraw;
  // When not empty a part was drawn larger than its scale so that it stays visible, and this
  // sentence says so beside the figure.
  std::u16string notToScale;
  // A sentence under the figure ("القطع المكافئ لا يقطع محور السينات").
  std::u16string caption;
  bool sameScale = true;  // false for a graph: x and y each fill the room
  FigureFrame frame;      // the region shown; every path and dot lies inside it
  std::vector<FigurePath> paths;
  std::vector<FigurePoint> dots;  // points marked on a graph: roots, vertex
  std::vector<FigureLabel> labels;
};

// A topic's figure from the numbers of a calculation that ended with its results: the quantities
// read from the boxes, by their names in the formulas, and the stages computed on the way.
using FigureOf = Figure (*)(const Values& values, Notation notation);

// Figures that are not drawn, with the sentence that says why: "لا يرسم الشكل: " and the reason,
// or, for lengths too far apart to share one scale, "لا يرسم الشكل بمقياس رسم: " and the reason.
Figure CannotDraw(std::u16string_view name, std::u16string_view why);
Figure CannotDrawToScale(std::u16string_view name, std::u16string_view why);

// Pieces of figures.
FigurePath Segment(FigurePoint from, FigurePoint to, FigureLine line = FigureLine::Solid,
                   FigureInk ink = FigureInk::Shape);
FigurePath Polygon(std::vector<FigurePoint> corners, FigureInk ink = FigureInk::Shape,
                   bool filled = false);
// An ellipse, or an arc of one from the start angle to the end angle (radians, counterclockwise),
// as a path of short segments.
FigurePath EllipseArc(FigurePoint centre, double radiusX, double radiusY, double fromAngle,
                      double toAngle, FigureLine line = FigureLine::Solid,
                      FigureInk ink = FigureInk::Shape);
FigurePath Ellipse(FigurePoint centre, double radiusX, double radiusY,
                   FigureInk ink = FigureInk::Shape, bool filled = false);
// The small square that marks the right angle at a corner between the directions to two
// neighbours, of the given side.
FigurePath RightAngleMark(FigurePoint corner, FigurePoint towardFirst, FigurePoint towardSecond,
                          double side);
// A step of 1, 2 or 5 times a power of ten, at least as long as the rough one: the scale a
// textbook's graph paper has.
double NiceStep(double rough);
// A number inside Arabic words, set apart as one left-to-right run so that its sign and digits
// ("-3", "1E+20") read as the window wrote them.
std::u16string IsolatedNumber(std::u16string_view number);
// A number and its unit inside Arabic words, read as the notation reads them: the number set apart
// and its Arabic unit after it ("7 سم"), or number and Latin unit one left-to-right run ("7 cm").
std::u16string IsolatedMeasure(std::u16string_view number, Unit unit, const Notation& notation);
// A figure's label of a measure: the number alone where it has no unit, which the painter reads
// from the left, or the number and its unit as a sentence reads them.
std::u16string MeasureLabel(std::u16string_view number, Unit unit, const Notation& notation);

// A pair of coordinates, "(x، y)", as one isolate whose direction the painter chooses: read from
// the left or from the right, x comes first.
// The separator is the notation's (Notation::pairSeparator): the Arabic comma, which a decimal
// comma cannot be taken for, or a semicolon where the decimal mark is a comma.
std::u16string CoordinatePair(std::u16string_view x, std::u16string_view y,
                              std::u16string_view separator = u"،");

// The smallest frame around every path, dot and label point, with a margin of the given share of
// its larger side on each side.
FigureFrame FrameAround(const Figure& figure, double margin = 0.08);

// Whether a frame gives a scale at all: its width and its height finite and neither zero nor too
// small to divide by. Drawable's first test: a figure asks it of its frame as it is built, and the
// rest of the rule is asked where the figure is painted.
bool Scalable(const FigureFrame& frame);
// Whether a figure can be mapped onto a surface, the one rule of what is drawn. Figures give frames
// that hold them; this keeps a slip in one of them (a zero length, a NaN, an overflow) from
// reaching a painter with coordinates it would take forever to stroke.
bool Drawable(const Figure& figure);

// Label placement, in the units of the surface a figure is drawn on (a view's pixels, a page's
// points), y growing downwards.
struct SurfacePoint {
  double x = 0;
  double y = 0;
};
struct SurfaceRect {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
  double width() const { return right - left; }
  double height() const { return bottom - top; }
  SurfacePoint centre() const { return {(left + right) / 2, (top + bottom) / 2}; }
  bool overlaps(const SurfaceRect& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
  bool holds(const SurfaceRect& other) const {
    return other.left >= left && other.right <= right && other.top >= top && other.bottom <= bottom;
  }
  SurfaceRect grown(double by) const { return {left - by, top - by, right + by, bottom + by}; }
};

// The figure's frame onto the room it is given on the surface, y turned downwards: the same scale
// on both axes unless the figure is a graph, centred.
class FigureMapping {
 public:
  FigureMapping(const FigureFrame& frame, const SurfaceRect& room, bool sameScale);
  SurfacePoint operator()(FigurePoint p) const;

 private:
  FigureFrame frame_;
  double scaleX_, scaleY_, left_, bottom_;
};

// The size a label's text takes on the surface, in the face and size it is drawn with.
class LabelMetrics {
 public:
  virtual ~LabelMetrics() = default;
  virtual double width(const FigureLabel& label) const = 0;
  virtual double height(const FigureLabel& label) const = 0;
};

struct PlacedLabel {
  std::size_t label;  // its index in the figure's labels
  SurfaceRect box;
  // A short line from the label's point to its box, for a label led out from a crowded place.
  bool led = false;
  SurfacePoint leaderFrom, leaderTo;
};

struct LabelSpacing {
  double gap = 4;        // between a label and its point
  double clearance = 2;  // between a label and any line, dot or other label
  double dot = 3.5;      // a dot's radius
};

// Where each label stands: on the side it would rather have, or on another, or further out with a
// leader, wherever its box touches no other label, no line of the figure (edges, curves, axes,
// ticks, leaders) and no dot, and lies inside the area. A tick's number that has no room at its
// tick is left out. In the order of the labels, so that the first have the first choice.
std::vector<PlacedLabel> PlaceLabels(const Figure& figure, const FigureMapping& map,
                                     const LabelMetrics& metrics, const SurfaceRect& area,
                                     const LabelSpacing& spacing);

}  // namespace numora
