#include "numeric/Figure.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

#include "numeric/Bidi.h"

namespace numora {

namespace {

Figure NotDrawn(std::u16string_view name, std::u16string sentence) {
  Figure figure;
  figure.name = name;
  figure.description = sentence;
  figure.cannotDraw = std::move(sentence);
  return figure;
}

}  // namespace

Figure CannotDraw(std::u16string_view name, std::u16string_view why) {
  return NotDrawn(name, u"لا يرسم الشكل: " + std::u16string(why));
}

Figure CannotDrawToScale(std::u16string_view name, std::u16string_view why) {
  return NotDrawn(name, u"لا يرسم الشكل بمقياس رسم: " + std::u16string(why));
}

FigurePath Segment(FigurePoint from, FigurePoint to, FigureLine line, FigureInk ink) {
  return {.points = {from, to}, .closed = false, .line = line, .ink = ink};
}

FigurePath Polygon(std::vector<FigurePoint> corners, FigureInk ink, bool filled) {
  return {.points = std::move(corners), .closed = true, .ink = ink, .filled = filled};
}

FigurePath EllipseArc(FigurePoint centre, double radiusX, double radiusY, double fromAngle,
                      double toAngle, FigureLine line, FigureInk ink) {
  // Enough segments that a full ellipse looks round at any size a panel gives it.
  constexpr int kFullCircle = 96;
  const double sweep = toAngle - fromAngle;
  const int count = std::max(
      2, static_cast<int>(std::ceil(std::abs(sweep) / (2 * std::numbers::pi) * kFullCircle)));
  FigurePath path;
  path.line = line;
  path.ink = ink;
  path.points.reserve(count + 1);
  for (int i = 0; i <= count; ++i) {
    const double angle = fromAngle + sweep * i / count;
    path.points.push_back(
        {centre.x + radiusX * std::cos(angle), centre.y + radiusY * std::sin(angle)});
  }
  return path;
}

FigurePath Ellipse(FigurePoint centre, double radiusX, double radiusY, FigureInk ink, bool filled) {
  FigurePath path = EllipseArc(centre, radiusX, radiusY, 0, 2 * std::numbers::pi);
  path.points.pop_back();  // the last point is the first again
  path.closed = true;
  path.ink = ink;
  path.filled = filled;
  return path;
}

FigurePath RightAngleMark(FigurePoint corner, FigurePoint towardFirst, FigurePoint towardSecond,
                          double side) {
  auto unit = [&](FigurePoint to) {
    const double dx = to.x - corner.x, dy = to.y - corner.y;
    const double length = std::hypot(dx, dy);
    return length > 0 ? FigurePoint{dx / length * side, dy / length * side} : FigurePoint{};
  };
  const FigurePoint u = unit(towardFirst), v = unit(towardSecond);
  return {.points = {{corner.x + u.x, corner.y + u.y},
                     {corner.x + u.x + v.x, corner.y + u.y + v.y},
                     {corner.x + v.x, corner.y + v.y}},
          .closed = false,
          .line = FigureLine::Guide};
}

double NiceStep(double rough) {
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  const double fraction = rough / power;
  return (fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10) * power;
}

std::u16string IsolatedNumber(std::u16string_view number) {
  return LeftToRightIsolate(LeftToRightNumbers(number));
}

std::u16string IsolatedMeasure(std::u16string_view number, Unit unit, const Notation& notation) {
  if (notation.latin())
    return LeftToRightIsolate(notation.withUnit(LeftToRightNumbers(number), unit));
  return notation.withUnit(IsolatedNumber(number), unit);
}

std::u16string MeasureLabel(std::u16string_view number, Unit unit, const Notation& notation) {
  if (notation.unitSign(unit).empty()) return std::u16string(number);
  return IsolatedMeasure(number, unit, notation);
}

std::u16string CoordinatePair(std::u16string_view x, std::u16string_view y,
                              std::u16string_view separator) {
  // Each number one left-to-right run; a semicolon stands apart from the numbers on both sides.
  const std::u16string between = separator == u";" ? u" ; " : std::u16string(separator) + u" ";
  return Isolate(u"(" + IsolatedNumber(x) + between + IsolatedNumber(y) + u")");
}

FigureFrame FrameAround(const Figure& figure, double margin) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  FigureFrame frame{kInf, kInf, -kInf, -kInf};
  auto take = [&](FigurePoint p) {
    frame.left = std::min(frame.left, p.x);
    frame.right = std::max(frame.right, p.x);
    frame.bottom = std::min(frame.bottom, p.y);
    frame.top = std::max(frame.top, p.y);
  };
  for (const FigurePath& path : figure.paths)
    for (FigurePoint p : path.points) take(p);
  for (FigurePoint p : figure.dots) take(p);
  for (const FigureLabel& label : figure.labels) take(label.at);
  if (frame.left > frame.right) return {};
  const double pad = margin * std::max({frame.width(), frame.height(), 1e-300});
  return {frame.left - pad, frame.bottom - pad, frame.right + pad, frame.top + pad};
}

