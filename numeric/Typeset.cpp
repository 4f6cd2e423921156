#include "numeric/Typeset.h"

#include <algorithm>
#include <cmath>

#include "numeric/Bidi.h"

namespace numora {

Math MathNumber(std::u16string digits) {
  return Math(Math::Node{.kind = Math::Kind::Number, .text = std::move(digits)});
}
Math MathName(std::u16string name) {
  return Math(Math::Node{.kind = Math::Kind::Name, .text = std::move(name)});
}
Math MathSign(std::u16string sign, bool prefix) {
  return Math(Math::Node{.kind = Math::Kind::Sign, .text = std::move(sign), .flag = prefix});
}
Math MathWords(std::u16string words) {
  return Math(Math::Node{.kind = Math::Kind::Words, .text = std::move(words)});
}
Math MathRow(std::vector<Math> parts) {
  std::vector<Math> flat;
  for (Math& part : parts) {
    if (part.kind() == Math::Kind::Row)
      flat.insert(flat.end(), part.parts().begin(), part.parts().end());
    else
      flat.push_back(std::move(part));
  }
  if (flat.size() == 1) return flat.front();
  return Math(Math::Node{.kind = Math::Kind::Row, .parts = std::move(flat)});
}
Math MathFraction(Math numerator, Math denominator, bool slash) {
  return Math(Math::Node{.kind = Math::Kind::Fraction,
                         .flag = slash,
                         .parts = {std::move(numerator), std::move(denominator)}});
}
Math MathPower(Math base, Math exponent) {
  return Math(
      Math::Node{.kind = Math::Kind::Power, .parts = {std::move(base), std::move(exponent)}});
}
Math MathRoot(Math radicand) {
  return Math(Math::Node{.kind = Math::Kind::Root, .parts = {std::move(radicand)}});
}
Math MathRoot(Math radicand, Math index) {
  return Math(
      Math::Node{.kind = Math::Kind::Root, .parts = {std::move(radicand), std::move(index)}});
}
Math MathBars(Math inside) {
  return Math(Math::Node{.kind = Math::Kind::Bars, .parts = {std::move(inside)}});
}
Math MathParens(Math inside) {
  return Math(Math::Node{.kind = Math::Kind::Parens, .parts = {std::move(inside)}});
}
Math MathMixed(Math whole, Math fraction) {
  return Math(
      Math::Node{.kind = Math::Kind::Mixed, .parts = {std::move(whole), std::move(fraction)}});
}
Math MathPi(std::u16string letter) {
  return Math(Math::Node{.kind = Math::Kind::Pi, .text = std::move(letter)});
}
Math MathWithParts(const Math& math, std::vector<Math> parts) {
  Math::Node node = *math.node_;
  node.parts = std::move(parts);
  return Math(std::move(node));
}
Math MathUpright(const Math& root) {
  Math::Node node = *root.node_;
  node.flag = true;
  return Math(std::move(node));
}

std::u16string_view PiLetter(FormulaDirection direction) {
  return direction == FormulaDirection::RightToLeft ? u"ط" : u"π";
}

namespace {

using Kind = Math::Kind;

// A digit's value in any of the region's digits; -1 for anything else.
int Digit(char16_t c) {
  for (const char16_t zero : {u'0', u'\u0660', u'\u06F0'})
    if (c >= zero && c <= zero + 9) return c - zero;
  return -1;
}

// The value of a number of one digit; -1 for anything else.
int DigitValue(const Math& math) {
  return math.kind() == Kind::Number && math.text().size() == 1 ? Digit(math.text().front()) : -1;
}

bool HasBinarySign(const Math& math, std::u16string_view signs) {
  if (math.kind() != Kind::Row) return false;
  return std::any_of(math.parts().begin(), math.parts().end(), [signs](const Math& part) {
    return part.kind() == Kind::Sign && !part.prefix() &&
           signs.find(part.text()) != std::u16string_view::npos;
  });
}

std::u16string Linear(const Math& math, FormulaDirection direction);

// A factor written in Arabic letters: a name, or its power.
bool ArabicFactor(const Math& part) {
  const Math& base = part.kind() == Kind::Power ? part[0] : part;
  return base.kind() == Kind::Name && !base.text().empty() && base.text().front() >= u'\u0600' &&
         base.text().front() <= u'\u06FF';
}

// Words, or their power: a unit after its number ("سم²") stands apart as a word does.
bool WordsPart(const Math& part) {
  return part.kind() == Kind::Words ||
         (part.kind() == Kind::Power && part[0].kind() == Kind::Words);
}

// The text between two marks, appended in turn (GCC 12 warns, wrongly, of overlapping copies in
// u"(" + text).
std::u16string Between(std::u16string_view open, std::u16string_view text,
                       std::u16string_view close) {
  std::u16string out(open);
  out.append(text).append(close);
  return out;
}

std::u16string Enclosed(const Math& math, bool enclose, FormulaDirection direction) {
  return enclose ? Between(u"(", Linear(math, direction), u")") : Linear(math, direction);
}

// A negative number: its minus with its digits, or a minus of its own before them.
bool Negative(const Math& math) {
  if (math.kind() == Kind::Row)
    return math.size() == 2 && math[0].kind() == Kind::Sign && math[0].prefix() &&
           math[1].kind() == Kind::Number;
  return math.kind() == Kind::Number && math.text().starts_with(u'-');
}

// Whether a part written in one line needs parentheses to be read as one operand.
bool Compound(const Math& math) {
  return math.kind() == Kind::Row || math.kind() == Kind::Fraction || math.kind() == Kind::Mixed;
}

std::u16string Superscript(const Math& index) {
  static constexpr std::u16string_view superscripts = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
  std::u16string marks;
  for (const char16_t c : index.text()) {
    const int digit = Digit(c);
    if (digit < 0) return {};
    marks += superscripts[digit];
  }
  return marks;
}

std::u16string Linear(const Math& math, FormulaDirection direction) {
  switch (math.kind()) {
    case Kind::Number:
    case Kind::Sign:
    case Kind::Words:
      return math.text();
    case Kind::Name:
      return RightToLeftIsolate(math.text()) + kLeftToRightMark;
    case Kind::Row: {
      std::u16string text;
      const Math* previous = nullptr;
      for (const Math& part : math.parts()) {
        if (part.kind() == Kind::Sign && !part.prefix())
          text.append(text.empty() ? u"" : u" ").append(part.text()).append(u" ");
        // Words, a mixed number before what it multiplies ("10 2/3 π") and an Arabic letter
        // beside what it multiplies ("٤ أ جـ") stand apart.
        else if (previous != nullptr && previous->kind() != Kind::Sign &&
                 (WordsPart(*previous) || WordsPart(part) || previous->kind() == Kind::Mixed ||
                  ArabicFactor(part)))
          text.append(u" ").append(Linear(part, direction));
        else
          text += Linear(part, direction);
        previous = &part;
      }
      return text;
    }
    case Kind::Fraction: {
      const Math &numerator = math[0], &denominator = math[1];
      if (!math.slash() && DigitValue(numerator) == 1 && DigitValue(denominator) == 2) return u"½";
      if (math.slash())
        return Enclosed(numerator,
                        HasBinarySign(numerator, u"+-±") || numerator.kind() == Kind::Fraction,
                        direction) +
               u"/" + Enclosed(denominator, Compound(denominator), direction);
      return Enclosed(numerator, HasBinarySign(numerator, u"+-±"), direction) + u" ÷ " +
             Enclosed(denominator, Compound(denominator) || Negative(denominator), direction);
    }
    case Kind::Power: {
      const int digit = DigitValue(math[1]);
      if (digit == 2) return Linear(math[0], direction) + u"²";
      if (digit == 3) return Linear(math[0], direction) + u"³";
      // A negative exponent stands in parentheses, so that the sign is read as the exponent's.
      return Linear(math[0], direction) + u" ^ " +
             Enclosed(math[1], Compound(math[1]) || Negative(math[1]), direction);
    }
    case Kind::Root: {
      // A negative number under a sign with its index reads as it is written, ∛-27; under a
      // square root's sign it stands in parentheses, √(-1).
      const bool negative = Negative(math[0]);
      const std::u16string radicand = Enclosed(
          math[0], (Compound(math[0]) && !negative) || (negative && math.size() == 1), direction);
      if (math.size() == 1) return Between(u"√", radicand, u"");
      if (DigitValue(math[1]) == 3) return Between(u"∛", radicand, u"");
      const std::u16string marks = Superscript(math[1]);
      return Between(marks.empty() ? Between(u"(", Linear(math[1], direction), u")") : marks, u"√",
                     radicand);
    }
    case Kind::Bars:
      return Between(u"|", Linear(math[0], direction), u"|");
    case Kind::Parens:
      return Between(u"(", Linear(math[0], direction), u")");
    case Kind::Mixed:
      return Linear(math[0], direction) + u" " + Linear(math[1], direction);
    case Kind::Pi:
      return math.text().empty() ? std::u16string(PiLetter(direction)) : math.text();
  }
  return {};
}

MathBox Mirrored(MathBox box);

// Lays a formula out from its left edge; the direction is applied to the whole at the end, and
// gives π its letter.
class Layout {
 public:
  Layout(const MathMetrics& metrics, FormulaDirection direction)
      : metrics_(metrics), direction_(direction) {}

