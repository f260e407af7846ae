// The root finder on fuzzed text and bounds: the first 12 bytes choose the bounds and
// the step, the rest is the formula (in x).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "matutil.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 12 || size > 600) return 0;
  std::int32_t raw[3];
  std::memcpy(raw, data, sizeof raw);
  // Bounds within +-100, a step of at least 1e-3 of the span: the range a builder uses,
  // and enough intervals to exercise every scan.
  const extended lower = static_cast<extended>(raw[0] % 10000) / 100;
  const extended upper = static_cast<extended>(raw[1] % 10000) / 100;
  const extended span = std::fabs(upper - lower);
  const extended step = span * (1 + std::abs(raw[2] % 1000)) / 1000 + 1e-6L;
  const std::string text(reinterpret_cast<const char*>(data) + 12, size - 12);
  racines r;
  const bool ok = chercheracines(normalise(text), lower, upper, step, r);
  if (r.count < 0 || r.count > 101) __builtin_trap();
  if (!ok && r.count != 0) __builtin_trap();
  for (int i = 1; i < r.count; ++i)
    if (r.value[i - 1] > r.value[i]) __builtin_trap();
  return 0;
}