bool Scalable(const FigureFrame& frame) {
  return std::isnormal(frame.width()) && std::isnormal(frame.height()) && frame.width() > 0 &&
         frame.height() > 0;
}

bool Drawable(const Figure& figure) {
  const FigureFrame& frame = figure.frame;
  if (!Scalable(frame)) return false;
  const double width = frame.width(), height = frame.height();
  // A frame narrower than the rounding of its own coordinates has no scale; one below 1e-200
  // would give a scale that overflows. Each axis on its own: a number line's height is a few
  // units whatever the size of its numbers.
  const auto narrowest = [](double low, double high) {
    return std::max(1e-200, 1e-9 * std::max(std::abs(low), std::abs(high)));
  };
  if (!(width > narrowest(frame.left, frame.right) && height > narrowest(frame.bottom, frame.top)))
    return false;
  // Points are allowed a frame's size outside it; further out they would be drawn off the view.
  const auto near = [&](FigurePoint p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && p.x >= frame.left - width &&
           p.x <= frame.right + width && p.y >= frame.bottom - height && p.y <= frame.top + height;
  };
  for (const FigurePath& path : figure.paths)
    if (!std::all_of(path.points.begin(), path.points.end(), near)) return false;
  if (!std::all_of(figure.dots.begin(), figure.dots.end(), near)) return false;
  return std::all_of(figure.labels.begin(), figure.labels.end(),
                     [&](const FigureLabel& label) { return near(label.at); });
}

FigureMapping::FigureMapping(const FigureFrame& frame, const SurfaceRect& room, bool sameScale)
    : frame_(frame) {
  scaleX_ = room.width() / frame.width();
  scaleY_ = room.height() / frame.height();
  if (sameScale) scaleX_ = scaleY_ = std::min(scaleX_, scaleY_);
  left_ = room.centre().x - frame.width() * scaleX_ / 2;
  bottom_ = room.centre().y + frame.height() * scaleY_ / 2;
}

SurfacePoint FigureMapping::operator()(FigurePoint p) const {
  return {left_ + (p.x - frame_.left) * scaleX_, bottom_ - (p.y - frame_.bottom) * scaleY_};
}

namespace {

struct SurfaceLine {
  SurfacePoint from, to;
};

// Whether a segment meets a rectangle, its edge included (Liang and Barsky's clipping).
bool Meets(const SurfaceLine& line, const SurfaceRect& rect) {
  const double dx = line.to.x - line.from.x, dy = line.to.y - line.from.y;
  double enter = 0, leave = 1;
  const auto clip = [&](double p, double q) {
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) {
      if (t > leave) return false;
      enter = std::max(enter, t);
    } else {
      if (t < enter) return false;
      leave = std::min(leave, t);
    }
    return true;
  };
  return clip(-dx, line.from.x - rect.left) && clip(dx, rect.right - line.from.x) &&
         clip(-dy, line.from.y - rect.top) && clip(dy, rect.bottom - line.from.y);
}

