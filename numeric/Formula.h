#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "numeric/Arithmetic.h"
#include "numeric/Fault.h"
#include "numeric/Unit.h"

namespace numora {

// An expression over a window's named quantities, as a textbook writes it and as the window
// computes it: 2 × 3.14 × نق, B² - 4 × A × C. Evaluating it gives the result with the checked
// arithmetic; writing it gives the working (numeric/Working.h). Operations group as written, from
// the left, so the tree is also the order of evaluation.
class Expr {
 public:
  enum class Kind : std::uint8_t {
    Quantity,  // a number the pupil typed, by its name in the window ("نق")
    Constant,  // a number of the layout: 3.14, 273, 2; π as 3.14 (Pi)
    Ratio,     // a whole-number fraction formed at run time as a division: ½, (4 ÷ 3)
    Add,
    Subtract,
    Multiply,
    Divide,
    Negate,
    Abs,
    Power,       // the library power, with its own faults; a constant 2 or 3 is written ² or ³
    SquareRoot,  // the library square root
    // The n-th root as the reciprocal power: operands radicand, index and the stage 1 ÷ index.
    // A negative radicand under an odd whole index gives the negative of the root of its
    // absolute value.
    NthRoot,
    // A value computed on the way under a name of its own: a fault inside it is a fault of that
    // step, and a shown stage is written as a formula of its own before the one that uses it
    // ("المميز = ...؛ س = ... √المميز ...").
    Stage,
  };

  Expr(double constant);  // NOLINT: implicit, so that 2 * r reads as the textbook's 2r

  Kind kind() const { return node_->kind; }
  // A quantity's or a stage's name.
  const std::u16string& name() const { return node_->name; }
  // A constant's value; a ratio's numerator and denominator.
  double number() const { return node_->number; }
  // A constant that stands for a whole multiple of π: the multiple (3.14 is 1 × π, 12.56 is 4 × π);
  // 0 for any other constant.
  int piMultiple() const { return node_->piMultiple; }
  int numerator() const { return node_->numerator; }
  int denominator() const { return node_->denominator; }
  // A stage written as a formula of its own, rather than inline.
  bool shown() const { return node_->shown; }
  std::size_t operandCount() const { return node_->operands.size(); }
  const Expr& operand(std::size_t i) const { return node_->operands[i]; }

  friend Expr Quantity(std::u16string_view name);
  friend Expr Ratio(int numerator, int denominator);
  friend Expr Pi(int multiple);
  friend Expr operator+(Expr a, Expr b);
  friend Expr operator-(Expr a, Expr b);
  friend Expr operator*(Expr a, Expr b);
  friend Expr operator/(Expr a, Expr b);
  friend Expr operator-(Expr a);
  friend Expr Abs(Expr x);
  friend Expr Pow(Expr base, Expr exponent);
  friend Expr Sqrt(Expr x);
  friend Expr NthRoot(Expr radicand, Expr index);
  friend Expr Stage(std::u16string_view name, Expr value, bool shown);

 private:
  struct Node {
    Kind kind;
    std::u16string name = {};
    double number = 0;
    int numerator = 0;
    int denominator = 1;
    int piMultiple = 0;
    bool shown = false;
    std::vector<Expr> operands = {};
  };
  explicit Expr(Node node) : node_(std::make_shared<const Node>(std::move(node))) {}
  static Expr Of(Kind kind, std::vector<Expr> operands);

  std::shared_ptr<const Node> node_;
};

Expr Quantity(std::u16string_view name);
Expr Ratio(int numerator, int denominator);
// π as the school books take it in a computation: a constant of 3.14, so that the window computes,
// writes and steps through 3.14 (and 12.56 for 4π) as it always has, while its exact value is
// the multiple of π (numeric/Exact.h).
inline constexpr double kPi = 3.14;
// The multiple's value is multiple × 3.14 in double arithmetic: 4 × 3.14 is 12.56 to the last bit.
static_assert(4 * kPi == 12.56);
Expr Pi(int multiple = 1);
Expr Abs(Expr x);
Expr Pow(Expr base, Expr exponent);
inline Expr Square(Expr x) { return Pow(std::move(x), 2); }
inline Expr Cube(Expr x) { return Pow(std::move(x), 3); }
Expr Sqrt(Expr x);
Expr NthRoot(Expr radicand, Expr index);
Expr Stage(std::u16string_view name, Expr value, bool shown);

// The same operation on other operands, in the same number; a quantity, a constant and a ratio
// have none and come back as they are.
Expr WithOperands(const Expr& expr, const std::vector<Expr>& operands);

// The stage of an n-th root that forms the reciprocal of the index.
inline constexpr std::u16string_view kRootExponent = u"مقلوب الدليل";

struct Formula;

// The numbers of one calculation: by name, the quantities read from the boxes and the stages
// computed on the way; by their formula, the results measured, as they were written.
class Values {
 public:
  Values() = default;
  Values(std::initializer_list<std::pair<std::u16string_view, double>> values);
  void set(std::u16string_view name, double value);
  const double* find(std::u16string_view name) const;
  // Results of one name (the two roots "س") each have their own formula.
  void setResult(const Formula& formula, double value);
  const double* result(const Formula& formula) const;

 private:
  std::vector<std::pair<std::u16string, double>> values_;
  std::vector<std::pair<const Formula*, double>> results_;
};

// Where a fault was raised while a formula was computed, for the topic's plain sentence.
struct FaultPlace {
  FaultKind kind;
  std::u16string_view formula;  // the formula's name: "المساحة"
  std::u16string_view stage;    // the innermost stage under way, empty outside every stage
  const Values& values;
};

// A formula of a window: what it gives, under the name the window gives it, and how.
struct Formula {
  std::u16string name;
  Expr expression;
  // The topic's sentence for a fault raised while the formula is computed, in words a pupil
  // understands; empty when it has none.
  std::u16string (*faultSentence)(const FaultPlace& place) = nullptr;
  // Words written before the formula, such as the direction of a conversion.
  std::u16string heading = {};
  // What its result measures, for the unit its answer is written with.
  Unit unit = Unit::None;
};

// A formula as a stage of another, written before it with its own name.
inline Expr Shown(const Formula& formula) { return Stage(formula.name, formula.expression, true); }

// Evaluates with the checked arithmetic: a library operation (power, roots) and a stage test their
// operands and raise their faults at once; the rest is tested by the caller with ValueOrFault, as
// a window does after each expression. Each stage's value is recorded in the values.
class Evaluation {
 public:
  explicit Evaluation(Values& values) : values_(values) {}

  Checked operator()(const Expr& expr);
  // The stage under way when a fault was raised; empty outside every stage.
  std::u16string_view stage() const {
    return stages_.empty() ? std::u16string_view() : stages_.back();
  }

 private:
  Values& values_;
  std::vector<std::u16string_view> stages_;  // entered and not yet left; the names are the nodes'
};

// The formula's value, tested for faults.
double ValueOf(const Formula& formula, Values& values);

// Whether the n-th root of the radicand is the negative root of its absolute value.
bool GivesRealOddRoot(double radicand, double index);

}  // namespace numora
