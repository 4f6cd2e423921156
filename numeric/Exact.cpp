#include "numeric/Exact.h"

#include <charconv>
#include <cmath>
#include <compare>
#include <cstdint>
#include <numbers>
#include <numeric>
#include <stdexcept>
#include <utility>
#include <vector>

namespace numora {
namespace {

// Raised where a value leaves the form a + b × ⁿ√m or its bounds, and where the window's own
// computation raises a fault: there is no exact value then.
struct NoExactValue {};

// A larger root index, or a power's exponent with a larger denominator, has no exact value here:
// school roots stay far below it, and it bounds the powers that rationalising a root takes.
constexpr int kLargestIndex = 12;
// Factors are looked for by trial division by the primes below this bound.
constexpr std::uint32_t kTrialBound = 1U << 16;
// A final number has at most this many digits, an intermediate one as many as ExactInteger holds.
constexpr int kLargestDigits = 30;
// A decimal exponent beyond this gives a number ExactInteger cannot hold.
constexpr int kLargestScale = 38;

// A whole number of ExactInteger's range; an operation that would leave the range raises
// NoExactValue.
class Whole {
 public:
  constexpr Whole(ExactInteger value = 0) : value_(value) {}  // NOLINT: implicit, as a number
  constexpr ExactInteger value() const { return value_; }

  friend Whole operator+(Whole a, Whole b) {
    ExactInteger sum;
    if (__builtin_add_overflow(a.value_, b.value_, &sum)) throw NoExactValue{};
    return sum;
  }
  friend Whole operator-(Whole a, Whole b) {
    ExactInteger difference;
    if (__builtin_sub_overflow(a.value_, b.value_, &difference)) throw NoExactValue{};
    return difference;
  }
  friend Whole operator*(Whole a, Whole b) {
    ExactInteger product;
    if (__builtin_mul_overflow(a.value_, b.value_, &product)) throw NoExactValue{};
    return product;
  }
  friend Whole operator/(Whole a, Whole b) { return Checked(a, b).value_ / b.value_; }
  friend Whole operator%(Whole a, Whole b) { return Checked(a, b).value_ % b.value_; }
  friend Whole operator-(Whole a) { return Whole(0) - a; }
  friend bool operator==(Whole, Whole) = default;
  friend auto operator<=>(Whole, Whole) = default;

 private:
  static constexpr ExactInteger kLargest = ((ExactInteger(1) << 126) - 1) * 2 + 1;
  static Whole Checked(Whole a, Whole b) {
    if (b.value_ == 0 || (b.value_ == -1 && a.value_ == -kLargest - 1)) throw NoExactValue{};
    return a;
  }

