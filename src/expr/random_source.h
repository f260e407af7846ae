// The engine's pseudo-random generator for "rn" and "rm".
#pragma once

#include <cstdint>

#include "parsor.h"

namespace quadrel::expr {

void reseedRandomFromClock();
// A fixed seed, so that two runs can be compared draw for draw.
void seedRandom(std::uint64_t seed);
// Uniform in 0..n-1; 0 when n is 0.
std::uint32_t randomInteger(std::uint32_t n);
// Uniform in [0, 1).
extended randomReal();

}  // namespace quadrel::expr