  MathBox box(const Math& math, MathFace face) const {
    switch (math.kind()) {
      case Kind::Number:
      case Kind::Name:
      case Kind::Sign:
      case Kind::Words:
        return run(math.text(), math.kind(), face);
      case Kind::Pi:
        return run(math.text().empty() ? std::u16string(PiLetter(direction_)) : math.text(),
                   Kind::Pi, face);
      case Kind::Row:
        return row(math, face);
      case Kind::Fraction:
        return fraction(math, face);
      case Kind::Power:
        return power(math, face);
      case Kind::Root:
        return root(math, face);
      case Kind::Bars:
        return bars(math, face);
      case Kind::Parens:
        return parens(math, face);
      case Kind::Mixed: {
        MathBox whole = box(math[0], face);
        Place(whole, box(math[1], face), whole.width + em(face) * 0.08, 0);
        return whole;
      }
    }
    return {};
  }

 private:
  double em(MathFace face) const { return metrics_.ascent(face) + metrics_.descent(face); }
  double rule(MathFace face) const { return std::max(1.0, em(face) * 0.05); }

  // Puts a part's runs and strokes into a box at an offset, and grows the box to hold it.
  static void Place(MathBox& into, const MathBox& part, double dx, double dy) {
    for (MathRun run : part.runs) {
      run.x += dx;
      run.baseline += dy;
      into.runs.push_back(std::move(run));
    }
    for (MathStroke stroke : part.strokes) {
      for (MathPoint& p : stroke.points) {
        p.x += dx;
        p.y += dy;
      }
      into.strokes.push_back(std::move(stroke));
    }
    into.width = std::max(into.width, dx + part.width);
    into.ascent = std::max(into.ascent, part.ascent - dy);
    into.descent = std::max(into.descent, part.descent + dy);
  }

