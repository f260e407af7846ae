// The evaluation machine's operations. Each operation code has one routine per kind of
// operands (cells, computed nodes or variables), chosen once at compile time, and one
// helper on values in memory for native code. A domain error sets erreurcalcul and the
// run goes on.

#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

#include "opcodes.h"
#include "program.h"
#include "random_source.h"
#include "x87math.h"

namespace quadrel::expr {
namespace {

// Beyond this a truncation to a 64-bit integer is not representable: a fault.
constexpr extended kIntegerLimit = 9223372036854775807.0L;

inline void domainError() {
  erreurcalcul = true;
}

// trunc for v >= 0 or NaN, bit for bit, without the two rounding-mode switches of
// std::trunc: rounding to nearest overshoots by one at most. The comparison is quiet, as
// trunc raises nothing for a quiet NaN.
extended truncNonNegative(extended v) {
  const extended t = x87::detail::roundToInt(v);
  return __builtin_isgreater(t, v) ? t - 1 : t;
}

// a^n by repeated squaring, for n >= 1.
extended squaringPower(extended a, std::uint64_t n) {
  extended result = 1;
  while (n > 0) {
    while ((n & 1u) == 0) {
      n >>= 1;
      a *= a;
    }
    --n;
    result *= a;
  }
  return result;
}

// A literal integer exponent, by repeated multiplication. Very large exponents
// use squaring so that a typed x^999999999 cannot stall a rebuild.
extended literalPower(extended a, extended n) {
  const extended magnitude = truncNonNegative(std::fabs(n));
  if (!(magnitude < kIntegerLimit)) {
    domainError();
    return 0;
  }
  const auto count = static_cast<std::uint64_t>(x87::detail::integral(magnitude));
  extended product;
  if (count == 0) {
    product = 1;
  } else if (count <= 64) {
    product = a;
    for (std::uint64_t i = 1; i < count; ++i) product *= a;
  } else {
    product = squaringPower(a, count);
  }
  if (n < 0 && product != 0) product = 1 / product;
  return product;
}

// The general power.
extended generalPower(extended a, extended b) {
  const bool integral = b == x87::detail::roundToInt(b);  // as b == trunc(b), faster
  if ((!integral && a < 0) || b > 30) {
    domainError();
    return 0;
  }
  if (b == 0) return 1;
  if (a == 0 && b > 0) return 0;
  if (integral && std::fabs(b) <= 2147483647.0L) {
    const extended p =
        squaringPower(a, static_cast<std::uint64_t>(x87::detail::integral(std::fabs(b))));
    return b < 0 ? 1 / p : p;  // 0 to a negative power divides by zero: a fault
  }
  return x87::exp(b * x87::ln(a));
}

extended randomHit(extended a, extended b) {
  const extended m = std::nearbyint(a);  // halves to even
  const extended k = std::nearbyint(b);
  if (!(std::fabs(m) < kIntegerLimit) || !(std::fabs(k) < kIntegerLimit)) {
    domainError();
    return 0;
  }
  const auto modulus = static_cast<std::uint32_t>(
      static_cast<std::uint64_t>(static_cast<std::int64_t>(m)) & 0xFFFFu);
  const auto target = static_cast<std::uint32_t>(
      static_cast<std::uint64_t>(static_cast<std::int64_t>(k)) & 0xFFFFu);
  return randomInteger(modulus) == target ? 1 : 0;
}

extended normalDeviate(extended mean, extended deviation) {
  extended u = randomReal();
  if (u < 1e-20L) u = 1e-20L;
  const extended rho = x87::sqrt(-2 * x87::ln(u));
  const extended theta = x87::kTwoPi * randomReal();
  return mean + deviation * rho * x87::cos(theta);
}

extended angle(extended a, extended b) {
  if (a == 0) return x87::kHalfPi;
  if (a > 0) return x87::arctan(b / a);
  if (b > 0) return x87::arctan(b / a) + x87::kPi;
  return x87::arctan(b / a) - x87::kPi;
}

// The result of one operation; the value after a domain error is meaningless.
[[gnu::always_inline]] inline extended compute(int code, extended a, extended b) {
  extended r = 0;
  switch (static_cast<Op>(code)) {
    case Op::Negate:
      r = -a;
      break;
    case Op::Add:
      r = a + b;
      break;
    case Op::Subtract:
      r = a - b;
      break;
    case Op::Multiply:
      r = a * b;
      break;
    case Op::Divide:
      if (b == 0)
        domainError();
      else
        r = a / b;
      break;
    case Op::LiteralPower:
      r = literalPower(a, b);
      break;
    case Op::Power:
      r = generalPower(a, b);
      break;
    case Op::Cos:
      r = x87::cos(a);
      break;
    case Op::Sin:
      r = x87::sin(a);
      break;
    case Op::Exp:
      if (a >= 35)
        domainError();
      else
        r = x87::exp(a);
      break;
    case Op::Ln:
      if (a <= 0)
        domainError();
      else
        r = x87::ln(a);
      break;
    case Op::Sqrt:
      if (a < 0)
        domainError();
      else
        r = x87::sqrt(a);
      break;
    case Op::Arctan:
      r = x87::arctan(a);
      break;
    case Op::Square:
      r = a * a;
      break;
    case Op::Cube:
      r = a * a * a;
      break;
    case Op::Fourth:
      r = a * a * a * a;
      break;
    case Op::Abs:
      r = std::fabs(a);
      break;
    case Op::Max:
      r = a > b ? a : b;
      break;
    case Op::Min:
      r = b < a ? b : a;
      break;
    case Op::Heav:
      r = a >= 0 ? 1 : 0;
      break;
    case Op::En:
      r = std::trunc(a);
      break;
    case Op::RandomHit:
      r = randomHit(a, b);
      break;
    case Op::Arg:
      r = angle(a, b);
      break;
    case Op::Sinh:
      r = (x87::exp(a) - x87::exp(-a)) / 2;
      break;
    case Op::Cosh:
      r = (x87::exp(a) + x87::exp(-a)) / 2;
      break;
    case Op::Modulus:
      r = x87::sqrt(a * a + b * b);
      break;
    case Op::RandomNormal:
      r = normalDeviate(a, b);
      break;
    case Op::Fr:
      r = a - std::trunc(a);
      break;
    case Op::Lt:
      r = a < b ? 1 : 0;
      break;
    case Op::Eq:
      r = a == b ? 1 : 0;
      break;
    case Op::Le:
      r = a <= b ? 1 : 0;
      break;
    case Op::Ne:
      r = a != b ? 1 : 0;
      break;
    case Op::Tan: {
      const extended c = x87::cos(a);
      if (c == 0)
        domainError();
      else
        r = x87::sin(a) / c;
      break;
    }
    case Op::Tanh: {
      const extended p = x87::exp(a), m = x87::exp(-a);
      r = (p - m) / (p + m);
      break;
    }
    case Op::Arcsin: {
      if (std::fabs(a) < 1)
        r = x87::arctan(a / x87::sqrt(1 - a * a));
      else if (a == 1)
        r = x87::kHalfPi;
      else if (a == -1)
        r = -x87::kHalfPi;
      else
        domainError();
      break;
    }
    case Op::Arccos: {
      if (a > 0 && a <= 1)
        r = x87::arctan(x87::sqrt(1 - a * a) / a);
      else if (a == 0)
        r = x87::kHalfPi;
      else if (a >= -1 && a < 0)
        r = x87::arctan(x87::sqrt(1 - a * a) / a) + x87::kPi;
      else
        domainError();
      break;
    }
    case Op::Sgn:
      r = a >= 0 ? 1 : -1;
      break;
    default:
      break;  // an operand alone: nothing to compute
  }
  return r;
}

template <int Kind>
[[gnu::always_inline]] inline extended operand(const Node* computed, const extended* cell,
                                               int variable, const Arguments& args) {
  if constexpr (Kind == Node::Computed) return computed->routine(*computed, args);
  if constexpr (Kind == Node::Variable) return *args.value[variable];
  return *cell;
}

template <int Code, int LeftKind, int RightKind>
extended routine(const Node& n, const Arguments& args) {
  const extended a = operand<LeftKind>(n.left, n.a, n.leftVariable, args);
  extended b = 0;
  if constexpr (arityOf(Code) == 2) b = operand<RightKind>(n.right, n.b, n.rightVariable, args);
  return compute(Code, a, b);
}

constexpr int kCodes = kOperationCount;
constexpr int kKinds = 3;
using RoutineTable = std::array<std::array<std::array<Node::Routine, kKinds>, kKinds>, kCodes>;

template <int Code>
constexpr std::array<std::array<Node::Routine, kKinds>, kKinds> routinesOf() {
  return {{{{&routine<Code, 0, 0>, &routine<Code, 0, 1>, &routine<Code, 0, 2>}},
           {{&routine<Code, 1, 0>, &routine<Code, 1, 1>, &routine<Code, 1, 2>}},
           {{&routine<Code, 2, 0>, &routine<Code, 2, 1>, &routine<Code, 2, 2>}}}};
}

template <int... Code>
constexpr RoutineTable makeRoutineTable(std::integer_sequence<int, Code...>) {
  return RoutineTable{{routinesOf<Code>()...}};
}

constexpr RoutineTable kRoutines = makeRoutineTable(std::make_integer_sequence<int, kCodes>{});

template <int Code>
void helper(const extended* a, const extended* b, extended* r) {
  *r = compute(Code, *a, *b);
}

template <int... Code>
constexpr std::array<OperationHelper, kCodes> makeHelperTable(std::integer_sequence<int, Code...>) {
  return {{&helper<Code>...}};
}

constexpr auto kHelpers = makeHelperTable(std::make_integer_sequence<int, kCodes>{});

}  // namespace

Node::Routine routineFor(int code, int leftKind, int rightKind) {
  return kRoutines[static_cast<std::size_t>(code)][static_cast<std::size_t>(leftKind)]
                  [static_cast<std::size_t>(rightKind)];
}

OperationHelper helperFor(int code) {
  return kHelpers[static_cast<std::size_t>(code)];
}

}  // namespace quadrel::expr
