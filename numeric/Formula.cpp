#include "numeric/Formula.h"

#include <cmath>
#include <stdexcept>

namespace numora {
namespace {

bool IsOddWholeNumber(double x) { return std::fabs(std::fmod(x, 2.0)) == 1.0; }

}  // namespace

Expr::Expr(double constant) : Expr(Node{.kind = Kind::Constant, .number = constant}) {}

Expr Expr::Of(Kind kind, std::vector<Expr> operands) {
  return Expr(Node{.kind = kind, .operands = std::move(operands)});
}

Expr Quantity(std::u16string_view name) {
  return Expr(Expr::Node{.kind = Expr::Kind::Quantity, .name = std::u16string(name)});
}

Expr Ratio(int numerator, int denominator) {
  return Expr(
      Expr::Node{.kind = Expr::Kind::Ratio, .numerator = numerator, .denominator = denominator});
}

Expr Pi(int multiple) {
  return Expr(
      Expr::Node{.kind = Expr::Kind::Constant, .number = multiple * kPi, .piMultiple = multiple});
}

Expr operator+(Expr a, Expr b) { return Expr::Of(Expr::Kind::Add, {std::move(a), std::move(b)}); }
Expr operator-(Expr a, Expr b) {
  return Expr::Of(Expr::Kind::Subtract, {std::move(a), std::move(b)});
}
Expr operator*(Expr a, Expr b) {
  return Expr::Of(Expr::Kind::Multiply, {std::move(a), std::move(b)});
}
Expr operator/(Expr a, Expr b) {
  return Expr::Of(Expr::Kind::Divide, {std::move(a), std::move(b)});
}
Expr operator-(Expr a) { return Expr::Of(Expr::Kind::Negate, {std::move(a)}); }
Expr Abs(Expr x) { return Expr::Of(Expr::Kind::Abs, {std::move(x)}); }
Expr Pow(Expr base, Expr exponent) {
  return Expr::Of(Expr::Kind::Power, {std::move(base), std::move(exponent)});
}
Expr Sqrt(Expr x) { return Expr::Of(Expr::Kind::SquareRoot, {std::move(x)}); }

Expr NthRoot(Expr radicand, Expr index) {
  // The reciprocal of the index is formed and tested on its own, so that an index of 0 is a
  // division by zero before any power is taken.
  Expr exponent = Stage(kRootExponent, Expr(1) / index, false);
  return Expr::Of(Expr::Kind::NthRoot,
                  {std::move(radicand), std::move(index), std::move(exponent)});
}

Expr Stage(std::u16string_view name, Expr value, bool shown) {
  return Expr(Expr::Node{.kind = Expr::Kind::Stage,
                         .name = std::u16string(name),
                         .shown = shown,
                         .operands = {std::move(value)}});
}

Values::Values(std::initializer_list<std::pair<std::u16string_view, double>> values) {
  for (const auto& [name, value] : values) set(name, value);
}

void Values::set(std::u16string_view name, double value) {
  for (auto& [known, number] : values_) {
    if (known == name) {
      number = value;
      return;
    }
  }
  values_.emplace_back(name, value);
}

const double* Values::find(std::u16string_view name) const {
  for (const auto& [known, number] : values_)
    if (known == name) return &number;
  return nullptr;
}

void Values::setResult(const Formula& formula, double value) {
  for (auto& [known, number] : results_) {
    if (known == &formula) {
      number = value;
      return;
    }
  }
  results_.emplace_back(&formula, value);
}

const double* Values::result(const Formula& formula) const {
  for (const auto& [known, number] : results_)
    if (known == &formula) return &number;
  return nullptr;
}

bool GivesRealOddRoot(double radicand, double index) {
  return radicand < 0 && IsOddWholeNumber(index);
}

Checked Evaluation::operator()(const Expr& expr) {
  using Kind = Expr::Kind;
  const auto operand = [&](std::size_t i) { return (*this)(expr.operand(i)); };
  // Both operands of an arithmetic operation, the left one first.
  const auto arithmetic = [&](Checked (*operation)(Checked, Checked)) {
    const Checked left = operand(0);
    return operation(left, operand(1));
  };
  // The operand of a library operation, tested first as the window tests an expression.
  const auto tested = [&](std::size_t i) { return ValueOrFault(operand(i)); };
  switch (expr.kind()) {
    case Kind::Quantity: {
      const double* value = values_.find(expr.name());
      if (value == nullptr) throw std::logic_error("a formula's quantity was not read");
      return *value;
    }
    case Kind::Constant:
      return expr.number();
    case Kind::Ratio:
      return Checked(expr.numerator()) / Checked(expr.denominator());
    case Kind::Add:
      return arithmetic([](Checked a, Checked b) { return a + b; });
    case Kind::Subtract:
      return arithmetic([](Checked a, Checked b) { return a - b; });
    case Kind::Multiply:
      return arithmetic([](Checked a, Checked b) { return a * b; });
    case Kind::Divide:
      return arithmetic([](Checked a, Checked b) { return a / b; });
    case Kind::Negate:
      return -operand(0);
    case Kind::Abs:
      return std::fabs(tested(0));
    case Kind::Power: {
      const double base = tested(0);
      return Power(base, tested(1));
    }
    case Kind::SquareRoot:
      return SquareRoot(tested(0));
    case Kind::NthRoot: {
      const double exponent = tested(2);
      const double radicand = tested(0);
      if (GivesRealOddRoot(radicand, tested(1))) return -Checked(Power(-radicand, exponent));
      return Power(radicand, exponent);
    }
    case Kind::Stage: {
      stages_.emplace_back(expr.name());
      const double value = tested(0);
      // Left only when its value stands: after a fault the stage stays the one under way.
      stages_.pop_back();
      values_.set(expr.name(), value);
      return value;
    }
  }
  throw std::logic_error("unknown kind of expression");
}

double ValueOf(const Formula& formula, Values& values) {
  return ValueOrFault(Evaluation(values)(formula.expression));
}

Expr WithOperands(const Expr& expr, const std::vector<Expr>& operands) {
  using Kind = Expr::Kind;
  switch (expr.kind()) {
    case Kind::Add:
      return operands[0] + operands[1];
    case Kind::Subtract:
      return operands[0] - operands[1];
    case Kind::Multiply:
      return operands[0] * operands[1];
    case Kind::Divide:
      return operands[0] / operands[1];
    case Kind::Negate:
      return -operands[0];
    case Kind::Abs:
      return Abs(operands[0]);
    case Kind::Power:
      return Pow(operands[0], operands[1]);
    case Kind::SquareRoot:
      return Sqrt(operands[0]);
    case Kind::NthRoot:
      return NthRoot(operands[0], operands[1]);
    case Kind::Stage:
      return Stage(expr.name(), operands[0], expr.shown());
    case Kind::Quantity:
    case Kind::Constant:
    case Kind::Ratio:
      break;
  }
  return expr;
}

}  // namespace numora