// Whether two segments cross each other.
bool Cross(const SurfaceLine& a, const SurfaceLine& b) {
  const auto side = [](SurfacePoint p, SurfacePoint q, SurfacePoint r) {
    return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
  };
  const double d1 = side(b.from, b.to, a.from), d2 = side(b.from, b.to, a.to),
               d3 = side(a.from, a.to, b.from), d4 = side(a.from, a.to, b.to);
  return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

// The lines of the figure on the surface, in runs with the rectangle around each, so that a
// label far from a curve is not tested against each of its pieces.
class Obstacles {
 public:
  void addRun(std::vector<SurfaceLine> lines) {
    if (lines.empty()) return;
    SurfaceRect around{lines[0].from.x, lines[0].from.y, lines[0].from.x, lines[0].from.y};
    for (const SurfaceLine& line : lines)
      for (SurfacePoint p : {line.from, line.to}) {
        around.left = std::min(around.left, p.x);
        around.right = std::max(around.right, p.x);
        around.top = std::min(around.top, p.y);
        around.bottom = std::max(around.bottom, p.y);
      }
    runs_.push_back({around, std::move(lines)});
  }
  void addBox(SurfaceRect box) { boxes_.push_back(box); }

  bool free(const SurfaceRect& box) const {
    for (const SurfaceRect& other : boxes_)
      if (box.overlaps(other)) return false;
    for (const Run& run : runs_) {
      if (!box.overlaps(run.around.grown(0.5))) continue;
      for (const SurfaceLine& line : run.lines)
        if (Meets(line, box)) return false;
    }
    return true;
  }
  void addLeader(const SurfaceLine& leader) {
    leaders_.push_back(leader);
    addRun({leader});
  }
  // A leader crosses no label, and no other leader unless it must.
  bool clear(const SurfaceLine& leader, bool mayCrossLeaders = false) const {
    return std::none_of(boxes_.begin(), boxes_.end(),
                        [&](const SurfaceRect& box) { return Meets(leader, box); }) &&
           (mayCrossLeaders ||
            std::none_of(leaders_.begin(), leaders_.end(),
                         [&](const SurfaceLine& other) { return Cross(leader, other); }));
  }

 private:
  struct Run {
    SurfaceRect around;
    std::vector<SurfaceLine> lines;
  };
  std::vector<Run> runs_;
  std::vector<SurfaceRect> boxes_;
  std::vector<SurfaceLine> leaders_;
};

struct Direction {
  double x, y;
};

Direction DirectionOf(FigureSide side) {
  switch (side) {
    case FigureSide::Above:
      return {0, -1};
    case FigureSide::Below:
      return {0, 1};
    case FigureSide::Left:
      return {-1, 0};
    case FigureSide::Right:
      return {1, 0};
    case FigureSide::Centre:
      break;
  }
  return {0, 0};
}

// The directions a label may take from its point, the side it would rather have first, then the
// nearest turns from it, the opposite side last.
std::vector<Direction> Directions(FigureSide side) {
  const Direction first = DirectionOf(side);
  std::vector<Direction> all = {{0, -1}, {1, -1}, {1, 0},  {1, 1},
                                {0, 1},  {-1, 1}, {-1, 0}, {-1, -1}};
  std::stable_sort(all.begin(), all.end(), [&](Direction a, Direction b) {
    // The larger the dot product with the first direction, the nearer the turn; a centred label
    // tries above and below before the sides, where a wide number has more room.
    const auto nearness = [&](Direction d) {
      return first.x == 0 && first.y == 0 ? -std::abs(d.x) - 0.5 * std::abs(d.x * d.y)
                                          : (d.x * first.x + d.y * first.y) / std::hypot(d.x, d.y);
    };
    return nearness(a) > nearness(b);
  });
  if (first.x == 0 && first.y == 0) all.insert(all.begin(), first);
  return all;
}

SurfaceRect BoxAt(SurfacePoint at, Direction d, double distance, double width, double height) {
  const SurfacePoint centre{at.x + d.x * (distance + width / 2),
                            at.y + d.y * (distance + height / 2)};
  return {centre.x - width / 2, centre.y - height / 2, centre.x + width / 2, centre.y + height / 2};
}

// The point of a box nearest to another point.
SurfacePoint Nearest(const SurfaceRect& box, SurfacePoint p) {
  return {std::clamp(p.x, box.left, box.right), std::clamp(p.y, box.top, box.bottom)};
}

// A leader from a point to a box: it starts clear of the point's dot and ends at the box's edge.
SurfaceLine Leader(SurfacePoint at, const SurfaceRect& box, double clear) {
  const SurfacePoint to = Nearest(box, at);
  const double length = std::hypot(to.x - at.x, to.y - at.y);
  const double share = length > clear ? clear / length : 0;
  return {{at.x + (to.x - at.x) * share, at.y + (to.y - at.y) * share}, to};
}

}  // namespace

