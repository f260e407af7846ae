#include "surfaces/surface.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

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
  Maillage(const EntreesFonction& s, TExpress& e, extended h, bool parRangees)
      : s_(s), e_(e), h_(h), bas_(s.zmin - 10), haut_(s.zmax + 10), parRangees_(parRangees) {}

  PackedMesh run() {
    m_.mode = gl::TRIANGLES;
    m_.perNormal = 6;
    const long lignes = cellules(s_.ymin, s_.ymax, h_, kMaxCellules);
    const long colonnes = cellules(s_.xmin, s_.xmax, h_, kMaxCellules);
    // One allocation: a normal and six vertices per cell.
    const auto n = static_cast<std::size_t>(std::min(lignes * colonnes, kMaxCellules));
    m_.normals.reserve(3 * n);
    m_.vertices.reserve(18 * n);
    abscisses(colonnes);
    // Random draws must come in the per-point order, cell by cell across both rows.
    if (!parRangees_ || e_.RandomDraws()) {
      long k = 0;
      for (extended y = s_.ymin; y < s_.ymax && k < lignes; y += h_, ++k) ligne(y);
      return fin();
    }
    // Row by row: the upper row of one line of cells is the lower row of the next (the same
    // y, as both are the previous y plus the step), so each grid point is evaluated once.
    std::vector<Valeur> dessous, dessus;
    long k = 0;
    for (extended y = s_.ymin; y < s_.ymax && k < lignes; y += h_, ++k) {
      if (k == 0) rangee(y, dessous);
      rangee(y + h_, dessus);
      cellulesEntre(y, dessous, dessus);
      std::swap(dessous, dessus);
    }
    return fin();
  }

 private:
  Valeur evalue(extended x, extended y) {
    const extended v = e_.Evaluate(x, y, 0);
    return {v, erreurcalcul, dessin(v, s_.gradz)};
  }

  // The x of the grid columns, walked as the cells are (each the previous plus the step),
  // and their drawing coordinates.
  void abscisses(long colonnes) {
    extended x = s_.xmin;
    xs_.assign(1, x);
    for (long n = 0; x < s_.xmax && n < colonnes; ++n) xs_.push_back(x += h_);
    xd_.resize(xs_.size());
    valeurs_.resize(xs_.size());
    erreurs_ = std::make_unique<bool[]>(xs_.size());
    for (std::size_t i = 0; i < xs_.size(); ++i) xd_[i] = dessin(xs_[i], s_.gradx);
  }

  // f along the grid row at y, in one call to the engine.
  void rangee(extended y, std::vector<Valeur>& out) {
    const std::size_t n = xs_.size();
    e_.EvaluateRow(xs_.data(), n, y, 0, valeurs_.data(), erreurs_.get());
    out.resize(n);
    for (std::size_t i = 0; i < n; ++i)
      out[i] = {valeurs_[i], erreurs_[i], dessin(valeurs_[i], s_.gradz)};
  }

  bool dessinable(const Valeur& v) const { return !v.erreur && bas_ <= v.v && v.v <= haut_; }

  static void sommet(PackedMesh& m, double x, double y, double z) {
    m.vertices.push_back(static_cast<float>(x));
    m.vertices.push_back(static_cast<float>(y));
    m.vertices.push_back(static_cast<float>(z));
  }

  // The cell with corners a (x0, y0), b (x1, y0), c (x1, y1), d (x0, y1). A cell that
  // reaches past the frame's x or y bound (the walk's last row or column may) goes last.
  void cellule(const Valeur& a, const Valeur& b, const Valeur& c, const Valeur& d, double x0,
               double x1, double y0, double y1, bool dehors) {
    if (dessinable(a) && dessinable(b) && dessinable(c) && dessinable(d)) {
      PackedMesh& m = dehors ? bord_ : m_;
      normale(m, a.v, b.v, d.v);
      sommet(m, x0, y0, a.z), sommet(m, x1, y0, b.z), sommet(m, x1, y1, c.z);
      sommet(m, x0, y0, a.z), sommet(m, x1, y1, c.z), sommet(m, x0, y1, d.z);
    }
  }

  // Software GL sends every triangle of a batch one by one through its clipper once one
  // vertex of the batch lies outside a clip plane: cells past the frame, clipped to a
  // sliver, are drawn after all the others, so that the batches before them go in bulk.
  PackedMesh fin() {
    m_.normals.insert(m_.normals.end(), bord_.normals.begin(), bord_.normals.end());
    m_.vertices.insert(m_.vertices.end(), bord_.vertices.begin(), bord_.vertices.end());
    return std::move(m_);
  }

  bool colonneDehors(std::size_t i) const { return xs_[i + 1] > s_.xmax; }

  void cellulesEntre(extended y, const std::vector<Valeur>& bas, const std::vector<Valeur>& haut) {
    const double y0 = dessin(y, s_.grady);
    const double y1 = dessin(y + h_, s_.grady);
    const bool rangeeDehors = y + h_ > s_.ymax;
    for (std::size_t i = 0; i + 1 < xs_.size(); ++i)
      cellule(bas[i], bas[i + 1], haut[i + 1], haut[i], xd_[i], xd_[i + 1], y0, y1,
              rangeeDehors || colonneDehors(i));
  }

  // One row of cells with its lower edge at y, point by point; each column reuses the
  // right-hand values of the previous one, so a cell costs two evaluations.
  void ligne(extended y) {
    const double y0 = dessin(y, s_.grady);
    const double y1 = dessin(y + h_, s_.grady);
    Valeur ga = evalue(xs_[0], y);
    Valeur gd = evalue(xs_[0], y + h_);
    const bool rangeeDehors = y + h_ > s_.ymax;
    for (std::size_t i = 0; i + 1 < xs_.size(); ++i) {
      const Valeur b = evalue(xs_[i + 1], y);
      const Valeur c = evalue(xs_[i + 1], y + h_);
      cellule(ga, b, c, gd, xd_[i], xd_[i + 1], y0, y1, rangeeDehors || colonneDehors(i));
      ga = b;
      gd = c;
    }
  }

  // One normal for both triangles of the cell, in user units, sent as single floats.
  void normale(PackedMesh& m, extended a, extended b, extended d) {
    const vecteur n = produitvectoriel({h_, 0, b - a}, {0, h_, d - a});
    const extended l = norme(n);
    m.normals.insert(m.normals.end(), {static_cast<float>(n.x / l), static_cast<float>(n.y / l),
                                       static_cast<float>(n.z / l)});
  }

  const EntreesFonction& s_;
  TExpress& e_;
  const extended h_;
  const extended bas_, haut_;
  const bool parRangees_;
  PackedMesh m_;
  PackedMesh bord_;  // the cells past the frame, appended at the end
  std::vector<extended> xs_;
  std::vector<double> xd_;
  std::vector<extended> valeurs_;
  std::unique_ptr<bool[]> erreurs_;  // std::vector<bool> has no bool array to hand out
};

}  // namespace

