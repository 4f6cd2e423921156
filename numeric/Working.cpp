#include "numeric/Working.h"

#include <charconv>
#include <optional>
#include <utility>
#include <vector>

#include "numeric/Bidi.h"
#include "numeric/Exact.h"
#include "numeric/Fault.h"
#include "numeric/Notation.h"
#include "numeric/NumberWriting.h"

namespace numora {
namespace {

using Kind = Expr::Kind;

// How tightly an operation binds its operands; a name, a number, a root or an absolute value
// binds tightest.
constexpr int kSum = 1, kProduct = 2, kNegation = 3, kPower = 4, kAtom = 5;

// The same expression as a formula to typeset: a division is a fraction, a root a radical with
// its index, a power a raised exponent. Parentheses stand only where the order of operations
// needs them or a number could be misread; a negative number that starts its row needs none
// ("-3 - 1"), and neither do a fraction's parts, a radicand or an exponent.
class MathWriter {
 public:
  MathWriter(const Values* values, Numerals numerals) : values_(values), numerals_(numerals) {}

  Math write(const Expr& expr, int needed = 0, bool leading = true) const {
    if (expr.kind() == Kind::Stage && !expr.shown()) return write(expr.operand(0), needed, leading);
    if (Precedence(expr) < needed) return MathParens(bare(expr, true));
    return bare(expr, leading);
  }

  Math number(double value, bool leading) const {
    const std::u16string text = NumberToText(value, numerals_);
    const bool misread = text.starts_with(u'-') || text.find(u'E') != text.npos;
    return misread && !leading ? MathParens(NumberMath(text)) : NumberMath(text);
  }

 private:
  static constexpr int kFraction = kPower + 1;

  static int Precedence(const Expr& expr) {
    switch (expr.kind()) {
      case Kind::Add:
      case Kind::Subtract:
        return kSum;
      case Kind::Multiply:
        return kProduct;
      case Kind::Negate:
        return kNegation;
      case Kind::Power:
        return kPower;
      case Kind::Divide:
      case Kind::Ratio:
        return kFraction;
      default:
        return kAtom + 1;
    }
  }

  Math named(const Expr& expr, bool leading) const {
    const double* value = values_ ? values_->find(expr.name()) : nullptr;
    return value ? number(*value, leading) : MathName(expr.name());
  }

  Math binary(const Expr& expr, std::u16string sign, bool leading) const {
    const int own = Precedence(expr);
    return MathRow({write(expr.operand(0), own, leading), MathSign(std::move(sign)),
                    write(expr.operand(1), own + 1, false)});
  }

  Math bare(const Expr& expr, bool leading) const {
    switch (expr.kind()) {
      case Kind::Quantity:
      case Kind::Stage:
        return named(expr, leading);
      case Kind::Constant:
        return number(expr.number(), leading);
      case Kind::Ratio:
        // A fraction in a line of text is "4/3", as a textbook keeps it; a half is "½".
        return MathFraction(number(expr.numerator(), true), number(expr.denominator(), true),
                            expr.numerator() != 1 || expr.denominator() != 2);
      case Kind::Add:
        return binary(expr, u"+", leading);
      case Kind::Subtract:
        return binary(expr, u"-", leading);
      case Kind::Multiply:
        return binary(expr, u"×", leading);
      case Kind::Divide:
        return MathFraction(write(expr.operand(0)), write(expr.operand(1)));
      case Kind::Negate:
        return MathRow({MathSign(u"-", true), write(expr.operand(0), kFraction, false)});
      case Kind::Abs:
        return MathBars(write(expr.operand(0)));
      case Kind::Power:
        return MathPower(write(expr.operand(0), kAtom + 1, false), write(expr.operand(1)));
      case Kind::SquareRoot:
        return MathRoot(write(expr.operand(0)));
      case Kind::NthRoot: {
        // A square root is written without its index, as a textbook writes it.
        const Math index = write(expr.operand(1));
        if (index.kind() == Math::Kind::Number && index.text() == numerals_.digits(u"2"))
          return MathRoot(write(expr.operand(0)));
        return MathRoot(write(expr.operand(0)), index);
      }
    }
    return MathRow({});
  }

