// Elementary functions at 80-bit precision, built on the x87 unit's own instructions
// after an exact argument reduction. glibc's sinl, cosl, expl cost 10 to 30 times their
// double versions; these keep within a few ulps of them on the ranges a classroom uses.
#pragma once

#include <cmath>

#include "parsor.h"

namespace quadrel::expr::x87 {

inline constexpr extended kPi = 0xc90fdaa22168c235p-62L;
inline constexpr extended kHalfPi = 0xc90fdaa22168c235p-63L;
inline constexpr extended kTwoPi = 0xc90fdaa22168c235p-61L;

#if defined(__x86_64__) || defined(__i386__)

namespace detail {
inline constexpr extended kLog2e = 0xb8aa3b295c17f0bcp-63L;
inline constexpr extended kLn2Hi = 0xb17217f7d1cf0000p-64L;  // 48 bits: n * kLn2Hi is exact
inline constexpr extended kLn2Lo = 0xf35793c7673007e6p-113L;
inline constexpr extended kTwoOverPi = 0xa2f9836e4e44152ap-64L;
inline constexpr extended kHalfPi1 = 0xc90fdaa221700000p-63L;  // 44 bits each for the first two
inline constexpr extended kHalfPi2 = -0xe7b9676733b00000p-108L;
inline constexpr extended kHalfPi3 = 0xb80dc1cd129024e1p-155L;
inline constexpr extended kLn2 = 0xb17217f7d1cf79acp-64L;
inline constexpr extended kLnNearOne = 0.29L;  // below, ln(1 + d) from d
// Beyond this the three-part reduction loses exactness; the library takes over.
inline constexpr extended kReductionLimit = 1048576.0L;

inline extended roundToInt(extended v) {
  asm("frndint" : "+t"(v));
  return v;
}
inline extended fsin(extended v) {
  asm("fsin" : "+t"(v));
  return v;
}
inline extended fcos(extended v) {
  asm("fcos" : "+t"(v));
  return v;
}
inline extended f2xm1(extended v) {
  asm("f2xm1" : "+t"(v));
  return v;
}
inline extended fscale(extended v, extended n) {
  asm("fscale" : "+t"(v) : "u"(n));
  return v;
}
// y * log2(x)
inline extended fyl2x(extended x, extended y) {
  extended r;
  asm("fyl2x" : "=t"(r) : "0"(x), "u"(y) : "st(1)");
  return r;
}
// y * log2(1 + x), for |x| < 1 - sqrt(2)/2
inline extended fyl2xp1(extended x, extended y) {
  extended r;
  asm("fyl2xp1" : "=t"(r) : "0"(x), "u"(y) : "st(1)");
  return r;
}
// atan(y / x) in the right quadrant
inline extended fpatan(extended y, extended x) {
  extended r;
  asm("fpatan" : "=t"(r) : "0"(x), "u"(y) : "st(1)");
  return r;
}

// An integral value below 2^63 as an integer. A C++ conversion would switch the unit to
// truncation and back (two fldcw, slow); fistp in the current mode is exact here.
inline long long integral(extended v) {
  long long r;
  asm("fistpll %0" : "=m"(r) : "t"(v) : "st");
  return r;
}

// x = q * pi/2 + r with |r| <= pi/4 (about); returns r and the quadrant q mod 4.
inline extended reduceHalfPi(extended x, unsigned& quadrant) {
  const extended q = roundToInt(x * kTwoOverPi);
  quadrant = static_cast<unsigned>(integral(q)) & 3u;
  return ((x - q * kHalfPi1) - q * kHalfPi2) - q * kHalfPi3;
}
}  // namespace detail

inline extended sin(extended x) {
  if (!(std::fabs(x) < detail::kReductionLimit)) return sinl(x);
  unsigned q;
  const extended r = detail::reduceHalfPi(x, q);
  switch (q) {
    case 0:
      return detail::fsin(r);
    case 1:
      return detail::fcos(r);
    case 2:
      return -detail::fsin(r);
    default:
      return -detail::fcos(r);
  }
}

inline extended cos(extended x) {
  if (!(std::fabs(x) < detail::kReductionLimit)) return cosl(x);
  unsigned q;
  const extended r = detail::reduceHalfPi(x, q);
  switch (q) {
    case 0:
      return detail::fcos(r);
    case 1:
      return -detail::fsin(r);
    case 2:
      return -detail::fcos(r);
    default:
      return detail::fsin(r);
  }
}

// e^x. Overflow and underflow come out of fscale with the usual x87 flags.
inline extended exp(extended x) {
  // Past +-20000 the result is out of range anyway; inside, n stays below 2^15 so that
  // n * kLn2Hi is exact.
  if (!(std::fabs(x) < 20000.0L)) {
    if (x != x) return x;
    return x > 0 ? detail::fscale(1.0L, 32768.0L) : 0.0L;  // raises overflow / underflows
  }
  const extended n = detail::roundToInt(x * detail::kLog2e);
  const extended r = (x - n * detail::kLn2Hi) - n * detail::kLn2Lo;
  return detail::fscale(detail::f2xm1(r * detail::kLog2e) + 1.0L, n);
}

// Natural logarithm; 0 gives -inf with the division-by-zero flag, a negative x the
// invalid flag, as the instruction does.
inline extended ln(extended x) {
  const extended d = x - 1.0L;
  if (std::fabs(d) < detail::kLnNearOne) return detail::fyl2xp1(d, detail::kLn2);
  return detail::fyl2x(x, detail::kLn2);
}

inline extended arctan(extended x) {
  return detail::fpatan(x, 1.0L);
}

inline extended sqrt(extended x) {
  return __builtin_sqrtl(x);
}

#else  // not x87: the library at long double precision

namespace detail {
inline extended roundToInt(extended v) {
  return nearbyintl(v);
}
inline long long integral(extended v) {
  return llrintl(v);
}
}  // namespace detail

inline extended sin(extended x) {
  return sinl(x);
}
inline extended cos(extended x) {
  return cosl(x);
}
inline extended exp(extended x) {
  return expl(x);
}
inline extended ln(extended x) {
  return logl(x);
}
inline extended arctan(extended x) {
  return atanl(x);
}
inline extended sqrt(extended x) {
  return sqrtl(x);
}

#endif

}  // namespace quadrel::expr::x87
