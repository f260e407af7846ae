// Zeros of a formula in x on an interval: the root scan on the formula's values, taken
// ahead along two rows when the formula draws no random numbers.

#include <cmath>
#include <limits>
#include <vector>

#include "matutil.h"
#include "program.h"
#include "root_scan.h"

namespace {

using quadrel::Sampling;
using quadrel::Scan;

// A step so small against the interval that the scans would run for minutes (or never
// advance) is refused rather than allowed to freeze the program; the refusal is reported
// (not ok, cutShort), never passed off as a search that found nothing.
constexpr long kMaxIntervals = 1000000;
// Sampling points whose values are computed ahead (about 80 bytes each); past this the
// scans evaluate as they go.
constexpr long kMaxGridPoints = 65536;

// F(x) = the formula at (x, 0, 0), and derivee's slope of it.
class FormulaValues {
 public:
  // The bound was checked up front; the walk stops anyway at twice it, or on a step lost
  // in the rounding of the sample points.
  FormulaValues(TExpress& e, extended lower, extended upper, extended step)
      : e_(e), w_(quadrel::sampleSequence({lower, upper, step, 2 * kMaxIntervals + 1}, &cut_)) {
    if (!e_.RandomDraws() && (upper - lower) / step < kMaxGridPoints) prepareGrid();
  }

  long intervalCount() const { return static_cast<long>(w_.size()) - 1; }
  extended samplePoint(long i) const { return w_[static_cast<std::size_t>(i)]; }
  bool cutShort() const { return cut_; }
  long nextCandidate(Scan, long i) const { return i; }
  void beginBisection(Scan, long) {}
  extended F(extended x) { return e_.Evaluate(x, 0, 0); }
  extended D(extended x) { return derivee(e_, x); }
  extended gridF(long i) { return values_.empty() ? F(samplePoint(i)) : values_[index(i)]; }
  extended gridD(long i) { return slopes_.empty() ? D(samplePoint(i)) : slopes_[index(i)]; }

 private:
  static std::size_t index(long i) { return static_cast<std::size_t>(i); }

  // The values every scan takes at the sample points w (and at w + h for the derivative),
  // computed ahead along two rows. Without random draws they are the very values the
  // scans would compute one by one; with them, the scans evaluate as they go.
  void prepareGrid() {
    const std::size_t n = w_.size();
    std::vector<extended> shifted(n), shiftedValues(n);
    for (std::size_t k = 0; k < n; ++k) shifted[k] = w_[k] + kDerivativeStep;
    values_.resize(n);
    std::vector<char> errors(n), shiftedErrors(n);
    e_.EvaluateRow(w_.data(), n, 0, 0, values_.data(), reinterpret_cast<bool*>(errors.data()));
    e_.EvaluateRow(shifted.data(), n, 0, 0, shiftedValues.data(),
                   reinterpret_cast<bool*>(shiftedErrors.data()));
    slopes_.resize(n);
    for (std::size_t k = 0; k < n; ++k)
      slopes_[k] = slopeOf(values_[k], shiftedValues[k], shiftedErrors[k] != 0);
  }

  TExpress& e_;
  bool cut_ = false;
  const std::vector<extended> w_;
  std::vector<extended> values_, slopes_;  // empty: evaluate as we go
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
  FormulaValues values(e, lower, upper, step);
  quadrel::WorkBudget unlimited{std::numeric_limits<long>::max()};
  if (!quadrel::RootScan<FormulaValues>(values, unlimited, r).run()) {
    r.cutShort = true;
    r.count = 0;
    return false;
  }
  return true;
}