  const Values* values_;
  Numerals numerals_;
};

// The shown stages of an expression, innermost first, each once.
void CollectStages(const Expr& expr, std::vector<const Expr*>& stages) {
  for (std::size_t i = 0; i < expr.operandCount(); ++i) CollectStages(expr.operand(i), stages);
  if (expr.kind() != Kind::Stage || !expr.shown()) return;
  for (const Expr* known : stages)
    if (known->name() == expr.name()) return;
  stages.push_back(&expr);
}

// "name = formula = value", the formula and its value one left-to-right run.
std::u16string Line(const std::u16string& name, const std::u16string& formula,
                    const std::u16string& value) {
  return name + u" = " +
         LeftToRightIsolate(LeftToRightNumbers(formula + (value.empty() ? u"" : u" = " + value)));
}

// The working in one line, written from the same formulas the steps typeset: a root is a
// radical, a division a fraction, each name the notation's letter.
std::u16string Write(const Formula& formula, const Values* values, std::u16string_view result,
                     const Notation& notation) {
  const MathWriter writer(values, notation);
  const auto text = [&notation](const Math& math) {
    return LinearText(Written(math, notation), notation.direction);
  };
  std::vector<const Expr*> stages;
  CollectStages(formula.expression, stages);
  std::u16string out = formula.heading.empty() ? u"" : formula.heading + u": ";
  for (const Expr* stage : stages) {
    const double* value = values ? values->find(stage->name()) : nullptr;
    out += Line(notation.letter(stage->name()), text(writer.write(stage->operand(0))),
                value ? text(writer.number(*value, true)) : u"");
    out += u"؛ ";
  }
  return out + Line(notation.letter(formula.name), text(writer.write(formula.expression)),
                    std::u16string(result));
}

Expr AsShown(const Expr& expr);

// One step of a solution, as a pupil does it by hand: a negative number's negation alone first
// ("-(-5)" becomes 5), then the real odd root of a negative number as the negative of a root
// ("∛-27" becomes "-∛27"), else every operation whose operands are numbers, a product of numbers
// whole. The stages have been taken apart before (Unfolded). Each operation is the window's own
// (Evaluation), so the last step is the window's result.
class Reduction {
 public:
  explicit Reduction(Values& scratch) : scratch_(scratch) {}

  static bool IsNumber(const Expr& expr) {
    return expr.kind() == Kind::Constant || expr.kind() == Kind::Ratio;
  }

  Expr step(const Expr& expr) {
    // Each rule by hand is a step of its own, wherever it applies, before any operation is done.
    for (const Rule rule : {NegatedNegative, OddRootOfNegative})
      if (std::optional<Expr> taken = Rewritten(expr, rule)) return *std::move(taken);
    return operations(expr);
  }

  // The same operation on other operands; a stage keeps its own, as its steps are its own line's.
  static Expr Rebuilt(const Expr& expr, std::vector<Expr> operands) {
    return expr.kind() == Kind::Stage ? expr : WithOperands(expr, operands);
  }

 private:
  // A step a pupil takes by hand: the part it rewrites, or nothing where it does not apply.
  using Rule = std::optional<Expr> (*)(const Expr&);

  // -(-5) is 5.
  static std::optional<Expr> NegatedNegative(const Expr& expr) {
    if (expr.kind() != Kind::Negate || expr.operand(0).kind() != Kind::Constant ||
        expr.operand(0).number() >= 0)
      return std::nullopt;
    return Expr(-expr.operand(0).number());
  }

  // ∛-27 is -∛27, as the window takes it.
  static std::optional<Expr> OddRootOfNegative(const Expr& expr) {
    if (expr.kind() != Kind::NthRoot || expr.operand(0).kind() != Kind::Constant ||
        expr.operand(1).kind() != Kind::Constant ||
        !GivesRealOddRoot(expr.operand(0).number(), expr.operand(1).number()))
      return std::nullopt;
    return -NthRoot(Expr(-expr.operand(0).number()), expr.operand(1));
  }

  // The expression with the rule applied wherever it applies; nothing where it applies nowhere.
  static std::optional<Expr> Rewritten(const Expr& expr, Rule rule) {
    if (std::optional<Expr> taken = rule(expr)) return taken;
    bool changed = false;
    std::vector<Expr> operands;
    for (std::size_t i = 0; i < expr.operandCount(); ++i) {
      std::optional<Expr> operand = Rewritten(expr.operand(i), rule);
      changed = changed || operand.has_value();
      operands.push_back(operand ? *std::move(operand) : expr.operand(i));
    }
    if (!changed) return std::nullopt;
    return Rebuilt(expr, std::move(operands));
  }

  // A product is done whole, once each of its factors is a number: the factors that are
  // numbers already wait for the others ("4/3 × 3.14 × 2³" becomes "4/3 × 3.14 × 8", never
  // "4.18666666666667 × 8"), so that a fraction is kept to the last step.
  //
  // A root or a division whose value does not end is kept as it is ("(5 - √13) ÷ 2",
  // "340 ÷ 9 + 273"), and the whole is done in the last step, where nothing else is left to do by
  // hand.
  Expr operations(const Expr& expr) {
    done_ = false;
    Expr next = operations(expr, false);
    if (!done_ && Numbers(expr)) return Done(expr);
    return next;
  }