  static void Stroke(MathBox& into, std::vector<MathPoint> points, double thickness) {
    for (const MathPoint& p : points) {
      into.ascent = std::max(into.ascent, -p.y + thickness / 2);
      into.descent = std::max(into.descent, p.y + thickness / 2);
      into.width = std::max(into.width, p.x);
    }
    into.strokes.push_back({std::move(points), thickness});
  }

  MathBox run(const std::u16string& text, Kind kind, MathFace face) const {
    const double width = metrics_.advance(text, face);
    MathBox out{.width = width,
                .ascent = metrics_.textAscent(text, face),
                .descent = metrics_.textDescent(text, face)};
    out.runs.push_back({text, kind, face, 0, 0, width});
    return out;
  }

  // The room on each side of a part of a row.
  double gapBefore(const Math& part, const Math* previous, MathFace face) const {
    if (previous == nullptr) return 0;
    if (part.kind() == Kind::Sign && !part.prefix()) return Spacing(part) * em(face);
    if (previous->kind() == Kind::Sign)
      return previous->prefix() ? em(face) * 0.03 : Spacing(*previous) * em(face);
    if (WordsPart(part) || WordsPart(*previous)) return em(face) * 0.3;
    // A mixed number and the π it multiplies: 10 ⅔ π.
    if (previous->kind() == Kind::Mixed) return em(face) * 0.2;
    // An Arabic letter beside what it multiplies stands apart as a word does: ٤ أ جـ.
    if (ArabicFactor(part)) return em(face) * 0.2;
    return em(face) * 0.06;  // a number beside a root or π: 2√2, 49π
  }

  static double Spacing(const Math& sign) {
    const std::u16string& s = sign.text();
    return s == u"=" || s == u"≈" ? 0.3 : 0.22;
  }

