// The root scan of chercheracines, which the level-line search runs too: a regular
// sampling of the interval, then three walks over it, each bisecting where an interval
// may hold a zero of F: sign changes of F, sign changes of its derivative where F also
// vanishes, and the borders of F's domain. The values come from a Source, so the same
// steps run on values computed afresh or taken from a cache.
//
// A Source provides:
//   long intervalCount(), extended samplePoint(long i)   the sampling (see sampleSequence):
//                                  interval i is [samplePoint(i), samplePoint(i + 1)]
//   bool cutShort()                the sampling stopped short of the upper bound
//   extended F(extended t)         F, or valeurerreur where undefined
//   extended D(extended t)         derivee's slope of F at t
//   extended gridF(long i), gridD(long i)   F and D at the i-th sample point
//   long nextCandidate(Scan, long i)   the first interval from i on that may find a root in
//                                  that scan (i itself when unsure)
//   void beginBisection(Scan, long i)   a bisection of that scan starts on interval i
#pragma once

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "matutil.h"
#include "parsor.h"

namespace quadrel {

// Spent by every search of one collection of level lines; chercheracines has no limit.
struct WorkBudget {
  long left;
  bool spent() const { return left <= 0; }
  void charge(long units) { left -= units; }
};

enum class Scan { signChange, tangentZero, domainBorder };

inline constexpr long kCoutBissection = 48;  // work units of one bisection step

// The sample points of an interval: from lower by step while below upper, at most
// maxIntervals of them (the last one may reach past upper).
struct Sampling {
  extended lower, upper, step;
  long maxIntervals;
};

// The sample points plus the end of the last interval: interval i is [w[i], w[i] + step],
// and w[i] + step is w[i + 1]. `cut`, when given, tells whether the walk stopped short: on a
// step lost in the rounding, or at maxIntervals.
inline std::vector<extended> sampleSequence(const Sampling& s, bool* cut = nullptr) {
  std::vector<extended> w;
  const extended estimate = (s.upper - s.lower) / s.step;
  if (estimate >= 0 && estimate < s.maxIntervals) w.reserve(static_cast<std::size_t>(estimate) + 2);
  extended t = s.lower;
  for (long i = 1;; ++i) {
    w.push_back(t);
    const extended next = t + s.step;
    if (next == t || i >= s.maxIntervals || !(next < s.upper)) {
      w.push_back(next);
      if (cut) *cut = next == t || i >= s.maxIntervals;
      return w;
    }
    t = next;
  }
}

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

template <class Source>
class RootScan {
 private:
  // Scans 1 and 2 bisect on the values of F, or of its derivative, by the same rule; they
  // differ in what brackets an interval, in when to stop and in how close to 0 F must be.
  struct Bisection {
    bool onDerivative;
    extended bound;     // |value| below this at both ends to bracket
    double stopUnit;    // F(mid) rounding to 0 at this unit ends the search
    double recordUnit;  // ... and at this one records mid
    int maxIterations;
  };
  static constexpr Bisection kSignChange{false, 10, 1e-9, 1e-5, 400};
  static constexpr Bisection kTangentZero{true, 15, 1e-8, 1e-4, 399};

 public:
  RootScan(Source& src, WorkBudget& budget, racines& r) : src_(src), budget_(budget), r_(r) {}

  // The roots in increasing order; false when a walk reached the end of a sampling cut
  // short (the roots are then incomplete).
  bool run() {
    r_.count = 0;
    const bool whole = scan(Scan::signChange, [this](long i) { bisect(i, kSignChange); }) &&
                       scan(Scan::tangentZero, [this](long i) { bisect(i, kTangentZero); }) &&
                       scan(Scan::domainBorder, [this](long i) { domainBorder(i); });
    // This very sort: 0 and -0 keep the order it gives them.
    for (int i = 0; i + 1 < r_.count; ++i)
      for (int j = i + 1; j < r_.count; ++j)
        if (r_.value[i] > r_.value[j]) std::swap(r_.value[i], r_.value[j]);
    return whole;
  }