  ExactInteger value_;
};

Whole Abs(Whole x) { return x < 0 ? -x : x; }

Whole Gcd(Whole a, Whole b) {
  a = Abs(a);
  b = Abs(b);
  while (b != 0) a = std::exchange(b, a % b);
  return a;
}

// Any whole exponent: every base but 0 and ±1 leaves the range within a few squarings.
Whole Power(Whole base, Whole exponent) {
  if (exponent < 0) throw NoExactValue{};
  if (base == 0 || base == 1) return exponent == 0 ? Whole(1) : base;
  if (base == -1) return exponent % 2 == 0 ? Whole(1) : base;
  Whole result = 1;
  while (exponent != 0) {
    if (exponent % 2 != 0) result = result * base;
    exponent = exponent / 2;
    // Squared only while it is still needed, so that the last squaring cannot overflow in vain.
    if (exponent != 0) base = base * base;
  }
  return result;
}

// Whether baseⁿ ≤ limit, for base ≥ 0, without leaving the range.
bool PowerAtMost(Whole base, int n, Whole limit) {
  ExactInteger power = 1;
  for (int i = 0; i < n; ++i)
    if (__builtin_mul_overflow(power, base.value(), &power) || power > limit.value()) return false;
  return true;
}

// The whole n-th root of x ≥ 0, rounded down, in integer arithmetic.
Whole FloorRoot(Whole x, int n) {
  Whole low = 0;
  const Whole rootOfRange = ExactInteger(1) << 64;
  Whole high = n >= 2 && x > rootOfRange ? rootOfRange : x;
  while (low < high) {
    const Whole middle = low + (high - low + 1) / 2;
    if (PowerAtMost(middle, n, x))
      low = middle;
    else
      high = middle - 1;
  }
  return low;
}

std::optional<Whole> ExactRoot(Whole x, int n) {
  const Whole root = FloorRoot(x, n);
  return Power(root, n) == x ? std::optional<Whole>(root) : std::nullopt;
}

const std::vector<std::uint32_t>& SmallPrimes() {
  static const std::vector<std::uint32_t> primes = [] {
    std::vector<bool> composite(kTrialBound, false);
    std::vector<std::uint32_t> found;
    for (std::uint32_t p = 2; p < kTrialBound; ++p) {
      if (composite[p]) continue;
      found.push_back(p);
      for (std::uint32_t multiple = p * p; multiple < kTrialBound; multiple += p)
        composite[multiple] = true;
    }
    return found;
  }();
  return primes;
}

// ⁿ√x of a whole x ≥ 1 as outside × ᵈ√inside: inside has no d-th power in it, and no smaller index
// gives the same root (⁴√4 is √2), so that equal roots are written alike and can be added.
struct SimpleRoot {
  Whole outside;
  Whole inside;
  int index;
};

SimpleRoot Simplified(Whole x, int n) {
  Whole outside = 1;
  Whole rest = x;
  std::vector<std::pair<Whole, int>> inside;  // primes and their exponents below n
  bool restIsPrime = false;
  for (const std::uint32_t p : SmallPrimes()) {
    if (Whole(p) * p > rest) {
      restIsPrime = rest > 1;
      break;
    }
    int exponent = 0;
    for (; rest % p == 0; ++exponent) rest = rest / p;
    outside = outside * Power(p, exponent / n);
    if (exponent % n != 0) inside.emplace_back(p, exponent % n);
  }
  // What is left has only prime factors beyond the bound. If one of them, P, were in it n times,
  // the rest would be Pⁿ or at least Pⁿ⁺¹, beyond boundⁿ⁺¹; below that, a rest that is no n-th
  // power has none in it. Above it a hidden n-th power cannot be ruled out.
  if (rest > 1 && !restIsPrime) {
    if (const std::optional<Whole> root = ExactRoot(rest, n)) {
      outside = outside * *root;
      rest = 1;
    } else if (PowerAtMost(kTrialBound, n + 1, rest)) {
      throw NoExactValue{};
    }
  }
  // The index falls by the largest divisor of n that divides every exponent; for the unfactored
  // rest that is the largest divisor of which it is a perfect power.
  int common = n;
  for (const auto& [prime, exponent] : inside) common = std::gcd(common, exponent);
  if (rest > 1) {
    int divisor = restIsPrime ? 1 : common;
    while (divisor > 1 && (common % divisor != 0 || !ExactRoot(rest, divisor))) --divisor;
    common = divisor;
  }
  Whole radicand = rest > 1 && common > 1 ? *ExactRoot(rest, common) : rest;
  for (const auto& [prime, exponent] : inside)
    radicand = radicand * Power(prime, exponent / common);
  return {outside, radicand, n / common};
}

struct Fraction {
  Whole n = 0;
  Whole d = 1;

