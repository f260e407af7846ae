#include "files/mesh.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>

#include "files/mesh_parts.h"
#include "surfaces/surface.h"

namespace quadrel {

namespace {

// The surface's cap on cells (kMaxCellules): a frame far wider than high gets a coarser step.
constexpr long kMaxCellules = 250000;

// Past this a frame coordinate in millimetres is no printable size, nor a float.
constexpr double kMaxMm = 1e30;

long cellules(extended lo, extended hi, extended h, long most) {
  long n = 0;
  for (extended v = lo; v < hi && n <= most; v += h) ++n;
  return n;
}

bool fini(extended v, double echelle) {
  return std::isfinite(static_cast<double>(v)) &&
         std::fabs(static_cast<double>(v) * echelle) < kMaxMm;
}

bool cadreValide(const EntreesMaillage& e) {
  const extended b[] = {e.xmin, e.xmax, e.ymin, e.ymax, e.zmin, e.zmax};
  for (const extended v : b)
    if (!fini(v, e.echelle)) return false;
  return e.xmin < e.xmax && e.ymin < e.ymax && e.zmin < e.zmax;
}

// The grid's abscissae walked as the surface walks them, each the previous plus the step,
// one more than the cells. Held: the last one is hi itself (the one before dropped when it
// would leave a sliver of a cell), so that the grid covers the frame exactly.
std::vector<extended> grille(extended lo, extended hi, extended h, bool tenue) {
  const long n = cellules(lo, hi, h, kMaxCellules);
  std::vector<extended> v(1, lo);
  extended x = lo;
  for (long k = 0; k < n; ++k) v.push_back(x += h);
  if (tenue) {
    while (v.size() > 1 && v.back() > hi - h / 4) v.pop_back();
    v.push_back(hi);
  }
  return v;
}

// f on the grid, row by row: z[j * xs.size() + i] at (xs[i], ys[j]), and whether it failed.
struct Valeurs {
  std::vector<extended> z;
  std::unique_ptr<bool[]> erreur;
};

Valeurs evalue(const expr::CompiledFormula& f, const std::vector<extended>& xs,
               const std::vector<extended>& ys) {
  TExpress t(f);
  const std::size_t n = xs.size();
  Valeurs v{std::vector<extended>(n * ys.size()), std::make_unique<bool[]>(n * ys.size())};
  for (std::size_t j = 0; j < ys.size(); ++j)
    t.EvaluateRow(xs.data(), n, ys[j], 0, v.z.data() + j * n, v.erreur.get() + j * n);
  return v;
}

std::vector<double> enMm(const std::vector<extended>& v, double echelle) {
  std::vector<double> out(v.size());
  for (std::size_t i = 0; i < v.size(); ++i) out[i] = static_cast<double>(v[i]) * echelle;
  return out;
}

BoiteMaillage boite(const EntreesMaillage& e) {
  const auto mm = [&](extended v) { return static_cast<double>(v) * e.echelle; };
  return {{mm(e.xmin), mm(e.ymin), mm(e.zmin)}, {mm(e.xmax), mm(e.ymax), mm(e.zmax)}};
}

// The cells the sheet draws (all four corners defined and within 10 of the frame's z
// range), cut to the frame box.
Coque surfaceOuverte(const EntreesMaillage& e, extended h) {
  const auto xs = grille(e.xmin, e.xmax, h, false), ys = grille(e.ymin, e.ymax, h, false);
  const Valeurs v = evalue(*e.programme, xs, ys);
  const auto x = enMm(xs, e.echelle), y = enMm(ys, e.echelle);
  const std::size_t n = xs.size();
  const auto dessinable = [&](std::size_t k) {
    return !v.erreur[k] && e.zmin - 10 <= v.z[k] && v.z[k] <= e.zmax + 10;
  };
  const auto point = [&](std::size_t i, std::size_t j) {
    return PointMaillage{x[i], y[j], static_cast<double>(v.z[j * n + i]) * e.echelle};
  };
  Coque c;
  Decoupeur d(boite(e));
  for (std::size_t j = 0; j + 1 < ys.size(); ++j)
    for (std::size_t i = 0; i + 1 < n; ++i) {
      const std::size_t k = j * n + i;
      if (!(dessinable(k) && dessinable(k + 1) && dessinable(k + n) && dessinable(k + n + 1)))
        continue;
      const PointMaillage a = point(i, j), b = point(i + 1, j), cc = point(i + 1, j + 1),
                          dd = point(i, j + 1);
      d.ajoute({a, b, cc}, c.triangles);
      d.ajoute({a, cc, dd}, c.triangles);
    }
  return c;
}

// The grid points round the frame, counter-clockwise seen from above, each corner once.
std::vector<std::pair<std::size_t, std::size_t>> pourtour(std::size_t nx, std::size_t ny) {
  std::vector<std::pair<std::size_t, std::size_t>> p;
  for (std::size_t i = 0; i < nx; ++i) p.emplace_back(i, 0);
  for (std::size_t j = 0; j < ny; ++j) p.emplace_back(nx, j);
  for (std::size_t i = nx; i > 0; --i) p.emplace_back(i, ny);
  for (std::size_t j = ny; j > 0; --j) p.emplace_back(0, j);
  return p;
}

// Its points still apart once written as floats: a solid of a few millionths of a
// millimetre, or too far out for its size, would not stay closed in the file.
bool nette(const Coque& c) {
  std::set<PointMaillage> points;
  for (const TriangleMaillage& t : c.triangles) points.insert(t.begin(), t.end());
  std::set<std::array<float, 3>> ecrits;
  for (const PointMaillage& p : points) ecrits.insert({enFloat(p.x), enFloat(p.y), enFloat(p.z)});
  return ecrits.size() == points.size();
}

// Strictly increasing once written as floats, so that no two grid points meet in the file.
bool distincts(const std::vector<double>& v) {
  for (std::size_t i = 0; i + 1 < v.size(); ++i)
    if (!(enFloat(v[i]) < enFloat(v[i + 1]))) return false;
  return true;
}

// Top: the heights held to [zmin, zmax], undefined points on the floor; then the walls
// round the frame down to the base plate, and the bottom as a fan from the centre. Every
// point is computed once and copied, so shared edges match exactly.
Coque surfaceFermee(const EntreesMaillage& e, extended h) {
  const auto xs = grille(e.xmin, e.xmax, h, true), ys = grille(e.ymin, e.ymax, h, true);
  const auto x = enMm(xs, e.echelle), y = enMm(ys, e.echelle);
  const double sol = static_cast<double>(e.zmin) * e.echelle - e.socle;
  Coque c;
  if (!distincts(x) || !distincts(y) || !distincts({sol, static_cast<double>(e.zmin) * e.echelle}))
    return c;
  const Valeurs v = evalue(*e.programme, xs, ys);
  const std::size_t nx = xs.size() - 1, ny = ys.size() - 1, n = xs.size();
  std::vector<PointMaillage> haut(v.z.size());
  for (std::size_t j = 0; j <= ny; ++j)
    for (std::size_t i = 0; i <= nx; ++i) {
      const std::size_t k = j * n + i;
      const extended z =
          v.erreur[k] || std::isnan(v.z[k]) ? e.zmin : std::clamp(v.z[k], e.zmin, e.zmax);
      haut[k] = {x[i], y[j], static_cast<double>(z) * e.echelle};
    }
  auto& t = c.triangles;
  t.reserve(2 * nx * ny + 6 * (nx + ny));
  for (std::size_t j = 0; j < ny; ++j)
    for (std::size_t i = 0; i < nx; ++i) {
      const std::size_t k = j * n + i;
      t.push_back({haut[k], haut[k + 1], haut[k + n + 1]});
      t.push_back({haut[k], haut[k + n + 1], haut[k + n]});
    }
  const auto p = pourtour(nx, ny);
  const PointMaillage centre{(x.front() + x.back()) / 2, (y.front() + y.back()) / 2, sol};
  for (std::size_t q = 0; q < p.size(); ++q) {
    const auto [i0, j0] = p[q];
    const auto [i1, j1] = p[(q + 1) % p.size()];
    const PointMaillage& t0 = haut[j0 * n + i0];
    const PointMaillage& t1 = haut[j1 * n + i1];
    const PointMaillage f0{t0.x, t0.y, sol}, f1{t1.x, t1.y, sol};
    t.push_back({f0, f1, t1});
    t.push_back({f0, t1, t0});
    t.push_back({centre, f1, f0});
  }
  c.fermee = true;
  return c;
}

}  // namespace

std::size_t Maillage::nombreTriangles() const {
  std::size_t n = 0;
  for (const Coque& c : coques) n += c.triangles.size();
  return n;
}

// The step of the surface's own mesh, so that the print matches the screen.
extended pasMaillage(const EntreesMaillage& e) {
  EntreesFonction f;
  f.xmin = e.xmin, f.xmax = e.xmax, f.ymin = e.ymin, f.ymax = e.ymax;
  f.precision = e.precision;
  return meshStep(f);
}

Maillage construitMaillage(const EntreesMaillage& e) {
  Maillage m;
  if (!(std::isfinite(e.echelle) && e.echelle > 0 && std::isfinite(e.socle) && e.socle > 0))
    return m;
  if (e.programme && cadreValide(e)) {
    const extended h = pasMaillage(e);
    Coque c = e.ferme ? surfaceFermee(e, h) : surfaceOuverte(e, h);
    if (!c.triangles.empty()) m.coques.push_back(std::move(c));
  }
  std::vector<Coque> solide = coquesSolide(e);
  if (!e.ferme && !cadreValide(e)) solide.clear();  // no box to cut it to
  if (!e.ferme && !solide.empty()) {
    Decoupeur d(boite(e));
    for (Coque& c : solide) {
      Coque coupee;
      for (const TriangleMaillage& t : c.triangles) d.ajoute(t, coupee.triangles);
      c = std::move(coupee);
    }
  }
  for (Coque& c : solide)
    if (!c.triangles.empty() && (!e.ferme || nette(c))) m.coques.push_back(std::move(c));
  return m;
}

void Decoupeur::ajoute(const TriangleMaillage& t, std::vector<TriangleMaillage>& out) {
  const auto dedans = [&](const PointMaillage& p) {
    const double c[] = {p.x, p.y, p.z};
    for (int a = 0; a < 3; ++a)
      if (!(b_.min[a] <= c[a] && c[a] <= b_.max[a])) return false;
    return true;
  };
  if (dedans(t[0]) && dedans(t[1]) && dedans(t[2])) {
    out.push_back(t);
    return;
  }
  poly_.assign(t.begin(), t.end());
  for (int a = 0; a < 3 && !poly_.empty(); ++a) {
    coupe(a, b_.min[a], false);
    coupe(a, b_.max[a], true);
  }
  for (std::size_t k = 1; k + 1 < poly_.size(); ++k)
    out.push_back({poly_[0], poly_[k], poly_[k + 1]});
}

// One pass of the polygon against the plane coordinate `axe` = borne: keeps the side below
// (dessous) or above; the points made on the plane get the bound itself, not a rounding.
void Decoupeur::coupe(int axe, double borne, bool dessous) {
  const auto coord = [axe](const PointMaillage& p) {
    return axe == 0 ? p.x : axe == 1 ? p.y : p.z;
  };
  const auto garde = [&](const PointMaillage& p) {
    return dessous ? coord(p) <= borne : coord(p) >= borne;
  };
  suite_.clear();
  for (std::size_t k = 0; k < poly_.size(); ++k) {
    const PointMaillage& a = poly_[k];
    const PointMaillage& b = poly_[(k + 1) % poly_.size()];
    if (garde(a)) suite_.push_back(a);
    if (garde(a) == garde(b)) continue;
    const double s = (borne - coord(a)) / (coord(b) - coord(a));
    // Between a and b on every axis, even where rounding would step past either.
    const auto entre = [s](double u, double v) {
      return std::clamp(u + s * (v - u), std::min(u, v), std::max(u, v));
    };
    PointMaillage p{entre(a.x, b.x), entre(a.y, b.y), entre(a.z, b.z)};
    (axe == 0 ? p.x : axe == 1 ? p.y : p.z) = borne;
    suite_.push_back(p);
  }
  std::swap(poly_, suite_);
}

}  // namespace quadrel
