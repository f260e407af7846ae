// The evaluation machine: one pass over the instructions, one switch per instruction.
// A domain error sets erreurcalcul and the run goes on; arithmetic faults anywhere in the
// run (overflow, invalid operation, division by zero) are read once at the end from the
// floating-point flags and make the run an error too.

#include <cmath>
#include <cstdint>

#include "fpfault.h"
#include "program.h"
#include "random_source.h"
#include "x87math.h"

bool erreurcalcul = false;

namespace quadrel::expr {
namespace {

// Beyond this a truncation to a 64-bit integer is not representable: a fault.
constexpr extended kIntegerLimit = 9223372036854775807.0L;

inline void domainError() { erreurcalcul = true; }

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

// Code 9: a literal integer exponent, by repeated multiplication. Very large exponents
// use squaring so that a typed x^999999999 cannot stall a rebuild.
extended literalPower(extended a, extended n) {
  const extended magnitude = std::trunc(std::fabs(n));
  if (!(magnitude < kIntegerLimit)) {
    domainError();
    return 0;
  }
  const auto count = static_cast<std::uint64_t>(magnitude);
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

// Code 10: the general power.
extended generalPower(extended a, extended b) {
  const bool integral = b == std::trunc(b);
  if ((!integral && a < 0) || b > 30) {
    domainError();
    return 0;
  }
  if (b == 0) return 1;
  if (a == 0 && b > 0) return 0;
  if (integral && std::fabs(b) <= 2147483647.0L) {
    const extended p = squaringPower(a, static_cast<std::uint64_t>(std::fabs(b)));
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
  const auto modulus = static_cast<std::uint32_t>(static_cast<std::uint64_t>(static_cast<std::int64_t>(m)) & 0xFFFFu);
  const auto target = static_cast<std::uint32_t>(static_cast<std::uint64_t>(static_cast<std::int64_t>(k)) & 0xFFFFu);
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

inline void execute(const Instruction& in) {
  extended& r = *in.r;
  switch (in.code) {
    case 4: r = -*in.a; break;
    case 5: r = *in.a + *in.b; break;
    case 6: r = *in.a - *in.b; break;
    case 7: r = *in.a * *in.b; break;
    case 8:
      if (*in.b == 0) domainError();
      else r = *in.a / *in.b;
      break;
    case 9: r = literalPower(*in.a, *in.b); break;
    case 10: r = generalPower(*in.a, *in.b); break;
    case 11: r = x87::cos(*in.a); break;
    case 12: r = x87::sin(*in.a); break;
    case 13:
      if (*in.a >= 35) domainError();
      else r = x87::exp(*in.a);
      break;
    case 14:
      if (*in.a <= 0) domainError();
      else r = x87::ln(*in.a);
      break;
    case 15:
      if (*in.a < 0) domainError();
      else r = x87::sqrt(*in.a);
      break;
    case 16: r = x87::arctan(*in.a); break;
    case 17: {
      const extended a = *in.a;
      r = a * a;
      break;
    }
    case 18: {
      const extended a = *in.a;
      r = a * a * a;
      break;
    }
    case 19: {
      const extended a = *in.a;
      r = a * a * a * a;
      break;
    }
    case 20: r = std::fabs(*in.a); break;
    case 21: r = *in.a > *in.b ? *in.a : *in.b; break;
    case 22: r = *in.b < *in.a ? *in.b : *in.a; break;
    case 23: r = *in.a >= 0 ? 1 : 0; break;
    case 24: r = std::trunc(*in.a); break;
    case 25: r = randomHit(*in.a, *in.b); break;
    case 26: r = angle(*in.a, *in.b); break;
    case 27: {
      const extended a = *in.a;
      r = (x87::exp(a) - x87::exp(-a)) / 2;
      break;
    }
    case 28: {
      const extended a = *in.a;
      r = (x87::exp(a) + x87::exp(-a)) / 2;
      break;
    }
    case 29: {
      const extended a = *in.a, b = *in.b;
      r = x87::sqrt(a * a + b * b);
      break;
    }
    case 30: r = normalDeviate(*in.a, *in.b); break;
    case 31: r = *in.a - std::trunc(*in.a); break;
    case 32: r = *in.a < *in.b ? 1 : 0; break;
    case 33: r = *in.a == *in.b ? 1 : 0; break;
    case 34: r = *in.a <= *in.b ? 1 : 0; break;
    case 35: r = *in.a != *in.b ? 1 : 0; break;
    case 36: {
      const extended c = x87::cos(*in.a);
      if (c == 0) domainError();
      else r = x87::sin(*in.a) / c;
      break;
    }
    case 37: {
      const extended a = *in.a;
      const extended p = x87::exp(a), m = x87::exp(-a);
      r = (p - m) / (p + m);
      break;
    }
    case 38: {
      const extended a = *in.a;
      if (std::fabs(a) < 1) r = x87::arctan(a / x87::sqrt(1 - a * a));
      else if (a == 1) r = x87::kHalfPi;
      else if (a == -1) r = -x87::kHalfPi;
      else domainError();
      break;
    }
    case 39: {
      const extended a = *in.a;
      if (a > 0 && a <= 1) r = x87::arctan(x87::sqrt(1 - a * a) / a);
      else if (a == 0) r = x87::kHalfPi;
      else if (a >= -1 && a < 0) r = x87::arctan(x87::sqrt(1 - a * a) / a) + x87::kPi;
      else domainError();
      break;
    }
    case 40: r = *in.a >= 0 ? 1 : -1; break;
    default: break;  // 0 to 3: an operand alone, nothing to compute
  }
}

}  // namespace

extended run(const Program& program, extended first, extended second, extended third) {
  *program.variables[0] = first;
  *program.variables[1] = second;
  *program.variables[2] = third;
  fpfault::clearIfRaised();
  for (const Instruction& in : program.instructions) execute(in);
  const extended value = *program.instructions.back().r;
  if (fpfault::raised() || value != value) erreurcalcul = true;
  return value;
}

}  // namespace quadrel::expr