  static Fraction Of(Whole numerator, Whole denominator) {
    if (denominator == 0) throw NoExactValue{};
    if (denominator < 0) {
      numerator = -numerator;
      denominator = -denominator;
    }
    const Whole common = Gcd(numerator, denominator);
    return {numerator / common, denominator / common};
  }
  bool zero() const { return n == 0; }
  int sign() const { return n < 0 ? -1 : n > 0 ? 1 : 0; }
  bool oddWhole() const { return d == 1 && n % 2 != 0; }
};

Fraction operator+(Fraction a, Fraction b) {
  const Whole common = Gcd(a.d, b.d);
  return Fraction::Of(a.n * (b.d / common) + b.n * (a.d / common), a.d * (b.d / common));
}
Fraction operator-(Fraction a) { return {-a.n, a.d}; }
Fraction operator-(Fraction a, Fraction b) { return a + -b; }
Fraction operator*(Fraction a, Fraction b) {
  if (a.zero() || b.zero()) return {};
  // Reduced crosswise first, so that a product in lowest terms is never formed larger.
  const Whole first = Gcd(a.n, b.d), second = Gcd(b.n, a.d);
  return Fraction::Of((a.n / first) * (b.n / second), (a.d / second) * (b.d / first));
}
Fraction Reciprocal(Fraction a) { return Fraction::Of(a.d, a.n); }
Fraction Abs(Fraction a) { return {Abs(a.n), a.d}; }

Fraction Power(Fraction x, Whole exponent) {
  if (exponent < 0) return Power(Reciprocal(x), -exponent);
  // Powers of numbers prime to each other stay prime to each other.
  return {Power(x.n, exponent), Power(x.d, exponent)};
}

std::strong_ordering Compare(Fraction a, Fraction b) { return a.n * b.d <=> b.n * a.d; }

// a + b × ⁿ√m, or a × π, kept in the form ExactNumber describes.
struct Value {
  Fraction rational = {};
  Fraction coefficient = {};
  Whole radicand = 1;
  int index = 2;
  bool pi = false;  // a × π, a not zero and b zero

