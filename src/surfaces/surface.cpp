#include "surfaces/surface.h"

#include <algorithm>
#include <cmath>

#include "matutil.h"
#include "view/glconst.h"

namespace quadrel {

namespace {

// f at one point, with the engine's error flag read right after the evaluation.
struct Valeur {
  extended v = 0;
  bool erreur = false;
};

Valeur evalue(TExpress& e, extended x, extended y) {
  const extended v = e.Evaluate(x, y, 0);
  return {v, erreurcalcul};
}

class Maillage {
 public:
  Maillage(const Scene& s, TExpress& e, extended h, DrawList& d)
      : s_(s), e_(e), h_(h), d_(d), bas_(s.zmin - 10), haut_(s.zmax + 10) {}

  void run() {
    long lignes = 0;
    for (extended y = s_.ymin; y < s_.ymax && lignes < kMaxCellules; y += h_) ++lignes;
    const long maxColonnes = std::max(1L, kMaxCellules / std::max(1L, lignes));
    long n = 0;
    for (extended y = s_.ymin; y < s_.ymax && n < lignes; y += h_, ++n) ligne(y, maxColonnes);
    if (ouvert_) d_.end();
  }

 private:
  bool dessinable(const Valeur& v) const { return !v.erreur && bas_ <= v.v && v.v <= haut_; }

  // One row of cells with its lower edge at y; each column reuses the right-hand values
  // of the previous one, so a cell costs two evaluations.
  void ligne(extended y, long maxColonnes) {
    extended x = s_.xmin;
    Valeur ga = evalue(e_, x, y);
    Valeur gd = evalue(e_, x, y + h_);
    for (long n = 0; x < s_.xmax && n < maxColonnes; ++n) {
      const Valeur a = ga, d = gd;
      const Valeur b = evalue(e_, x + h_, y);
      const Valeur c = evalue(e_, x + h_, y + h_);
      ga = b;
      gd = c;
      if (dessinable(a) && dessinable(b) && dessinable(c) && dessinable(d))
        cellule(x, y, a.v, b.v, c.v, d.v);
      x += h_;
    }
  }

  void cellule(extended x, extended y, extended a, extended b, extended c, extended d) {
    const vecteur n = produitvectoriel({h_, 0, b - a}, {0, h_, d - a});
    const extended l = norme(n);
    if (!ouvert_) {
      d_.begin(gl::TRIANGLES);
      ouvert_ = true;
    }
    d_.normal(static_cast<float>(n.x / l), static_cast<float>(n.y / l),
              static_cast<float>(n.z / l));
    const Vec3 pa = point(x, y, a), pb = point(x + h_, y, b);
    const Vec3 pc = point(x + h_, y + h_, c), pd = point(x, y + h_, d);
    d_.vertex(pa), d_.vertex(pb), d_.vertex(pc);
    d_.vertex(pa), d_.vertex(pc), d_.vertex(pd);
  }

  Vec3 point(extended x, extended y, extended z) const {
    return {static_cast<double>(x / s_.gradx), static_cast<double>(y / s_.grady),
            static_cast<double>(z / s_.gradz)};
  }

  const Scene& s_;
  TExpress& e_;
  const extended h_;
  DrawList& d_;
  const extended bas_, haut_;
  bool ouvert_ = false;  // a GL_TRIANGLES batch is open
};

}  // namespace

extended surfaceStep(const Scene& s) {
  const int p = std::clamp(s.precision, 3, 12);
  const extended h = std::fabs(s.ymax - s.ymin) / (10 * p);
  return h < 0.05L ? 0.05L : h;
}

std::optional<DrawList> buildSurface(Scene& s) {
  TExpress e;
  e.setExpression(normalise(s.formule));
  if (e.CompileError()) return std::nullopt;
  const extended h = surfaceStep(s);
  s.pasx = h;
  DrawList d;
  d.pushMatrix();
  if (fonctionvalide(s)) {
    d.polygonMode(gl::FRONT_AND_BACK, gl::FILL);
    Maillage(s, e, h, d).run();
  }
  d.popMatrix();
  return d;
}

}  // namespace quadrel
