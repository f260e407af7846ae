// Zeros of a formula in x on an interval: sign changes, tangent zeros (zeros of the
// derivative where the function also vanishes) and zeros at the border of the domain,
// each found by bisection from a regular sampling of the interval.

#include <cmath>
#include <vector>

#include "bisection.h"
#include "matutil.h"
#include "program.h"

namespace {

constexpr extended S = valeurerreur;
// A step so small against the interval that the scans would run for minutes (or never
// advance) is refused rather than allowed to freeze the program; the refusal is reported
// (not ok, cutShort), never passed off as a search that found nothing.
constexpr long kMaxIntervals = 1000000;
// Sampling points whose values are computed ahead (about 80 bytes each); past this the
// scans evaluate as they go.
constexpr long kMaxGridPoints = 65536;

// Rounded at the given decimal unit (1e-9 ...) in double, halves to even.
bool roundsToZero(extended v, double unit) {
  return std::nearbyint(static_cast<double>(v) / unit) == 0;
}

extended roundedTo4Decimals(extended v) {
  return static_cast<extended>(std::nearbyint(static_cast<double>(v) / 1e-4) * 1e-4);
}

class RootSearch {
 public:
  RootSearch(TExpress& e, extended lower, extended upper, extended step, racines& r)
      : e_(e), lower_(lower), upper_(upper), step_(step), r_(r) {}

  // False when a scan had to stop before the upper bound.
  bool run() {
    if (!e_.RandomDraws() && (upper_ - lower_) / step_ < kMaxGridPoints) prepareGrid();
    return scan([this](extended w, std::size_t k) { signChange(w, w + step_, k); }) &&
           scan([this](extended w, std::size_t k) { tangentZero(w, w + step_, k); }) &&
           scan([this](extended w, std::size_t k) { domainBorder(w, w + step_, k); });
  }

 private:
  extended F(extended x) { return e_.Evaluate(x, 0, 0); }
  extended D(extended x) { return derivee(e_, x); }

  // The values every scan takes at the sampling points w (and at w + h for the
  // derivative), computed ahead along two rows. Without random draws they are the very
  // values the scans would compute one by one; with them, the scans evaluate as they go.
  void prepareGrid() {
    extended w = lower_;
    std::vector<extended> ws{w};
    long intervals = 0;
    do {
      const extended next = w + step_;
      ws.push_back(next);
      if (next == w || ++intervals > 2 * kMaxIntervals) break;
      w = next;
    } while (w < upper_);
    std::vector<extended> shifted(ws.size());
    for (std::size_t k = 0; k < ws.size(); ++k) shifted[k] = ws[k] + kDerivativeStep;
    values_.resize(ws.size());
    shiftedValues_.resize(ws.size());
    std::vector<char> errors(ws.size()), shiftedErrors(ws.size());
    e_.EvaluateRow(ws.data(), ws.size(), 0, 0, values_.data(),
                   reinterpret_cast<bool*>(errors.data()));
    e_.EvaluateRow(shifted.data(), shifted.size(), 0, 0, shiftedValues_.data(),
                   reinterpret_cast<bool*>(shiftedErrors.data()));
    slopes_.resize(ws.size());
    for (std::size_t k = 0; k < ws.size(); ++k)
      slopes_[k] = slopeOf(values_[k], shiftedValues_[k], shiftedErrors[k] != 0);
  }
  // F and its derivative at sampling point k, which is x.
  extended gridF(std::size_t k, extended x) { return values_.empty() ? F(x) : values_[k]; }
  extended gridD(std::size_t k, extended x) { return slopes_.empty() ? D(x) : slopes_[k]; }

  void record(extended t) {
    if (r_.count < static_cast<int>(r_.value.size())) r_.value[r_.count++] = roundedTo4Decimals(t);
  }

  template <class Examine>
  bool scan(Examine examine) {
    extended w = lower_;
    long intervals = 0;
    do {
      if (r_.count < 100) examine(w, static_cast<std::size_t>(intervals));
      const extended next = w + step_;
      // The bound was checked up front; this catches a step lost in the rounding of w.
      if (next == w || ++intervals > 2 * kMaxIntervals) return false;
      w = next;
    } while (w < upper_ && r_.count < 101);
    return true;
  }