  bool plain() const { return coefficient.zero() && !pi; }
  bool zero() const { return plain() && rational.zero(); }
  bool sameRoot(const Value& other) const {
    return radicand == other.radicand && index == other.index;
  }
};

Value Plain(Fraction a) { return {a}; }

// a × π; zero is the fraction 0, so that it adds to anything.
Value TimesPi(Fraction a) {
  if (a.zero()) return Plain(a);
  return {.rational = a, .pi = true};
}

// The arithmetic of a multiple of π with another value, where it stays one: a sum of two
// multiples, a product or a quotient by a fraction, π ÷ π; anything else has no exact value here.
Value PiSum(const Value& x, const Value& y) {
  if (x.zero()) return y;
  if (y.zero()) return x;
  if (!x.pi || !y.pi) throw NoExactValue{};
  return TimesPi(x.rational + y.rational);
}
Value PiProduct(const Value& x, const Value& y) {
  if (x.pi && y.pi) throw NoExactValue{};
  const Value& multiple = x.pi ? x : y;
  const Value& factor = x.pi ? y : x;
  if (!factor.plain()) throw NoExactValue{};
  return TimesPi(multiple.rational * factor.rational);
}

// a + b × ⁿ√m for a simplified root; a root of 1 is 1.
Value WithRoot(Fraction a, Fraction b, Whole m, int n) {
  if (b.zero()) return Plain(a);
  if (m == 1) return Plain(a + b);
  return {a, b, m, n};
}

// ⁿ√x of a fraction x ≥ 0, simplified, with a whole number under the root:
// ⁿ√(p/q) = ⁿ√(p × qⁿ⁻¹) / q.
Value RootOf(Fraction x, Whole n) {
  if (x.zero()) return Plain(x);
  if (n > kLargestIndex) throw NoExactValue{};
  const int index = static_cast<int>(n.value());
  const SimpleRoot root = Simplified(x.n * Power(x.d, index - 1), index);
  return WithRoot({}, Fraction::Of(root.outside, x.d), root.inside, root.index);
}

Value Scaled(const Value& x, Fraction k) {
  return WithRoot(x.rational * k, x.coefficient * k, x.radicand, x.index);
}

Value operator+(const Value& x, const Value& y) {
  if (x.pi || y.pi) return PiSum(x, y);
  if (x.plain()) return WithRoot(x.rational + y.rational, y.coefficient, y.radicand, y.index);
  if (!y.plain() && !x.sameRoot(y)) throw NoExactValue{};
  return WithRoot(x.rational + y.rational, x.coefficient + y.coefficient, x.radicand, x.index);
}
Value operator-(const Value& x) { return {-x.rational, -x.coefficient, x.radicand, x.index, x.pi}; }
Value operator-(const Value& x, const Value& y) { return x + -y; }

Value operator*(const Value& x, const Value& y) {
  if (x.pi || y.pi) return PiProduct(x, y);
  if (y.plain()) return Scaled(x, y.rational);
  if (x.plain()) return Scaled(y, x.rational);
  if (x.rational.zero() && y.rational.zero()) {
    // ⁿ√m × ᵏ√l = ᴸ√(m^(L/n) × l^(L/k)) for L the least common multiple of the indices.
    const int index = std::lcm(x.index, y.index);
    if (index > kLargestIndex) throw NoExactValue{};
    const SimpleRoot root =
        Simplified(Power(x.radicand, index / x.index) * Power(y.radicand, index / y.index), index);
    return WithRoot({}, x.coefficient * y.coefficient * Fraction{root.outside}, root.inside,
                    root.index);
  }
  if (!x.sameRoot(y) || x.index != 2) throw NoExactValue{};
  // (a + b√m)(c + d√m) = ac + bdm + (ad + bc)√m
  const Fraction m{x.radicand};
  return WithRoot(x.rational * y.rational + x.coefficient * y.coefficient * m,
                  x.rational * y.coefficient + x.coefficient * y.rational, x.radicand, 2);
}

Value Reciprocal(const Value& x) {
  if (x.pi) throw NoExactValue{};
  if (x.plain()) return Plain(Reciprocal(x.rational));
  if (!x.rational.zero()) throw NoExactValue{};
  // 1 / (b × ⁿ√m) = ⁿ√(mⁿ⁻¹) / (b × m)
  return Scaled(RootOf(Fraction{Power(x.radicand, x.index - 1)}, x.index),
                Reciprocal(x.coefficient * Fraction{x.radicand}));
}

Value operator/(const Value& x, const Value& y) {
  if (x.pi && y.pi) return Plain(x.rational * Reciprocal(y.rational));
  if (y.pi && x.zero()) return x;
  return x * Reciprocal(y);
}

long double Approximately(Fraction a) {
  return static_cast<long double>(a.n.value()) / static_cast<long double>(a.d.value());
}

long double Approximately(const Value& x) {
  if (x.pi) return Approximately(x.rational) * std::numbers::pi_v<long double>;
  if (x.plain()) return Approximately(x.rational);
  const long double m = static_cast<long double>(x.radicand.value());
  const long double root = x.index == 2 ? std::sqrt(m) : std::pow(m, 1.0L / x.index);
  const long double a = Approximately(x.rational), b = Approximately(x.coefficient);
  // a + b√m of opposite signs loses digits to cancellation (a quadratic's small root); as
  // (a² - b²m) / (a - b√m) it loses none.
  if (x.index == 2 && x.rational.sign() == -x.coefficient.sign()) {
    try {
      const Fraction product =
          x.rational * x.rational - x.coefficient * x.coefficient * Fraction{x.radicand};
      return Approximately(product) / (a - b * root);
    } catch (const NoExactValue&) {
    }
  }
  return a + b * root;
}

int Sign(const Value& x) {
  const int a = x.rational.sign(), b = x.coefficient.sign();
  if (a == 0 || a == b) return b;
  if (b == 0) return a;
  // Of opposite signs the larger of |a| and |b| × ⁿ√m wins, compared as |a|ⁿ with |b|ⁿ × m; they
  // are never equal, the root being irrational. Where those powers leave the range, the
  // approximations decide when they are clearly apart.
  try {
    const Fraction root = Power(Abs(x.coefficient), x.index) * Fraction{x.radicand};
    return Compare(Power(Abs(x.rational), x.index), root) > 0 ? a : b;
  } catch (const NoExactValue&) {
    const long double left = std::fabs(Approximately(x.rational));
    const long double right =
        std::fabs(Approximately(Value{{}, x.coefficient, x.radicand, x.index}));
    if (std::fabs(left - right) <= 1e-15L * right) throw;
    return left > right ? a : b;
  }
}

// The power as the library takes it: a whole exponent by repeated squaring, a fractional one of a
// non-negative fraction as a root.
Value Power(const Value& base, const Value& exponent) {
  if (!exponent.plain()) throw NoExactValue{};
  const Fraction e = exponent.rational;
  // π to the first power is itself; to any other power but 0 it leaves the form.
  if (base.pi && e.d == 1 && e.n != 0 && e.n != 1) throw NoExactValue{};
  if (base.plain()) {
    const Fraction x = base.rational;
    if (e.d == 1) return Plain(Power(x, e.n));
    // A negative base with a fractional exponent, and zero to a negative power, are faults.
    if (x.sign() < 0 || (x.zero() && e.sign() < 0)) throw NoExactValue{};
    if (x.zero()) return Plain(x);
    // x^(p/q) = q-th root of x^p
    if (e.d > kLargestIndex) throw NoExactValue{};
    return RootOf(Power(x, e.n), e.d);
  }
  if (e.d != 1) throw NoExactValue{};
  if (e.n < 0) return Reciprocal(Power(base, Plain(-e)));
  Value result = Plain({1});
  Value factor = base;
  for (Whole k = e.n; k != 0;) {
    if (k % 2 != 0) result = result * factor;
    k = k / 2;
    if (k != 0) factor = factor * factor;
  }
  return result;
}

// The exact value of a decimal in ASCII digits with the given separator and an optional exponent
// ("-1.5", "1e+308", "6.5E-05").
template <class Char>
Fraction DecimalValue(std::basic_string_view<Char> text, Char separator) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) ++i;
  Whole digits = 0;
  int scale = 0;
  bool any = false, point = false;
  for (; i < text.size(); ++i) {
    if (text[i] >= '0' && text[i] <= '9') {
      digits = digits * 10 + (text[i] - '0');
      any = true;
      scale -= point ? 1 : 0;
    } else if (text[i] == separator && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    const bool below = ++i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    const std::size_t first = i;
    int exponent = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && exponent < 10000; ++i)
      exponent = exponent * 10 + (text[i] - '0');
    any = any && i > first;
    scale += below ? -exponent : exponent;
  }
  if (!any || i != text.size()) throw NoExactValue{};
  if (digits == 0) return {};
  if (scale > kLargestScale || scale < -kLargestScale) throw NoExactValue{};
  const Fraction value =
      scale >= 0 ? Fraction{digits * Power(10, scale)} : Fraction::Of(digits, Power(10, -scale));
  return negative ? -value : value;
}