  MathBox row(const Math& math, MathFace face) const {
    MathBox out;
    const Math* previous = nullptr;
    double x = 0;
    for (const Math& part : math.parts()) {
      x += gapBefore(part, previous, face);
      const MathBox placed = box(part, face);
      Place(out, placed, x, 0);
      x += placed.width;
      previous = &part;
    }
    // A row that ends with a binary sign (a line broken before its operand) keeps its room.
    if (previous != nullptr && previous->kind() == Kind::Sign && !previous->prefix())
      x += Spacing(*previous) * em(face);
    out.width = x;
    return out;
  }

  MathBox fraction(const Math& math, MathFace face) const {
    const MathBox numerator = box(math[0], face), denominator = box(math[1], face);
    const double e = em(face), t = rule(face);
    const double pad = e * 0.1, gap = e * 0.12, axis = e * 0.27;
    const double width = std::max(numerator.width, denominator.width) + 2 * pad;
    MathBox out{.width = width};
    Place(out, numerator, (width - numerator.width) / 2, -axis - t / 2 - gap - numerator.descent);
    Place(out, denominator, (width - denominator.width) / 2,
          -axis + t / 2 + gap + denominator.ascent);
    Stroke(out, {{0, -axis}, {width, -axis}}, t);
    return out;
  }

  MathBox power(const Math& math, MathFace face) const {
    MathBox out = box(math[0], face);
    const MathFace script{static_cast<std::uint8_t>(std::min(face.level + 1, 2)), face.bold};
    const MathBox exponent = box(math[1], script);
    const double shift =
        std::max(em(face) * 0.38, out.ascent - exponent.ascent * 0.55) + exponent.descent * 0.3;
    Place(out, exponent, out.width + em(face) * 0.04, -shift);
    return out;
  }

  // An upright radical in a formula set right to left is laid out mirrored, and its parts
  // mirrored within it, so that the formula's mirroring leaves the sign as it is and the parts
  // right to left.
  MathBox root(const Math& math, MathFace face) const {
    const bool upright = math.upright() && direction_ == FormulaDirection::RightToLeft;
    const auto part = [&](const Math& of, MathFace in) {
      return upright ? Mirrored(box(of, in)) : box(of, in);
    };
    const MathBox radicand = part(math[0], face);
    const double e = em(face), t = rule(face);
    const double gap = e * 0.12, pad = e * 0.08;
    const double top = -(radicand.ascent + gap + t / 2), bottom = radicand.descent;
    const double height = bottom - top;
    const double sign = e * 0.42 + height * 0.08;
    const double mid = bottom - height * 0.42;
    double left = 0;  // where the sign starts: further right under a wide index
    MathBox index;
    if (math.size() > 1) {
      const MathFace small{static_cast<std::uint8_t>(std::min(face.level + 2, 2)), face.bold};
      index = part(math[1], small);
      left = std::max(0.0, index.width - sign * 0.5);
    }
    MathBox out;
    Stroke(out,
           {{left, mid + e * 0.04},
            {left + sign * 0.22, mid - e * 0.02},
            {left + sign * 0.55, bottom},
            {left + sign, top},
            {left + sign + pad + radicand.width + pad, top}},
           t);
    Place(out, radicand, left + sign + pad, 0);
    if (math.size() > 1)
      Place(out, index, left + sign * 0.5 - index.width, mid - e * 0.1 - index.descent);
    out.width = left + sign + 2 * pad + radicand.width;
    return upright ? Mirrored(std::move(out)) : out;
  }

  MathBox bars(const Math& math, MathFace face) const {
    const MathBox inside = box(math[0], face);
    const double e = em(face), t = rule(face);
    const double top = -(inside.ascent + e * 0.06), bottom = inside.descent + e * 0.06;
    const double before = e * 0.1, after = before + e * 0.12 + inside.width + e * 0.12;
    MathBox out;
    Stroke(out, {{before, top}, {before, bottom}}, t);
    Place(out, inside, before + e * 0.12, 0);
    Stroke(out, {{after, top}, {after, bottom}}, t);
    out.width = after + e * 0.1;
    return out;
  }