std::vector<PlacedLabel> PlaceLabels(const Figure& figure, const FigureMapping& map,
                                     const LabelMetrics& metrics, const SurfaceRect& area,
                                     const LabelSpacing& spacing) {
  Obstacles obstacles;
  for (const FigurePath& path : figure.paths) {
    std::vector<SurfaceLine> lines;
    for (std::size_t i = 1; i < path.points.size(); ++i)
      lines.push_back({map(path.points[i - 1]), map(path.points[i])});
    if (path.closed && path.points.size() > 2)
      lines.push_back({map(path.points.back()), map(path.points.front())});
    obstacles.addRun(std::move(lines));
  }
  for (FigurePoint dot : figure.dots) {
    const SurfacePoint at = map(dot);
    obstacles.addBox(SurfaceRect{at.x, at.y, at.x, at.y}.grown(spacing.dot));
  }

  // Measures first, the widest of them first, as they are the hardest to fit: a short one finds
  // room where a long one would not. A tick's number gives way to every measure.
  std::vector<std::size_t> order(figure.labels.size());
  std::vector<double> widths(figure.labels.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    order[i] = i;
    widths[i] = metrics.width(figure.labels[i]);
  }
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const bool aMeasure = figure.labels[a].kind == FigureLabelKind::Measure,
               bMeasure = figure.labels[b].kind == FigureLabelKind::Measure;
    if (aMeasure != bMeasure) return aMeasure;
    return aMeasure && widths[a] > widths[b];
  });

  std::vector<PlacedLabel> placed;
  for (std::size_t index : order) {
    const FigureLabel& label = figure.labels[index];
    if (label.text.empty()) continue;
    const double width = widths[index], height = metrics.height(label);
    const SurfacePoint at = map(label.at);
    const auto fits = [&](const SurfaceRect& box) {
      return area.holds(box) && obstacles.free(box.grown(spacing.clearance));
    };
    const double leaderClear = spacing.dot + 2 * spacing.clearance;
    const auto leader = [&](const SurfaceRect& box) { return Leader(at, box, leaderClear); };
    const auto take = [&](const SurfaceRect& box, bool led) {
      const SurfaceLine line = leader(box);
      obstacles.addBox(box);
      if (led) obstacles.addLeader(line);
      placed.push_back({index, box, led, line.from, line.to});
    };

    if (label.kind == FigureLabelKind::Tick) {
      // At its tick or not at all: beside it, half a line up or down, or across it.
      const Direction d = DirectionOf(label.side);
      const Direction across{d.y, d.x};
      const double shift = (d.y == 0 ? height : width) / 2 + 2 * spacing.clearance + 0.5;
      const SurfaceRect beside = BoxAt(at, d, spacing.gap, width, height);
      for (const SurfaceRect& box :
           {beside,
            SurfaceRect{beside.left - across.x * shift, beside.top - across.y * shift,
                        beside.right - across.x * shift, beside.bottom - across.y * shift},
            SurfaceRect{beside.left + across.x * shift, beside.top + across.y * shift,
                        beside.right + across.x * shift, beside.bottom + across.y * shift},
            BoxAt(at, {-d.x, -d.y}, spacing.gap, width, height)})
        if (fits(box)) {
          take(box, false);
          break;
        }
      continue;
    }

    // Beside its point at the gap, then further out, a leader beyond a line's height.
    const double line = height;
    const std::vector<Direction> directions = Directions(label.side);
    bool done = false;
    for (double distance :
         {spacing.gap, spacing.gap + line / 2, spacing.gap + line, spacing.gap + 2 * line,
          spacing.gap + 3 * line, spacing.gap + 5 * line, spacing.gap + 8 * line}) {
      for (Direction d : directions) {
        if (d.x == 0 && d.y == 0 && distance > spacing.gap) continue;
        const SurfaceRect box = BoxAt(at, d, distance, width, height);
        const bool led = distance > spacing.gap + line / 2 + 0.5;
        if (!fits(box) || (led && !obstacles.clear(leader(box)))) continue;
        take(box, led);
        done = true;
        break;
      }
      if (done) break;
    }
    if (done) continue;
    // Crowded all round: the free place nearest to its point, wherever it is in the area.
    std::vector<SurfaceRect> anywhere;
    const double step = std::max(1.0, line / 2);
    for (double y = area.top; y + height <= area.bottom; y += step)
      for (double x = area.left; x + width <= area.right; x += step)
        anywhere.push_back({x, y, x + width, y + height});
    std::sort(anywhere.begin(), anywhere.end(), [&](const SurfaceRect& a, const SurfaceRect& b) {
      const SurfacePoint p = Nearest(a, at), q = Nearest(b, at);
      return std::hypot(p.x - at.x, p.y - at.y) < std::hypot(q.x - at.x, q.y - at.y);
    });
    auto free = std::find_if(anywhere.begin(), anywhere.end(), [&](const SurfaceRect& box) {
      return fits(box) && obstacles.clear(leader(box));
    });
    if (free == anywhere.end())
      free = std::find_if(anywhere.begin(), anywhere.end(), [&](const SurfaceRect& box) {
        return fits(box) && obstacles.clear(leader(box), true);
      });
    // With no free place at all (a view too small for its figure) it stands where it would
    // rather, as before there was placement.
    if (free != anywhere.end())
      take(*free, true);
    else
      take(BoxAt(at, DirectionOf(label.side), spacing.gap, width, height), false);
  }
  return placed;
}

}  // namespace numora