// The decimal a double reads back as: its shortest round-trip text.
Fraction DecimalValue(double x) {
  if (!std::isfinite(x)) throw NoExactValue{};
  char text[32];
  const char* end = std::to_chars(text, text + sizeof text, x).ptr;
  return DecimalValue(std::string_view(text, end), '.');
}

Value Evaluate(const Expr& expr, const Values& values) {
  using Kind = Expr::Kind;
  const auto operand = [&](std::size_t i) { return Evaluate(expr.operand(i), values); };
  switch (expr.kind()) {
    case Kind::Quantity: {
      const double* value = values.find(expr.name());
      if (value == nullptr) throw std::logic_error("a formula's quantity was not read");
      return Plain(DecimalValue(*value));
    }
    case Kind::Constant:
      if (expr.piMultiple() != 0) return TimesPi(Fraction{expr.piMultiple()});
      return Plain(DecimalValue(expr.number()));
    case Kind::Ratio:
      return Plain(Fraction::Of(expr.numerator(), expr.denominator()));
    case Kind::Add:
      return operand(0) + operand(1);
    case Kind::Subtract:
      return operand(0) - operand(1);
    case Kind::Multiply:
      return operand(0) * operand(1);
    case Kind::Divide:
      return operand(0) / operand(1);
    case Kind::Negate:
      return -operand(0);
    case Kind::Abs: {
      const Value x = operand(0);
      return Sign(x) < 0 ? -x : x;
    }
    case Kind::Power:
      return Power(operand(0), operand(1));
    case Kind::SquareRoot: {
      const Value x = operand(0);
      if (!x.plain() || x.rational.sign() < 0) throw NoExactValue{};
      return RootOf(x.rational, 2);
    }
    case Kind::NthRoot: {
      const Value radicand = operand(0), index = operand(1), exponent = operand(2);
      if (radicand.plain() && radicand.rational.sign() < 0 && index.plain() &&
          index.rational.oddWhole())
        return -Power(-radicand, exponent);
      return Power(radicand, exponent);
    }
    case Kind::Stage:
      return operand(0);
  }
  throw std::logic_error("unknown kind of expression");
}

