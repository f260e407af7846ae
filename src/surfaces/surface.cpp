#include "surfaces/surface.h"

#include <algorithm>
#include <cmath>

#include "matutil.h"
#include "view/glconst.h"

namespace quadrel {

namespace {

// f at one point, with the engine's error flag read right after the evaluation, and its
// height in drawing units (worked out once, as every value serves two cells).
struct Valeur {
  extended v = 0;
  bool erreur = false;
  double z = 0;
};

// v / g, skipping the division for the usual graduation 1 (where it is exact anyway): the
// x87 division is a good part of the mesh's own cost.
double dessin(extended v, extended g) {
  return static_cast<double>(g == 1 ? v : v / g);
}

class Maillage {
 public:
  Maillage(const Scene& s, TExpress& e, extended h, DrawList& d)
      : s_(s), e_(e), h_(h), d_(d), bas_(s.zmin - 10), haut_(s.zmax + 10) {}

  void run() {
    long lignes = 0;
    for (extended y = s_.ymin; y < s_.ymax && lignes < kMaxCellules; y += h_) ++lignes;
    const long maxColonnes = std::max(1L, kMaxCellules / std::max(1L, lignes));
    long colonnes = 0;
    for (extended x = s_.xmin; x < s_.xmax && colonnes < maxColonnes; x += h_) ++colonnes;
    // One allocation for the whole mesh: a normal and six vertices per cell.
    d_.reserve(static_cast<std::size_t>(lignes * std::max(1L, colonnes) * 7 + 8));
    long n = 0;
    for (extended y = s_.ymin; y < s_.ymax && n < lignes; y += h_, ++n) ligne(y, maxColonnes);
    if (ouvert_) d_.end();
  }

 private:
  Valeur evalue(extended x, extended y) {
    const extended v = e_.Evaluate(x, y, 0);
    return {v, erreurcalcul, dessin(v, s_.gradz)};
  }

  bool dessinable(const Valeur& v) const { return !v.erreur && bas_ <= v.v && v.v <= haut_; }

  // One row of cells with its lower edge at y; each column reuses the right-hand values
  // of the previous one, so a cell costs two evaluations.
  void ligne(extended y, long maxColonnes) {
    const double y0 = dessin(y, s_.grady);
    const double y1 = dessin(y + h_, s_.grady);
    extended x = s_.xmin;
    double x0 = dessin(x, s_.gradx);
    Valeur ga = evalue(x, y);
    Valeur gd = evalue(x, y + h_);
    for (long n = 0; x < s_.xmax && n < maxColonnes; ++n) {
      const Valeur a = ga, d = gd;
      const Valeur b = evalue(x + h_, y);
      const Valeur c = evalue(x + h_, y + h_);
      const double x1 = dessin(x + h_, s_.gradx);
      ga = b;
      gd = c;
      if (dessinable(a) && dessinable(b) && dessinable(c) && dessinable(d)) {
        normale(a.v, b.v, d.v);
        const Vec3 pa{x0, y0, a.z}, pc{x1, y1, c.z};
        d_.vertex(pa), d_.vertex(x1, y0, b.z), d_.vertex(pc);
        d_.vertex(pa), d_.vertex(pc), d_.vertex(x0, y1, d.z);
      }
      x += h_;
      x0 = x1;
    }
  }

  // One normal for both triangles of the cell, in user units, sent as single floats.
  void normale(extended a, extended b, extended d) {
    const vecteur n = produitvectoriel({h_, 0, b - a}, {0, h_, d - a});
    const extended l = norme(n);
    if (!ouvert_) {
      d_.begin(gl::TRIANGLES);
      ouvert_ = true;
    }
    d_.normal(static_cast<float>(n.x / l), static_cast<float>(n.y / l),
              static_cast<float>(n.z / l));
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