  // Scans 1 and 2 bisect on the values of F, or of its derivative, by the same rule; they
  // differ in what brackets an interval, in when to stop and in how close to 0 F must be.
  struct Bisection {
    extended (RootSearch::*value)(extended);
    extended (RootSearch::*sampled)(std::size_t, extended);  // the same at a sampling point
    extended bound;     // |value| below this at both ends to bracket
    double stopUnit;    // F(mid) rounding to 0 at this unit ends the search
    double recordUnit;  // ... and at this one records mid
    int maxIterations;
  };

  void bisect(extended p, extended q, std::size_t k, const Bisection& b) {
    const extended v1 = (this->*b.sampled)(k, p), v2 = (this->*b.sampled)(k + 1, q);
    if (v1 == S || v2 == S || !(v1 * v2 <= 0) || !(std::fabs(v1) < b.bound) ||
        !(std::fabs(v2) < b.bound))
      return;
    int iterations = 0;
    extended mid, fm;
    for (;;) {
      const extended L = (this->*b.value)(p), M = (this->*b.value)(q),
                     K = (this->*b.value)((p + q) / 2);
      const bool undefined = L == S || M == S || K == S;
      if (!undefined) bisectionStep(p, q, L, M, K);
      ++iterations;
      mid = (p + q) / 2;
      fm = F(mid);
      if (iterations > b.maxIterations || roundsToZero(p - q, 1e-12) ||
          roundsToZero(fm, b.stopUnit) || std::fabs(fm) > 15 || undefined)
        break;
    }
    if (roundsToZero(fm, b.recordUnit)) record(mid);
  }

  void signChange(extended p, extended q, std::size_t k) {
    bisect(p, q, k, {&RootSearch::F, &RootSearch::gridF, 10, 1e-9, 1e-5, 400});
  }
  void tangentZero(extended p, extended q, std::size_t k) {
    bisect(p, q, k, {&RootSearch::D, &RootSearch::gridD, 15, 1e-8, 1e-4, 399});
  }

  void domainBorder(extended p, extended q, std::size_t k) {
    if ((gridF(k, p) == S) == (gridF(k + 1, q) == S)) return;
    for (int iterations = 1;; ++iterations) {
      const extended L = F(p), M = F(q), K = F((p + q) / 2);
      const extended mid = (p + q) / 2;
      if (K != L) {
        q = mid;
      } else {
        p = mid;
      }
      if (iterations >= 400 || roundsToZero(p - q, 1e-12) || (L == S && M == S && K == S)) break;
    }
    const extended fp = F(p), fq = F(q);
    if (roundsToZero(fp, 1e-4)) record(p);
    if (roundsToZero(fq, 1e-4)) record(q);
  }

  TExpress& e_;
  extended lower_, upper_, step_;
  racines& r_;
  std::vector<extended> values_, shiftedValues_, slopes_;  // empty: evaluate as we go
};

}  // namespace

bool chercheracines(std::string_view text, extended lower, extended upper, extended step,
                    racines& r) {
  r.count = 0;
  r.cutShort = false;
  TExpress e;
  e.setExpression(text.substr(0, quadrel::expr::kMaxFormulaLength));
  if (e.CompileError() || !(upper > lower)) return false;
  if (!std::isfinite(lower) || !std::isfinite(upper) || !(step > 0) || !std::isfinite(step))
    return false;
  if ((upper - lower) / step > kMaxIntervals) {
    r.cutShort = true;
    return false;
  }
  if (!RootSearch(e, lower, upper, step, r).run()) {
    r.cutShort = true;
    r.count = 0;
    return false;
  }
  for (int i = 0; i + 1 < r.count; ++i)
    for (int j = i + 1; j < r.count; ++j)
      if (r.value[i] > r.value[j]) std::swap(r.value[i], r.value[j]);
  return true;
}
