#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

// The direction a formula is set in: left to right as in the Maghreb's schoolbooks and in
// Latin-script countries, right to left as in the Mashriq's, where the whole formula is mirrored
// (operands and operators in right-to-left order, an exponent on its base's left, the radical
// opening to the left) and only the digits of one number keep their own order.
enum class FormulaDirection : std::uint8_t { LeftToRight, RightToLeft };

// The letter the region's schoolbooks write π with: "ط" in the Mashriq's, whose formulas run
// right to left, "π" in the Maghreb's and elsewhere.
std::u16string_view PiLetter(FormulaDirection direction);

// A formula as a textbook sets it: numbers, names and signs, built-up fractions, raised
// exponents, radicals with their bar, absolute-value bars and parentheses. It is written from the
// tree that computes a result (numeric/Working.h) or from an exact value (numeric/Exact.h), and it
// gives both the picture of the formula (Typeset) and the line of text a screen reader reads and
// a copy takes (LinearText), so that the two cannot disagree.
class Math {
 public:
  enum class Kind : std::uint8_t {
    Row,       // its parts side by side
    Number,    // a number's digits, in the region's digits: it reads as one word
    Name,      // a quantity's name in words: "نق", "ما تحت الجذر"
    Sign,      // an operator or a relation: + - × ÷ = ≈ ±
    Words,     // words before a formula: "من سلسيوس إلى فهرنهايت:"
    Fraction,  // numerator over denominator, with a bar
    Power,     // base, exponent
    Root,      // radicand, and the index where it is not 2
    Bars,      // |x|
    Parens,    // (x)
    Mixed,     // a whole number beside a fraction: 37 7/9
    Pi,        // the constant π, its letter its text or the direction's (PiLetter): 49π, 32π/3
  };

  Kind kind() const { return node_->kind; }
  const std::u16string& text() const { return node_->text; }
  // A sign set against its operand (a minus that makes a number negative), not between two.
  bool prefix() const { return node_->flag; }
  // A fraction written as "a/b" in text, as an exact answer is; a division is "a ÷ b".
  bool slash() const { return node_->flag; }
  // A radical that keeps the shape it has left to right in a formula set right to left.
  bool upright() const { return node_->flag; }
  std::size_t size() const { return node_->parts.size(); }
  const Math& operator[](std::size_t i) const { return node_->parts[i]; }
  const std::vector<Math>& parts() const { return node_->parts; }

  friend Math MathNumber(std::u16string digits);
  friend Math MathName(std::u16string name);
  friend Math MathSign(std::u16string sign, bool prefix);
  friend Math MathWords(std::u16string words);
  friend Math MathRow(std::vector<Math> parts);
  friend Math MathFraction(Math numerator, Math denominator, bool slash);
  friend Math MathPower(Math base, Math exponent);
  friend Math MathRoot(Math radicand);
  friend Math MathRoot(Math radicand, Math index);
  friend Math MathBars(Math inside);
  friend Math MathParens(Math inside);
  friend Math MathMixed(Math whole, Math fraction);
  friend Math MathPi(std::u16string letter);
  friend Math MathUpright(const Math& root);
  friend Math MathWithParts(const Math& math, std::vector<Math> parts);

 private:
  struct Node {
    Kind kind;
    std::u16string text = {};
    bool flag = false;
    std::vector<Math> parts = {};
  };
  explicit Math(Node node) : node_(std::make_shared<const Node>(std::move(node))) {}
  std::shared_ptr<const Node> node_;
};

Math MathNumber(std::u16string digits);
Math MathName(std::u16string name);
Math MathSign(std::u16string sign, bool prefix = false);
Math MathWords(std::u16string words);
// A row inside a row is flattened into it: grouping is a fraction's, a root's or parentheses'.
Math MathRow(std::vector<Math> parts);
Math MathFraction(Math numerator, Math denominator, bool slash = false);
Math MathPower(Math base, Math exponent);
Math MathRoot(Math radicand);
Math MathRoot(Math radicand, Math index);
Math MathBars(Math inside);
Math MathParens(Math inside);
Math MathMixed(Math whole, Math fraction);
// π, with the letter of the direction the formula is set in (PiLetter) or the one given.
Math MathPi(std::u16string letter = {});
// The same radical, upright (Math::upright).
Math MathUpright(const Math& root);
// The same part with other parts in the same places.
Math MathWithParts(const Math& math, std::vector<Math> parts);