Whole LeastCommonMultiple(Whole a, Whole b) { return a / Gcd(a, b) * b; }

// A sum over one denominator, as it is written: (A + B × ⁿ√m) / D.
struct OverOneDenominator {
  Whole a, b, d;
};

OverOneDenominator Written(const Value& x) {
  const Whole d = LeastCommonMultiple(x.rational.d, x.coefficient.d);
  return {x.rational.n * (d / x.rational.d), x.coefficient.n * (d / x.coefficient.d), d};
}

// Every number the answer writes has at most kLargestDigits digits.
void CheckBounds(const Value& x) {
  static const Whole limit = Power(10, kLargestDigits);
  const OverOneDenominator sum = Written(x);
  for (const Whole number : {x.rational.n, x.rational.d, x.coefficient.n, x.coefficient.d,
                             x.radicand, sum.a, sum.b, sum.d})
    if (Abs(number) >= limit) throw NoExactValue{};
}

Value FromExact(const ExactNumber& x) {
  const auto fraction = [](const ExactFraction& f) { return Fraction{f.numerator, f.denominator}; };
  return {fraction(x.rational()), fraction(x.coefficient()), x.radicand(), x.index(), x.timesPi()};
}

std::u16string Text(Whole x) {
  // Within the bounds checked by ExactValue, so the magnitude is representable.
  std::u16string digits;
  ExactInteger rest = Abs(x).value();
  do {
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' + static_cast<int>(rest % 10)));
    rest /= 10;
  } while (rest != 0);
  return x < 0 ? u"-" + digits : digits;
}

// A whole number in the region's digits, its minus a sign of its own.
Math Number(Whole x, Notation notation) {
  const Math digits = MathNumber(notation.digits(Text(Abs(x))));
  return x < 0 ? MathRow({MathSign(u"-", true), digits}) : digits;
}

Math RootOf(Whole radicand, int index, Notation notation) {
  const Math under = Number(radicand, notation);
  return index == 2 ? MathRoot(under) : MathRoot(under, Number(index, notation));
}

// A whole multiple of a root: "√2", "-√2", "3√2", and "3 × ⁵√2", which cannot be read as a power.
Math Multiple(Whole multiple, Whole radicand, int index, Notation notation) {
  const Math root = RootOf(radicand, index, notation);
  if (multiple == 1) return root;
  if (multiple == -1) return MathRow({MathSign(u"-", true), root});
  if (index >= 4) return MathRow({Number(multiple, notation), MathSign(u"×"), root});
  return MathRow({Number(multiple, notation), root});
}

// A fraction with a bar, its minus before it.
Math Over(Whole numerator, Whole denominator, Notation notation) {
  const Math fraction =
      MathFraction(Number(Abs(numerator), notation), Number(denominator, notation), true);
  return numerator < 0 ? MathRow({MathSign(u"-", true), fraction}) : fraction;
}

// A fraction times π as a textbook writes it: "49π", "-π", "32π/3 = 10 ⅔ π", "2π/3", the
// fraction built up and a mixed number's whole number beside its fraction.
Math MultipleOfPi(Fraction a, Notation notation) {
  const auto negative = [&a](Math math) {
    return a.n < 0 ? MathRow({MathSign(u"-", true), std::move(math)}) : math;
  };
  const Whole numerator = Abs(a.n);
  const Math times = numerator == 1 ? MathPi() : MathRow({Number(numerator, notation), MathPi()});
  if (a.d == 1) return negative(times);
  const Math fraction = negative(MathFraction(times, Number(a.d, notation), true));
  if (numerator < a.d) return fraction;
  const Math mixed =
      MathMixed(Number(numerator / a.d, notation),
                MathFraction(Number(numerator % a.d, notation), Number(a.d, notation), true));
  return MathRow({fraction, MathSign(u"="), negative(MathRow({mixed, MathPi()}))});
}

bool Terminates(Whole denominator) {
  for (const int prime : {2, 5})
    while (denominator % prime == 0) denominator = denominator / prime;
  return denominator == 1;
}

