// The bisection step of chercheracines, shared with the level-line search, which repeats
// the same scans on cached values and must take exactly the same steps.
#pragma once

#include "parsor.h"

// One step on the values L, M, K of F at p, q and their midpoint: keeps the half where F
// changes sign, or closes the interval (p = q) when neither half does.
inline void bisectionStep(extended& p, extended& q, extended L, extended M, extended K) {
  const extended mid = (p + q) / 2;
  if (L * K <= 0) {
    q = mid;
  } else if (M * K <= 0) {
    p = mid;
  }
  if (L * K > 0 && M * K > 0) p = q;
}