// The formula in one line of text, in the order it is read aloud: "3.14 × نق²", "√(1/2)",
// "(5 - √13)/2", "∛-27", "37 7/9", "32π/3 = 10 2/3 π". Each name is a right-to-left isolate
// followed by a left-to-right mark, so that the line keeps its order where it is pasted; numbers
// stay whole. π is written with the letter of the direction the formula is set in; a formula
// without π reads the same in both.
std::u16string LinearText(const Math& math,
                          FormulaDirection direction = FormulaDirection::LeftToRight);

// The face a part is set in: the text's size, the script size of an exponent, the smaller size of
// a root's index; bold for an exact answer.
struct MathFace {
  std::uint8_t level = 0;  // 0, 1 or 2
  bool bold = false;
  friend bool operator==(const MathFace&, const MathFace&) = default;
};

// How text is measured, in the units the layout is made in (a screen's pixels, a printer's dots).
class MathMetrics {
 public:
  virtual ~MathMetrics() = default;
  virtual double advance(std::u16string_view text, MathFace face) const = 0;
  virtual double ascent(MathFace face) const = 0;
  virtual double descent(MathFace face) const = 0;
  // How far a run of text reaches above and below its baseline: the face's, or further where its
  // letters do (an Arabic name in a face that stands in for the text's).
  virtual double textAscent(std::u16string_view, MathFace face) const { return ascent(face); }
  virtual double textDescent(std::u16string_view, MathFace face) const { return descent(face); }
};

struct MathPoint {
  double x = 0;
  double y = 0;
};

// A run of text drawn as one word: its left edge and its baseline. A name is drawn right to left,
// a number and a sign left to right, whatever the formula's direction; π is its letter (Pi).
struct MathRun {
  std::u16string text;
  Math::Kind kind;
  MathFace face;
  double x = 0;
  double baseline = 0;
  double width = 0;
};

// A line drawn with the pen: a fraction's bar, a radical sign with its bar, a parenthesis, an
// absolute-value bar.
struct MathStroke {
  std::vector<MathPoint> points;
  double thickness = 1;
};

// A formula laid out: x from the box's left edge, y downwards from its baseline, so that ascent
// is above y = 0 and descent below.
struct MathBox {
  double width = 0;
  double ascent = 0;
  double descent = 0;
  std::vector<MathRun> runs = {};
  std::vector<MathStroke> strokes = {};
};

MathBox Typeset(const Math& math, const MathMetrics& metrics, FormulaDirection direction,
                MathFace face = {});

// A row too wide for its room broken at its operators, as a textbook breaks a long line: each
// line after the first starts with the operator it was broken before, or with the words that join
// two formulas. A part that cannot be
// broken and is still too wide keeps its line whole (the painter then sets it smaller).
std::vector<MathBox> TypesetLines(const Math& math, const MathMetrics& metrics,
                                  FormulaDirection direction, MathFace face, double width);

// A worked formula set out as a textbook's worked example: its first row "name = formula", each
// next row "= ..." with its sign under the first row's "=". A row too wide for the room is broken
// (TypesetLines), its later lines standing in further.
struct StepRow {
  Math formula;
  bool next = false;  // a row after a formula's first
  MathFace face = {};
};
struct SetLine {
  MathBox box;
  double indent = 0;  // from the edge the direction starts at: the left, or the right
};
std::vector<std::vector<SetLine>> SetRows(const std::vector<StepRow>& rows,
                                          const MathMetrics& metrics, FormulaDirection direction,
                                          double width);

}  // namespace numora