  MathBox parens(const Math& math, MathFace face) const {
    const MathBox inside = box(math[0], face);
    const double e = em(face), t = rule(face);
    const double top = -(inside.ascent + e * 0.04), bottom = inside.descent + e * 0.04;
    const double height = bottom - top;
    const double width = e * 0.26 + std::max(0.0, height - e) * 0.06;
    // A quadratic curve through the middle of the parenthesis's room, as the glyph bows.
    const auto curve = [&](double outer, double inner) {
      std::vector<MathPoint> points;
      for (int i = 0; i <= 10; ++i) {
        const double s = i / 10.0;
        const double x = (1 - s) * (1 - s) * inner + 2 * s * (1 - s) * outer + s * s * inner;
        points.push_back({x, top + s * height});
      }
      return points;
    };
    MathBox out;
    Stroke(out, curve(width * 0.05 - width * 0.45, width * 0.85), t);
    Place(out, inside, width, 0);
    const double right = width + inside.width;
    Stroke(out, curve(right + width * 0.95 + width * 0.45, right + width * 0.15), t);
    out.width = right + width;
    return out;
  }

  const MathMetrics& metrics_;
  FormulaDirection direction_;
};

MathBox Mirrored(MathBox box) {
  for (MathRun& run : box.runs) run.x = box.width - run.x - run.width;
  for (MathStroke& stroke : box.strokes)
    for (MathPoint& p : stroke.points) p.x = box.width - p.x;
  return box;
}

}  // namespace

std::u16string LinearText(const Math& math, FormulaDirection direction) {
  return Linear(math, direction);
}

MathBox Typeset(const Math& math, const MathMetrics& metrics, FormulaDirection direction,
                MathFace face) {
  MathBox box = Layout(metrics, direction).box(math, face);
  return direction == FormulaDirection::RightToLeft ? Mirrored(std::move(box)) : box;
}

std::vector<MathBox> TypesetLines(const Math& math, const MathMetrics& metrics,
                                  FormulaDirection direction, MathFace face, double width) {
  const auto set = [&](std::vector<Math> parts) {
    return Typeset(MathRow(std::move(parts)), metrics, direction, face);
  };
  MathBox whole = Typeset(math, metrics, direction, face);
  if (whole.width <= width || math.kind() != Kind::Row) return {std::move(whole)};
  // Words inside a row join two formulas ("س = ½ أو س = 3"): the second may start a line.
  const auto breaksBefore = [](const Math& part) {
    return (part.kind() == Kind::Sign && !part.prefix()) || part.kind() == Kind::Words;
  };
  std::vector<MathBox> lines;
  std::vector<Math> line;
  for (const Math& part : math.parts()) {
    line.push_back(part);
    if (line.size() < 2 || set(line).width <= width) continue;
    // Broken before the last operator that leaves something on this line.
    std::size_t at = line.size() - 1;
    while (at > 0 && !breaksBefore(line[at])) --at;
    if (at == 0) continue;  // nothing to break at yet: the line runs on
    lines.push_back(set({line.begin(), line.begin() + static_cast<std::ptrdiff_t>(at)}));
    line.erase(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(at));
  }
  if (!line.empty()) lines.push_back(set(std::move(line)));
  return lines;
}

std::vector<std::vector<SetLine>> SetRows(const std::vector<StepRow>& rows,
                                          const MathMetrics& metrics, FormulaDirection direction,
                                          double width) {
  std::vector<std::vector<SetLine>> set;
  double relation = 0;  // where the first row's "=" starts, from the starting edge
  for (const StepRow& row : rows) {
    const double em = metrics.ascent(row.face) + metrics.descent(row.face);
    const double indent = row.next ? relation : 0;
    std::vector<SetLine>& lines = set.emplace_back();
    Math formula = row.formula;
    // Words before a formula stand on a line of their own above it, read as a sentence.
    if (formula.kind() == Kind::Row && formula[0].kind() == Kind::Words) {
      lines.push_back({Typeset(formula[0], metrics, direction, row.face), indent});
      formula = MathRow({formula.parts().begin() + 1, formula.parts().end()});
    }
    const std::size_t words = lines.size();
    for (MathBox& box :
         TypesetLines(formula, metrics, direction, row.face, std::max(em, width - indent))) {
      const double extra = lines.size() == words ? 0 : em;
      lines.push_back({std::move(box), indent + extra});
    }
    if (row.next || lines.size() == words) continue;
    // The first relation sign of the row, as it stands on its first line.
    const MathBox& first = lines[words].box;
    relation = 0;
    for (const MathRun& run : first.runs) {
      if (run.kind != Kind::Sign || (run.text != u"=" && run.text != u"≈")) continue;
      const double start =
          direction == FormulaDirection::LeftToRight ? run.x : first.width - run.x - run.width;
      if (relation == 0 || start < relation) relation = start;
    }
  }
  return set;
}

}  // namespace numora