extended surfaceStep(const EntreesFonction& s) {
  const int p = std::clamp(s.precision, 3, 12);
  const extended h = std::fabs(s.ymax - s.ymin) / (10 * p);
  return h < 0.05L ? 0.05L : h;
}

extended meshStep(const EntreesFonction& s) {
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

std::optional<DrawList> buildSurface(const EntreesFonction& s, SurfaceEvaluation mode) {
  if (!s.programme) return std::nullopt;
  const extended h = meshStep(s);
  DrawList d;
  d.pushMatrix();
  if (fonctionvalide(s)) {
    d.polygonMode(gl::FRONT_AND_BACK, gl::FILL);
    // Faces pushed back a little, so that the level lines lying on them show whole. The
    // lines are 2 pixels wide: their outer pixels sit a pixel off the line, where a steep
    // face is deeper or nearer by its slope, hence twice the slope.
    d.enable(gl::POLYGON_OFFSET_FILL);
    d.polygonOffset(2, 1);
    TExpress e(*s.programme);
    PackedMesh m = Maillage(s, e, h, mode == SurfaceEvaluation::rows).run();
    if (m.vertexCount() > 0) d.mesh(std::move(m));
    d.disable(gl::POLYGON_OFFSET_FILL);
  }
  d.popMatrix();
  return d;
}

}  // namespace quadrel
