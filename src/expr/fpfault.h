// Arithmetic faults (overflow, invalid operation, division by zero) read from the
// floating-point unit's sticky flags, so that nothing is added to the per-instruction
// path of a run. Underflow and inexact are ignored.
#pragma once

#if defined(__x86_64__) || defined(__i386__)

namespace quadrel::expr::fpfault {

// x87 status word: invalid (with stack fault), zero divide, overflow.
inline constexpr unsigned short kFaultMask = 0x01 | 0x04 | 0x08;

inline unsigned short status() {
  unsigned short sw;
  asm volatile("fnstsw %0" : "=am"(sw) : : "memory");
  return sw;
}

inline void clear() {
  asm volatile("fnclex" : : : "memory");
}

inline void clearIfRaised() {
  if (status() & kFaultMask) clear();
}

inline bool raised() {
  return (status() & kFaultMask) != 0;
}

// Raises a fault flag again (division by zero), for code that had to clear the flags
// it found raised and must leave them raised.
inline void raise() {
  long double zero = 0;
  asm volatile("fld1; fdivp %%st, %%st(1)" : "+t"(zero));
}

}  // namespace quadrel::expr::fpfault

#else

#include <cfenv>

namespace quadrel::expr::fpfault {
inline constexpr int kFaults = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;
inline void clear() {
  std::feclearexcept(kFaults);
}
inline void clearIfRaised() {
  if (std::fetestexcept(kFaults)) std::feclearexcept(kFaults);
}
inline bool raised() {
  return std::fetestexcept(kFaults) != 0;
}
inline void raise() {
  std::feraiseexcept(FE_DIVBYZERO);
}
}  // namespace quadrel::expr::fpfault

#endif
