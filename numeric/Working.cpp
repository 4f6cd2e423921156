#include "numeric/Working.h"

#include <optional>
#include <vector>

#include "numeric/NumberWriting.h"

namespace numora {
namespace {

constexpr char16_t kLeftToRightIsolate = u'\u2066';
constexpr char16_t kRightToLeftIsolate = u'\u2067';
constexpr char16_t kPopDirectionalIsolate = u'\u2069';

using Kind = Expr::Kind;

// How tightly an operation binds its operands; a name, a number, a root or an absolute value
// binds tightest.
constexpr int kSum = 1, kProduct = 2, kNegation = 3, kPower = 4, kAtom = 5;

class Writer {
 public:
  Writer(const Values* values, char16_t separator) : values_(values), separator_(separator) {}

  // The expression, with parentheses around it when it binds less tightly than its place needs.
  std::u16string write(const Expr& expr, int needed = 0) const {
    if (expr.kind() == Kind::NthRoot) return write(RootAsPower(expr), needed);
    if (expr.kind() == Kind::Stage && !expr.shown()) return write(expr.operand(0), needed);
    std::u16string text = bare(expr);
    return Precedence(expr) < needed ? u"(" + text + u")" : text;
  }

  // A named value: its number where it has one, else its name.
  std::u16string named(const std::u16string& name) const {
    const double* value = values_ ? values_->find(name) : nullptr;
    return value ? number(*value, true) : kRightToLeftIsolate + name + kPopDirectionalIsolate;
  }

  std::u16string number(double value, bool operand) const {
    const std::u16string text = NumberToText(value, separator_);
    const bool enclosed = operand && (text.starts_with(u'-') || text.find(u'E') != text.npos);
    return enclosed ? u"(" + text + u")" : text;
  }

 private:
  static int Precedence(const Expr& expr) {
    const Kind kind = expr.kind();
    if (kind == Kind::Add || kind == Kind::Subtract) return kSum;
    if (kind == Kind::Multiply || kind == Kind::Divide) return kProduct;
    if (kind == Kind::Negate) return kNegation;
    return kind == Kind::Power ? kPower : kAtom;
  }

  // The root as the window takes it, the power of the reciprocal of the index: -(|x| ^ (1 ÷ n))
  // where the radicand and the index are known and give the real odd root of a negative number.
  Expr RootAsPower(const Expr& root) const {
    const std::optional<double> radicand = Known(root.operand(0));
    const std::optional<double> index = Known(root.operand(1));
    if (radicand && index && GivesRealOddRoot(*radicand, *index))
      return -Pow(Abs(root.operand(0)), root.operand(2));
    return Pow(root.operand(0), root.operand(2));
  }

  // The number a name or a constant stands for, where it is known.
  std::optional<double> Known(const Expr& expr) const {
    if (expr.kind() == Kind::Constant) return expr.number();
    const bool named = expr.kind() == Kind::Quantity || expr.kind() == Kind::Stage;
    const double* value = named && values_ ? values_->find(expr.name()) : nullptr;
    return value ? std::optional<double>(*value) : std::nullopt;
  }

  std::u16string binary(const Expr& expr, std::u16string_view sign) const {
    const int own = Precedence(expr);
    // Operations group from the left: an operation on the right of one that binds as tightly
    // keeps its parentheses.
    return write(expr.operand(0), own) + u' ' + std::u16string(sign) + u' ' +
           write(expr.operand(1), own + 1);
  }

  std::u16string bare(const Expr& expr) const {
    switch (expr.kind()) {
      case Kind::Quantity:
      case Kind::Stage:
        return named(expr.name());
      case Kind::Constant:
        return number(expr.number(), true);
      case Kind::Ratio:
        if (expr.numerator() == 1 && expr.denominator() == 2) return u"½";
        return u"(" + number(expr.numerator(), false) + u" ÷ " + number(expr.denominator(), false) +
               u")";
      case Kind::Add:
        return binary(expr, u"+");
      case Kind::Subtract:
        return binary(expr, u"-");
      case Kind::Multiply:
        return binary(expr, u"×");
      case Kind::Divide:
        return binary(expr, u"÷");
      case Kind::Negate:
        return u"-" + write(expr.operand(0), kAtom);
      case Kind::Abs: {
        // Between the bars a negative number needs no parentheses of its own.
        const Expr& inside = expr.operand(0);
        const std::optional<double> value = Known(inside);
        return u"|" + (value ? number(*value, false) : write(inside)) + u"|";
      }
      case Kind::Power: {
        const Expr& exponent = expr.operand(1);
        const std::u16string base = write(expr.operand(0), kAtom);
        if (exponent.kind() == Kind::Constant && exponent.number() == 2) return base + u"²";
        if (exponent.kind() == Kind::Constant && exponent.number() == 3) return base + u"³";
        return base + u" ^ " + write(exponent, kAtom);
      }
      case Kind::SquareRoot:
        return u"√" + write(expr.operand(0), kAtom);
      case Kind::NthRoot:
        break;  // written as its power
    }
    return {};
  }

  const Values* values_;
  char16_t separator_;
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
  return name + u" = " + kLeftToRightIsolate + formula + (value.empty() ? u"" : u" = " + value) +
         kPopDirectionalIsolate;
}

std::u16string Write(const Formula& formula, const Values* values, std::u16string_view result,
                     char16_t separator) {
  const Writer writer(values, separator);
  std::vector<const Expr*> stages;
  CollectStages(formula.expression, stages);
  std::u16string out = formula.heading.empty() ? u"" : formula.heading + u": ";
  for (const Expr* stage : stages) {
    const double* value = values ? values->find(stage->name()) : nullptr;
    out += Line(stage->name(), writer.write(stage->operand(0)),
                value ? writer.number(*value, false) : u"");
    out += u"؛ ";
  }
  return out + Line(formula.name, writer.write(formula.expression), std::u16string(result));
}

}  // namespace

std::u16string InWords(const Formula& formula, char16_t decimalSeparator) {
  return Write(formula, nullptr, {}, decimalSeparator);
}

std::u16string WithNumbers(const Formula& formula, const Values& values,
                           char16_t decimalSeparator) {
  return Write(formula, &values, {}, decimalSeparator);
}

std::u16string WithResult(const Formula& formula, const Values& values,
                          std::u16string_view resultText, char16_t decimalSeparator) {
  return Write(formula, &values, resultText, decimalSeparator);
}

std::u16string NotComputed(const Formula& formula, const Values& values, std::u16string_view why,
                           char16_t decimalSeparator) {
  return WithNumbers(formula, values, decimalSeparator) + u"، لم تحسب: " + std::u16string(why);
}

}  // namespace numora
