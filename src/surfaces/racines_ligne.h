// Zeros of F(t) = f(t) - k on one grid line, with the arithmetic of chercheracines: a
// regular sampling of the interval, then bisection on sign changes of F, on sign changes of
// its derivative where F also vanishes, and at the borders of F's domain. The values come
// from a Source, so the same steps run on values computed afresh or taken from a cache.
//
// A Source provides:
//   void beginBisection(Scan, long i)   a bisection of that scan starts on interval i
//   extended F(extended t)         f(t) - k, or valeurerreur where undefined
//   extended D(extended t)         derivee's slope of F at t
//   extended gridF(long i), gridD(long i)   F and D at the i-th sample point
//   void memorise(bool on)         whether values are worth keeping for later levels
//   long intervalCount(), extended samplePoint(long i)   the sampling (see sampleSequence)
//   long nextCandidate(Scan, long i)   the first interval from i on that may find a root in
//                                  that scan (i itself when unsure)
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "bisection.h"
#include "matutil.h"
#include "parsor.h"

namespace quadrel {

// Spent by every search of one collection; see kBudgetRecherche.
struct WorkBudget {
  long left;
  bool spent() const { return left <= 0; }
  void charge(long units) { left -= units; }
};

enum class Scan { signChange, tangentZero, domainBorder };

inline constexpr extended kPasDerivee = 1e-9L;  // derivee's step
inline constexpr long kCoutBissection = 48;     // work units of one bisection step

// The sample points of an interval: from lower by step while below upper, at most
// maxIntervals of them (the last one may reach past upper).
struct Sampling {
  extended lower, upper, step;
  long maxIntervals;
};

// The sampling step for `wanted` on [lower, upper]: coarser when the interval would hold
// more than kMaxIntervalles samples.
inline extended samplingStep(extended lower, extended upper, extended wanted, long maxIntervals) {
  const extended least = (upper - lower) / maxIntervals;
  return wanted < least ? least : wanted;
}

// The sample points as the scan of chercheracines visits them, plus the end of the last
// interval: interval i is [w[i], w[i] + step], and w[i] + step is w[i + 1].
inline std::vector<extended> sampleSequence(const Sampling& s) {
  std::vector<extended> w;
  extended t = s.lower;
  for (long i = 1;; ++i) {
    w.push_back(t);
    const extended next = t + s.step;
    if (next == t || i >= s.maxIntervals || !(next < s.upper)) {
      w.push_back(next);
      return w;
    }
    t = next;
  }
}

template <class Source>
class LineRootSearch {
 public:
  LineRootSearch(Source& src, const Sampling& s, WorkBudget& budget, racines& r)
      : src_(src), s_(s), budget_(budget), r_(r) {}

  void run() {
    r_.count = 0;
    src_.memorise(false);
    scan(Scan::signChange, [this](long i, extended w) { signChange(i, w, w + s_.step); });
    src_.memorise(true);  // the derivative's bisection follows the same path at each level
    scan(Scan::tangentZero, [this](long i, extended w) { tangentZero(i, w, w + s_.step); });
    scan(Scan::domainBorder, [this](long i, extended w) { domainBorder(i, w, w + s_.step); });
    for (int i = 0; i + 1 < r_.count; ++i)
      for (int j = i + 1; j < r_.count; ++j)
        if (r_.value[i] > r_.value[j]) std::swap(r_.value[i], r_.value[j]);
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

  // The intervals in order, as chercheracines walks them: one work unit each, an interval
  // examined while fewer than 100 roots are known, the walk ended at 101 roots or when the
  // budget is spent. Intervals the source knows to be idle for this scan are only counted.
  template <class Examine>
  void scan(Scan kind, Examine examine) {
    const long n = src_.intervalCount();
    for (long i = 0; i < n;) {
      const long idle = std::min(src_.nextCandidate(kind, i), n) - i;
      if (idle > 0) {
        if (budget_.spent()) return;
        const long walked = std::min(idle, budget_.left);
        budget_.charge(walked);
        if (walked < idle) return;
        i += idle;
        continue;
      }
      if (budget_.spent()) return;
      budget_.charge(1);
      if (r_.count < 100) examine(i, src_.samplePoint(i));
      if (r_.count >= 101) return;
      ++i;
    }
  }

  struct Bisection {
    bool onDerivative;
    extended bound;     // |value| below this at both ends to bracket
    double stopUnit;    // F(mid) rounding to 0 at this unit ends the search
    double recordUnit;  // ... and at this one records mid
    int maxIterations;
  };

  extended value(const Bisection& b, extended t) { return b.onDerivative ? src_.D(t) : src_.F(t); }

  void bisect(long i, extended p, extended q, const Bisection& b) {
    const extended v1 = b.onDerivative ? src_.gridD(i) : src_.gridF(i);
    const extended v2 = b.onDerivative ? src_.gridD(i + 1) : src_.gridF(i + 1);
    if (v1 == S || v2 == S || !(v1 * v2 <= 0) || !(std::fabs(v1) < b.bound) ||
        !(std::fabs(v2) < b.bound))
      return;
    src_.beginBisection(b.onDerivative ? Scan::tangentZero : Scan::signChange, i);
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

  void signChange(long i, extended p, extended q) { bisect(i, p, q, {false, 10, 1e-9, 1e-5, 400}); }
  void tangentZero(long i, extended p, extended q) { bisect(i, p, q, {true, 15, 1e-8, 1e-4, 399}); }

  void domainBorder(long i, extended p, extended q) {
    if ((src_.gridF(i) == S) == (src_.gridF(i + 1) == S)) return;
    src_.beginBisection(Scan::domainBorder, i);
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
  const Sampling s_;
  WorkBudget& budget_;
  racines& r_;
};

}  // namespace quadrel
