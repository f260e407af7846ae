#include "surfaces/lignes.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "matutil.h"
#include "surfaces/niveaux.h"
#include "view/glconst.h"

namespace quadrel {

namespace {

constexpr long kMaxTraces = 10000;  // lines per direction, as for the ticks

extended pasMarche(extended lo, extended hi, int precision, extended grad) {
  const int p = std::clamp(precision, 3, 12);
  extended h = std::fabs(hi - lo) / (10 * p);
  if (h < 0.05L) h = 0.05L;
  if (h > grad) h = grad;
  return h;
}

// Black lines of width 2, unlit.
void debutTraits(DrawList& d) {
  d.pushMatrix();
  d.disable(gl::LIGHTING);
  d.polygonMode(gl::FRONT_AND_BACK, gl::LINE);
  d.color(0, 0, 0);
  d.lineWidth(2);
}

// The traces of the planes u = q along the other axis v. `enX`: u is x (the x lines).
class Traces {
 public:
  Traces(const EntreesFonction& s, TExpress& e, bool enX, DrawList& d)
      : s_(s),
        e_(e),
        enX_(enX),
        d_(d),
        bas_(s.zmin - 10),
        haut_(s.zmax + 10),
        pas_(enX ? walkStepY(s) : walkStepX(s)) {}

  void run() {
    const extended umin = enX_ ? s_.xmin : s_.ymin, umax = enX_ ? s_.xmax : s_.ymax;
    const extended gu = enX_ ? s_.gradx : s_.grady;
    debutTraits(d_);
    // Every graduation inside the range, counted from 0 each way (so 0 is walked twice).
    // A range that leaves 0 out still gets its lines: the count starts at its first one.
    for (const int sens : {1, -1}) {
      extended q =
          sens > 0 ? std::max(0.0L, std::ceil(umin / gu)) : std::min(0.0L, std::floor(umax / gu));
      for (long n = 0; n < kMaxTraces && budget_ > 0; ++n, q += sens) {
        const extended u = q * gu;
        if (umin <= u && u <= umax) trace(q);
        if (sens > 0 ? u > umax : u < umin) break;
      }
    }
    if (ouvert_) d_.end();
    d_.popMatrix();
  }

 private:
  bool ok(std::size_t i) const {
    return !erreurs_[i] && bas_ <= valeurs_[i] && valeurs_[i] <= haut_;
  }

  // The walk's positions first (each the previous one plus the step, within the budget),
  // then f at all of them in one call to the engine.
  void trace(extended q) {
    const extended gu = enX_ ? s_.gradx : s_.grady, gv = enX_ ? s_.grady : s_.gradx;
    const extended vmin = enX_ ? s_.ymin : s_.xmin, vmax = enX_ ? s_.ymax : s_.xmax;
    const extended pas = pas_;
    extended v = vmin / gv;
    vs_.assign(1, v);
    do {
      vs_.push_back(v += pas);
    } while (v * gv < vmax && --budget_ > 0);
    const std::size_t n = vs_.size();
    ts_.resize(n);
    for (std::size_t i = 0; i < n; ++i) ts_[i] = vs_[i] * gv;
    valeurs_.resize(n);
    if (n > taille_) erreurs_ = std::make_unique<bool[]>(taille_ = n);
    const extended u = q * gu;
    e_.EvaluateAlong(enX_ ? 1 : 0, ts_.data(), n, u, u, 0, valeurs_.data(), erreurs_.get());
    for (std::size_t i = 1; i < n; ++i)
      if (ok(i - 1) && ok(i)) segment(q, vs_[i - 1], valeurs_[i - 1], vs_[i], valeurs_[i]);
  }

  void segment(extended q, extended v0, extended w0, extended v1, extended w1) {
    if (!ouvert_) {
      d_.begin(gl::LINES);
      ouvert_ = true;
    }
    const double u = static_cast<double>(q);
    const double a = static_cast<double>(v0), b = static_cast<double>(v1);
    const double za = static_cast<double>(w0 / s_.gradz), zb = static_cast<double>(w1 / s_.gradz);
    if (enX_) {
      d_.vertex(u, a, za), d_.vertex(u, b, zb);
    } else {
      d_.vertex(a, u, za), d_.vertex(b, u, zb);
    }
  }

  const EntreesFonction& s_;
  TExpress& e_;
  const bool enX_;
  DrawList& d_;
  const extended bas_, haut_;
  const extended pas_;  // the walk step along v
  long budget_ = kMaxPasMarche;
  bool ouvert_ = false;
  // Scratch for one trace: positions in steps, in user units, values and error flags.
  std::vector<extended> vs_, ts_, valeurs_;
  std::unique_ptr<bool[]> erreurs_;
  std::size_t taille_ = 0;
};

DrawList lignesZ(const EntreesFonction& s, const std::vector<PointNiveau>& p) {
  DrawList d;
  debutTraits(d);
  appendLevelSegments(d, p, s.gradx, s.grady, s.gradz);
  d.popMatrix();
  return d;
}

}  // namespace

extended walkStepY(const EntreesFonction& s) {
  return pasMarche(s.ymin, s.ymax, s.precision, s.grady);
}

extended walkStepX(const EntreesFonction& s) {
  return pasMarche(s.xmin, s.xmax, s.precision, s.gradx);
}

std::optional<LevelLines> buildLevelLines(const EntreesFonction& s, SearchMethod m) {
  if (!s.programme || !fonctionvalide(s)) return std::nullopt;
  TExpress e(*s.programme);
  LevelLines out;
  Traces(s, e, true, out.x).run();
  Traces(s, e, false, out.y).run();
  const LevelSearch recherche = levelLinesSearch(s);
  out.z = lignesZ(s, collectLevelPoints(e, recherche, m).points);
  return out;
}

}  // namespace quadrel