 private:
  static constexpr extended S = valeurerreur;

  // nearbyint(v / unit) == 0 with the default rounding (halves to even), without the call.
  static bool roundsToZero(extended v, double unit) {
    return std::fabs(static_cast<double>(v) / unit) <= 0.5;
  }
  static extended roundedTo4Decimals(extended v) {
    return static_cast<extended>(std::nearbyint(static_cast<double>(v) / 1e-4) * 1e-4);
  }

  void record(extended t) {
    if (r_.count < static_cast<int>(r_.value.size())) r_.value[r_.count++] = roundedTo4Decimals(t);
  }

  // The intervals in order: one work unit each, an interval examined while fewer than 100
  // roots are known, the walk ended at 101 roots or when the budget is spent. Intervals the
  // source knows to be idle for this scan are only counted.
  template <class Examine>
  bool scan(Scan kind, Examine examine) {
    const long n = src_.intervalCount();
    for (long i = 0; i < n;) {
      const long idle = std::min(src_.nextCandidate(kind, i), n) - i;
      if (idle > 0) {
        if (budget_.spent()) return true;
        const long walked = std::min(idle, budget_.left);
        budget_.charge(walked);
        if (walked < idle) return true;
        i += idle;
        continue;
      }
      if (budget_.spent()) return true;
      budget_.charge(1);
      if (r_.count < 100) examine(i);
      if (i + 1 == n && src_.cutShort()) return false;
      if (r_.count >= 101) return true;
      ++i;
    }
    return !src_.cutShort();
  }

  extended value(const Bisection& b, extended t) { return b.onDerivative ? src_.D(t) : src_.F(t); }
  extended sampled(const Bisection& b, long i) {
    return b.onDerivative ? src_.gridD(i) : src_.gridF(i);
  }

  void bisect(long i, const Bisection& b) {
    const extended v1 = sampled(b, i), v2 = sampled(b, i + 1);
    if (v1 == S || v2 == S || !(v1 * v2 <= 0) || !(std::fabs(v1) < b.bound) ||
        !(std::fabs(v2) < b.bound))
      return;
    src_.beginBisection(b.onDerivative ? Scan::tangentZero : Scan::signChange, i);
    extended p = src_.samplePoint(i), q = src_.samplePoint(i + 1);
    int iterations = 0;
    extended mid, fm;
    for (;;) {
      budget_.charge(kCoutBissection);
      const extended L = value(b, p), M = value(b, q), K = value(b, (p + q) / 2);
      const bool undefined = L == S || M == S || K == S;
      if (!undefined) bisectionStep(p, q, L, M, K);
      ++iterations;
      mid = (p + q) / 2;
      fm = src_.F(mid);
      if (iterations > b.maxIterations || roundsToZero(p - q, 1e-12) ||
          roundsToZero(fm, b.stopUnit) || std::fabs(fm) > 15 || undefined)
        break;
    }
    if (roundsToZero(fm, b.recordUnit)) record(mid);
  }

  // F defined at one end only: bisect on whether F keeps its value at the first end.
  void domainBorder(long i) {
    const bool firstUndefined = src_.gridF(i) == S;
    if (firstUndefined == (src_.gridF(i + 1) == S)) return;
    src_.beginBisection(Scan::domainBorder, i);
    extended p = src_.samplePoint(i), q = src_.samplePoint(i + 1);
    for (int iterations = 1;; ++iterations) {
      budget_.charge(kCoutBissection);
      const extended L = src_.F(p), M = src_.F(q), K = src_.F((p + q) / 2);
      const extended mid = (p + q) / 2;
      if (K != L) {
        q = mid;
      } else {
        p = mid;
      }
      if (iterations >= 400 || roundsToZero(p - q, 1e-12) || (L == S && M == S && K == S)) break;
    }
    const extended fp = src_.F(p), fq = src_.F(q);
    if (roundsToZero(fp, 1e-4)) record(p);
    if (roundsToZero(fq, 1e-4)) record(q);
  }

  Source& src_;
  WorkBudget& budget_;
  racines& r_;
};

}  // namespace quadrel
