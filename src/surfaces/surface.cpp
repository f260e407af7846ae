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

// Rows (or columns) of cells from lo while below hi, counted as the mesh walks them; stops
// counting past `most`.
long cellules(extended lo, extended hi, extended h, long most) {
  long n = 0;
  for (extended v = lo; v < hi && n <= most; v += h) ++n;
  return n;
}

class Maillage {
 public:
  Maillage(const Scene& s, TExpress& e, extended h)
      : s_(s), e_(e), h_(h), bas_(s.zmin - 10), haut_(s.zmax + 10) {}

  PackedMesh run() {
    m_.mode = gl::TRIANGLES;
    m_.perNormal = 6;
    const long lignes = cellules(s_.ymin, s_.ymax, h_, kMaxCellules);
    const long colonnes = cellules(s_.xmin, s_.xmax, h_, kMaxCellules);
    // One allocation: a normal and six vertices per cell.
    const auto n = static_cast<std::size_t>(std::min(lignes * colonnes, kMaxCellules));
    m_.normals.reserve(3 * n);
    m_.vertices.reserve(18 * n);
    long k = 0;
    for (extended y = s_.ymin; y < s_.ymax && k < lignes; y += h_, ++k) ligne(y, colonnes);
    return std::move(m_);
  }

 private:
  Valeur evalue(extended x, extended y) {
    const extended v = e_.Evaluate(x, y, 0);
    return {v, erreurcalcul, dessin(v, s_.gradz)};
  }

  bool dessinable(const Valeur& v) const { return !v.erreur && bas_ <= v.v && v.v <= haut_; }

  void sommet(double x, double y, double z) {
    m_.vertices.push_back(static_cast<float>(x));
    m_.vertices.push_back(static_cast<float>(y));
    m_.vertices.push_back(static_cast<float>(z));
  }

  // One row of cells with its lower edge at y; each column reuses the right-hand values
  // of the previous one, so a cell costs two evaluations.
  void ligne(extended y, long colonnes) {
    const double y0 = dessin(y, s_.grady);
    const double y1 = dessin(y + h_, s_.grady);
    extended x = s_.xmin;
    double x0 = dessin(x, s_.gradx);
    Valeur ga = evalue(x, y);
    Valeur gd = evalue(x, y + h_);
    for (long n = 0; x < s_.xmax && n < colonnes; ++n) {
      const Valeur a = ga, d = gd;
      const Valeur b = evalue(x + h_, y);
      const Valeur c = evalue(x + h_, y + h_);
      const double x1 = dessin(x + h_, s_.gradx);
      ga = b;
      gd = c;
      if (dessinable(a) && dessinable(b) && dessinable(c) && dessinable(d)) {
        normale(a.v, b.v, d.v);
        sommet(x0, y0, a.z), sommet(x1, y0, b.z), sommet(x1, y1, c.z);
        sommet(x0, y0, a.z), sommet(x1, y1, c.z), sommet(x0, y1, d.z);
      }
      x += h_;
      x0 = x1;
    }
  }

  // One normal for both triangles of the cell, in user units, sent as single floats.
  void normale(extended a, extended b, extended d) {
    const vecteur n = produitvectoriel({h_, 0, b - a}, {0, h_, d - a});
    const extended l = norme(n);
    m_.normals.insert(m_.normals.end(), {static_cast<float>(n.x / l), static_cast<float>(n.y / l),
                                         static_cast<float>(n.z / l)});
  }

  const Scene& s_;
  TExpress& e_;
  const extended h_;
  const extended bas_, haut_;
  PackedMesh m_;
};

}  // namespace

extended surfaceStep(const Scene& s) {
  const int p = std::clamp(s.precision, 3, 12);
  const extended h = std::fabs(s.ymax - s.ymin) / (10 * p);
  return h < 0.05L ? 0.05L : h;
}

extended meshStep(const Scene& s) {
  extended h = surfaceStep(s);
  const extended largeur = std::fabs(s.xmax - s.xmin), hauteur = std::fabs(s.ymax - s.ymin);
  const extended estime = std::ceil(largeur / h) * std::ceil(hauteur / h);
  if (estime > kMaxCellules) h *= std::sqrt(estime / kMaxCellules);
  // The walks may count one more row or column than the estimate: widen a little until
  // they fit.
  while (cellules(s.ymin, s.ymax, h, kMaxCellules) * cellules(s.xmin, s.xmax, h, kMaxCellules) >
         kMaxCellules)
    h *= 1.001L;
  return h;
}

std::optional<DrawList> buildSurface(Scene& s) {
  TExpress e;
  e.setExpression(normalise(s.formule));
  if (e.CompileError()) return std::nullopt;
  const extended h = meshStep(s);
  s.pasx = h;
  DrawList d;
  d.pushMatrix();
  if (fonctionvalide(s)) {
    d.polygonMode(gl::FRONT_AND_BACK, gl::FILL);
    // Faces pushed back a little, so that the level lines lying on them show whole.
    d.enable(gl::POLYGON_OFFSET_FILL);
    d.polygonOffset(1, 1);
    PackedMesh m = Maillage(s, e, h).run();
    if (m.vertexCount() > 0) d.mesh(std::move(m));
    d.disable(gl::POLYGON_OFFSET_FILL);
  }
  d.popMatrix();
  return d;
}

}  // namespace quadrel