  Expr operations(const Expr& expr, bool inProduct) {
    if (IsNumber(expr)) return expr;
    const bool product = expr.kind() == Kind::Multiply;
    if (Ready(expr) && !(inProduct && product) && !DoesNotEnd(expr)) {
      done_ = true;
      return Done(expr);
    }
    std::vector<Expr> operands;
    for (std::size_t i = 0; i < expr.operandCount(); ++i)
      operands.push_back(operations(expr.operand(i), product && i == 0));
    return Rebuilt(expr, std::move(operands));
  }

  // Whether every leaf is a number: nothing stands for a quantity any more.
  static bool Numbers(const Expr& expr) {
    if (expr.kind() == Kind::Quantity || expr.kind() == Kind::Stage) return false;
    for (std::size_t i = 0; i < expr.operandCount(); ++i)
      if (!Numbers(expr.operand(i))) return false;
    return true;
  }

  // A root of numbers whose value is no fraction (√13, ∛2), or a division whose decimal does
  // not end (340 ÷ 9): a pupil keeps it as it is until the last step.
  static bool DoesNotEnd(const Expr& expr) {
    const bool root = expr.kind() == Kind::SquareRoot || expr.kind() == Kind::NthRoot;
    if (!root && expr.kind() != Kind::Divide) return false;
    const std::optional<ExactNumber> exact = ExactValue(AsShown(expr), Values());
    if (!exact || !exact->isFraction()) return root;
    ExactInteger denominator = exact->rational().denominator;
    for (const int prime : {2, 5})
      while (denominator % prime == 0) denominator /= prime;
    return denominator != 1;
  }

  // Every factor of a product (or term of a sum) of the same operation, from the left.
  static bool AllNumbers(const Expr& expr, Kind chain) {
    if (expr.kind() != chain) return IsNumber(expr);
    return AllNumbers(expr.operand(0), chain) && IsNumber(expr.operand(1));
  }

  static bool Ready(const Expr& expr) {
    if (expr.kind() == Kind::Multiply) return AllNumbers(expr, Kind::Multiply);
    // A root is done from its radicand and index; its exponent is the window's business.
    const std::size_t operands = expr.kind() == Kind::NthRoot ? 2 : expr.operandCount();
    for (std::size_t i = 0; i < operands; ++i)
      if (!IsNumber(expr.operand(i))) return false;
    return operands > 0;
  }

  Expr Done(const Expr& expr) { return Expr(ValueOrFault(Evaluation(scratch_)(expr))); }

  Values& scratch_;
  bool done_ = false;  // whether the step under way did an operation
};

// The expression as the steps take it: the pupil's numbers in place of the quantities, a shown
// stage's value in place of its name, a hidden stage as its own operations.
Expr Unfolded(const Expr& expr, const Values& values) {
  switch (expr.kind()) {
    case Kind::Quantity: {
      const double* value = values.find(expr.name());
      return value ? Expr(*value) : expr;
    }
    case Kind::Stage: {
      const double* value = expr.shown() ? values.find(expr.name()) : nullptr;
      return value ? Expr(*value) : Unfolded(expr.operand(0), values);
    }
    case Kind::Constant:
    case Kind::Ratio:
      return expr;
    default: {
      std::vector<Expr> operands;
      for (std::size_t i = 0; i < expr.operandCount(); ++i)
        operands.push_back(Unfolded(expr.operand(i), values));
      return Reduction::Rebuilt(expr, std::move(operands));
    }
  }
  return expr;
}

// The expression with each number as the steps show it (15 digits), for telling whether a step
// kept the value or rounded it. A constant that stands for π is the 3.14 the steps show and
// compute with, so that "3.14 × 4 = 12.56" keeps its value.
Expr AsShown(const Expr& expr) {
  if (expr.kind() == Kind::Constant) {
    const std::u16string text = NumberToText(expr.number(), u'.');
    const std::string ascii(text.begin(), text.end());
    double shown = expr.number();
    std::from_chars(ascii.data(), ascii.data() + ascii.size(), shown);
    return Expr(shown);
  }
  if (expr.operandCount() == 0) return expr;
  std::vector<Expr> operands;
  for (std::size_t i = 0; i < expr.operandCount(); ++i)
    operands.push_back(AsShown(expr.operand(i)));
  return Reduction::Rebuilt(expr, std::move(operands));
}

// Whether each step keeps the value or rounds it: "=" where the step keeps it exactly, "≈" where
// it rounds it, "=" where either side has no exact value here. Each step's value is found once.
class Relations {
 public:
  explicit Relations(const Expr& first) : last_(Exact(first)) {}

  std::u16string_view to(const Expr& next) {
    std::optional<ExactNumber> is = Exact(next);
    const bool rounds = last_ && is && !(*is == *last_);
    last_ = std::move(is);
    return rounds ? u"≈" : u"=";
  }

 private:
  static std::optional<ExactNumber> Exact(const Expr& expr) {
    return ExactValue(AsShown(expr), Values());
  }