// Whether the decimal of a fraction that terminates has more digits than the window shows.
bool HasMoreThanShownDigits(Fraction x) {
  constexpr int kShownDigits = 15;
  if (x.zero()) return false;
  try {
    // p/q with q = 2^i × 5^j is p × 2^(k-i) × 5^(k-j) / 10^k for k the larger of i and j.
    Whole digits = Abs(x.n), twos = x.d, fives = x.d;
    for (; twos % 2 == 0; twos = twos / 2) digits = digits * 5;
    for (; fives % 5 == 0; fives = fives / 5) digits = digits * 2;
    while (digits % 10 == 0) digits = digits / 10;
    return digits >= Power(10, kShownDigits);
  } catch (const NoExactValue&) {
    return true;
  }
}

// Whether the shown text, in the region's digits, is the fraction's decimal.
bool Equals(Fraction x, std::u16string_view decimal, Notation notation) {
  std::u16string ascii(decimal);
  for (char16_t& c : ascii) {
    if (c >= notation.zero && c <= notation.zero + 9)
      c = static_cast<char16_t>(u'0' + (c - notation.zero));
  }
  try {
    const Fraction shown = DecimalValue(std::u16string_view(ascii), notation.separator);
    return shown.n == x.n && shown.d == x.d;
  } catch (const NoExactValue&) {
    return false;
  }
}

}  // namespace

std::optional<ExactNumber> ExactValue(const Expr& expr, const Values& values) {
  try {
    const Value x = Evaluate(expr, values);
    CheckBounds(x);
    const auto fraction = [](Fraction f) { return ExactFraction{f.n.value(), f.d.value()}; };
    return ExactNumber(fraction(x.rational), fraction(x.coefficient), x.radicand.value(), x.index,
                       x.pi);
  } catch (const NoExactValue&) {
    return std::nullopt;
  }
}

std::optional<Math> ExactAnswerMath(const ExactNumber& exact, std::u16string_view shownDecimal,
                                    Notation notation) {
  const Value x = FromExact(exact);
  if (x.pi) return MultipleOfPi(x.rational, notation);
  if (x.plain()) {
    const Fraction a = x.rational;
    if (Terminates(a.d) && (HasMoreThanShownDigits(a) || Equals(a, shownDecimal, notation)))
      return std::nullopt;
    if (a.d == 1) return Number(a.n, notation);
    const Math fraction = Over(a.n, a.d, notation);
    if (Abs(a.n) < a.d) return fraction;
    Math mixed =
        MathMixed(Number(Abs(a.n) / a.d, notation),
                  MathFraction(Number(Abs(a.n) % a.d, notation), Number(a.d, notation), true));
    if (a.n < 0) mixed = MathRow({MathSign(u"-", true), mixed});
    return MathRow({fraction, MathSign(u"="), mixed});
  }
  if (x.rational.zero()) {
    const Math root = Multiple(x.coefficient.n, x.radicand, x.index, notation);
    if (x.coefficient.d == 1) return root;
    // The minus before the fraction: -√2/2.
    const Math positive = Multiple(Abs(x.coefficient.n), x.radicand, x.index, notation);
    const Math fraction = MathFraction(positive, Number(x.coefficient.d, notation), true);
    return x.coefficient.n < 0 ? MathRow({MathSign(u"-", true), fraction}) : fraction;
  }
  const OverOneDenominator sum = Written(x);
  const Math text = MathRow({Number(sum.a, notation), MathSign(sum.b < 0 ? u"-" : u"+"),
                             Multiple(Abs(sum.b), x.radicand, x.index, notation)});
  return sum.d == 1 ? text : MathFraction(text, Number(sum.d, notation), true);
}

std::u16string ExactAnswer(const ExactNumber& exact, std::u16string_view shownDecimal,
                           Notation notation) {
  const std::optional<Math> answer = ExactAnswerMath(exact, shownDecimal, notation);
  return answer ? LinearText(*answer) : std::u16string();
}

double Approximate(const ExactNumber& exact) {
  return static_cast<double>(Approximately(FromExact(exact)));
}

}  // namespace numora
