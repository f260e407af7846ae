#include "random_source.h"

#include <chrono>
#include <random>

namespace quadrel::expr {
namespace {
std::mt19937_64& generator() {
  static std::mt19937_64 g{0x5eed};
  return g;
}
}  // namespace

void reseedRandomFromClock() {
  generator().seed(
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

void seedRandom(std::uint64_t seed) {
  generator().seed(seed);
}

std::uint32_t randomInteger(std::uint32_t n) {
  if (n == 0) return 0;
  return static_cast<std::uint32_t>(generator()() % n);  // n <= 65536: bias below 2^-47
}

extended randomReal() {
  // 64 random bits over 2^64: uniform in [0, 1) at full extended precision.
  return static_cast<extended>(generator()()) * 0x1p-64L;
}

}  // namespace quadrel::expr