  std::optional<ExactNumber> last_;
};

// "name = in words = with numbers = ... = result", each part a row of its own and a formula to
// typeset. Returns whether every operation was done.
bool StepLine(const std::u16string& name, const std::u16string& heading, const Expr& expr,
              const Values& values, std::u16string_view result, const Notation& notation,
              Step& step) {
  const MathWriter words(nullptr, notation);
  struct Part {
    std::u16string_view relation;
    Math math;
    std::u16string text;
  };
  std::vector<Part> chain;
  const auto add = [&chain, &notation](std::u16string_view relation, const Math& unwritten) {
    Math math = Written(unwritten, notation);
    std::u16string text = LinearText(math, notation.direction);
    if (chain.empty() || chain.back().text != text)
      chain.push_back({relation, std::move(math), std::move(text)});
  };
  add(u"=", words.write(expr));
  Values scratch = values;
  bool complete = true;
  try {
    Expr now = Unfolded(expr, values);
    Relations relations(now);
    std::u16string_view relation = u"=";
    std::u16string previous;
    while (complete && !Reduction::IsNumber(now)) {
      Math written = words.write(now);
      std::u16string text = LinearText(written);
      // A quantity without a number stops the steps where they stand.
      complete = text != previous;
      add(relation, std::move(written));
      previous = std::move(text);
      now = Reduction(scratch).step(now);
      relation = relations.to(now);
    }
    if (complete) {
      const double value = Evaluation(scratch)(now).value();
      add(relation, result.empty() ? words.number(value, true) : NumberMath(result));
    }
  } catch (const Fault&) {
    complete = false;
  }
  const std::u16string head = heading.empty() ? u"" : heading + u": ";
  const std::u16string letter = notation.letter(name);
  std::u16string joined;
  for (const Part& part : chain) {
    const std::u16string formula = LeftToRightNumbers(part.text);
    const bool first = step.rows.empty();
    if (!first) joined.append(u" ").append(part.relation).append(u" ");
    joined += formula;
    step.rows.push_back((first ? head + letter + u" = " : std::u16string(part.relation) + u" ") +
                        LeftToRightIsolate(formula));
    std::vector<Math> row;
    if (first && !heading.empty()) row.push_back(MathWords(heading + u":"));
    if (first) row.push_back(MathName(letter));
    row.push_back(MathSign(std::u16string(part.relation)));
    row.push_back(part.math);
    step.formulas.push_back(MathRow(std::move(row)));
  }
  step.line = head + letter + u" = " + LeftToRightIsolate(joined);
  return complete;
}

}  // namespace

Math NumberMath(std::u16string_view text) { return MathNumber(std::u16string(text)); }

Steps StepsOf(const Formula& formula, const Values& values, std::u16string_view resultText,
              const Notation& notation) {
  Steps steps;
  std::vector<const Expr*> stages;
  CollectStages(formula.expression, stages);
  for (const Expr* stage : stages) {
    Step& step = steps.lines.emplace_back(Step{stage->name(), {}, {}, {}});
    const double* value = values.find(stage->name());
    const std::u16string valueText = value ? NumberToText(*value, notation) : std::u16string();
    if (!StepLine(stage->name(), {}, stage->operand(0), values, valueText, notation, step) ||
        value == nullptr) {
      steps.complete = false;
      return steps;
    }
  }
  Step& step = steps.lines.emplace_back(Step{formula.name, {}, {}, {}});
  steps.complete = StepLine(formula.name, formula.heading, formula.expression, values, resultText,
                            notation, step);
  return steps;
}

Math ApproximatelyMath(std::u16string_view name, const Math& exact, std::u16string_view decimal) {
  return MathRow(
      {MathName(std::u16string(name)), MathSign(u"="), exact, MathSign(u"≈"), NumberMath(decimal)});
}

std::u16string Approximately(std::u16string_view name, std::u16string_view exact,
                             std::u16string_view decimal) {
  return std::u16string(name) + u" = " +
         LeftToRightIsolate(
             LeftToRightNumbers(std::u16string(exact) + u" ≈ " + std::u16string(decimal)));
}

std::u16string InWords(const Formula& formula, const Notation& notation) {
  return Write(formula, nullptr, {}, notation);
}

std::u16string WithNumbers(const Formula& formula, const Values& values, const Notation& notation) {
  return Write(formula, &values, {}, notation);
}

std::u16string WithResult(const Formula& formula, const Values& values,
                          std::u16string_view resultText, const Notation& notation) {
  return Write(formula, &values, resultText, notation);
}

std::u16string NotComputed(const Formula& formula, const Values& values, std::u16string_view why,
                           const Notation& notation) {
  return WithNumbers(formula, values, notation) + u"، لم تحسب: " + std::u16string(why);
}

}  // namespace numora
