// The scene's solid as closed shells: the round ones (sphere, cylinder, cone nappes and the
// pyramid, a cone on a polygon) as solids of revolution, the cube on its own.
#include <algorithm>
#include <cmath>

#include "files/mesh_parts.h"

namespace quadrel {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kTranches = 48;  // around a round solid's axis
constexpr int kEtages = 24;    // the sphere's, pole to pole

// A point of the profile: distance from the axis, position along it.
struct Profil {
  double r, w;
  bool operator==(const Profil&) const = default;
};

// The frame axis a solid of revolution turns about: z, y or x. Its local (u, v, w), w along
// the axis, goes to the frame by a cyclic permutation, which keeps the turning sense.
enum class Axe { z, y, x };

PointMaillage place(Axe a, const PointMaillage& o, double u, double v, double w) {
  switch (a) {
    case Axe::y:
      return {o.x + v, o.y + w, o.z + u};
    case Axe::x:
      return {o.x + w, o.y + u, o.z + v};
    default:
      return {o.x + u, o.y + v, o.z + w};
  }
}

// A profile from one pole (r = 0) to the other, turned about the axis through o with
// `tranches` sides. Walked so that it turns clockwise in the (r, w) half plane, the faces
// look outward.
Coque revolution(std::vector<Profil> p, int tranches, Axe axe, const PointMaillage& o) {
  p.erase(std::unique(p.begin(), p.end()), p.end());
  double aire = 0;
  for (std::size_t k = 0; k < p.size(); ++k) {
    const Profil& a = p[k];
    const Profil& b = p[(k + 1) % p.size()];
    aire += a.r * b.w - b.r * a.w;
  }
  Coque c;
  if (p.size() < 3 || aire == 0 || !std::isfinite(aire)) return c;
  if (aire > 0) std::reverse(p.begin(), p.end());
  std::vector<std::vector<PointMaillage>> cercles;
  for (const Profil& q : p) {
    std::vector<PointMaillage> cercle;
    for (int i = 0; i < (q.r == 0 ? 1 : tranches); ++i) {
      const double a = 2 * kPi * i / tranches;
      cercle.push_back(place(axe, o, q.r * std::cos(a), q.r * std::sin(a), q.w));
    }
    cercles.push_back(std::move(cercle));
  }
  for (std::size_t k = 0; k + 1 < cercles.size(); ++k) {
    const auto& h = cercles[k];
    const auto& b = cercles[k + 1];
    for (int i = 0; i < tranches; ++i) {
      const int s = (i + 1) % tranches;
      if (h.size() == 1 && b.size() > 1) {
        c.triangles.push_back({h[0], b[i], b[s]});
      } else if (b.size() == 1 && h.size() > 1) {
        c.triangles.push_back({b[0], h[s], h[i]});
      } else if (h.size() > 1) {
        c.triangles.push_back({h[i], b[i], b[s]});
        c.triangles.push_back({h[i], b[s], h[s]});
      }
    }
  }
  c.fermee = true;
  return c;
}

Coque sphere(const PointMaillage& o, double r) {
  std::vector<Profil> p;
  for (int k = 0; k <= kEtages; ++k) {
    const double a = kPi * k / kEtages;
    p.push_back({k == 0 || k == kEtages ? 0 : r * std::sin(a), r * std::cos(a)});
  }
  return revolution(p, kTranches, Axe::z, o);
}

// Between w0 and w1 along the axis, radius r0 at w0 and r1 at w1 (a zero radius is a pole).
Coque tronc(Axe axe, const PointMaillage& o, double w0, double w1, double r0, double r1) {
  return revolution({{0, w1}, {r1, w1}, {r0, w0}, {0, w0}}, kTranches, axe, o);
}

// Centred at the origin, whatever the solid's point.
Coque cube(double arete) {
  const double a = arete / 2;
  PointMaillage s[8];
  for (int i = 0; i < 8; ++i) s[i] = {i & 1 ? a : -a, i & 2 ? a : -a, i & 4 ? a : -a};
  // Each face counter-clockwise seen from outside: -z, +z, -y, +y, -x, +x.
  constexpr int faces[6][4] = {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4},
                               {3, 2, 6, 7}, {2, 0, 4, 6}, {1, 3, 7, 5}};
  Coque c;
  for (const auto& f : faces) {
    c.triangles.push_back({s[f[0]], s[f[1]], s[f[2]]});
    c.triangles.push_back({s[f[0]], s[f[2]], s[f[3]]});
  }
  c.fermee = a > 0;
  if (a <= 0) c.triangles.clear();
  return c;
}

// The frame's range along the axis, millimetres.
std::pair<double, double> etendue(const EntreesMaillage& e, Axe a) {
  const extended lo = a == Axe::z ? e.zmin : a == Axe::y ? e.ymin : e.xmin;
  const extended hi = a == Axe::z ? e.zmax : a == Axe::y ? e.ymax : e.xmax;
  return {static_cast<double>(std::min(lo, hi)) * e.echelle,
          static_cast<double>(std::max(lo, hi)) * e.echelle};
}

double le(Axe a, const PointMaillage& p) {
  return a == Axe::z ? p.z : a == Axe::y ? p.y : p.x;
}

// The sheet draws it L on each side of its point (L the frame's extent along the axis):
// kept where that meets the frame's range.
std::vector<Coque> cylindre(const EntreesMaillage& e, const PointMaillage& o, double r) {
  const Axe a = Axe((e.typequadrique - 3) % 3);
  const auto [lo, hi] = etendue(e, a);
  const double l = hi - lo, w0 = std::max(lo - le(a, o), -l), w1 = std::min(hi - le(a, o), l);
  if (!(w1 > w0) || r == 0) return {};
  return {tronc(a, o, w0, w1, r, r)};
}

// (x-a)²+(y-b)² = c(z-d)²: both nappes, as far as the sheet draws them and cut to the
// frame's range along the axis, one shell each. c = 0 (a line) and c < 0 make nothing.
std::vector<Coque> cone(const EntreesMaillage& e, const PointMaillage& o, double c) {
  if (!(c > 0)) return {};
  const Axe a = Axe((e.typequadrique - 6) % 3);
  const auto [lo, hi] = etendue(e, a);
  double portee = 0;
  for (const Axe b : {Axe::x, Axe::y, Axe::z})
    portee += 2 * (etendue(e, b).second - etendue(e, b).first);
  const double k = std::sqrt(c), l = std::min(2 * (hi - lo), portee / k);
  const double bas = lo - le(a, o), haut = hi - le(a, o);
  std::vector<Coque> out;
  const std::pair<double, double> nappes[] = {{std::max(0.0, bas), std::min(l, haut)},
                                              {std::max(-l, bas), std::min(0.0, haut)}};
  for (const auto& [w0, w1] : nappes)
    if (w1 > w0) out.push_back(tronc(a, o, w0, w1, k * std::fabs(w0), k * std::fabs(w1)));
  return out;
}

// On z = 0 about the z axis: solx sides (3 to 19), soly high, soltaille to a corner.
std::vector<Coque> pyramide(const EntreesMaillage& e) {
  const extended cotes = std::trunc(e.solx.value_or(0));
  if (!(cotes >= 3 && cotes <= 19)) return {};
  const double r = static_cast<double>(e.soltaille.value_or(0)) * e.echelle;
  const double h = static_cast<double>(e.soly.value_or(0)) * e.echelle;
  if (r == 0) return {};
  return {revolution({{0, h}, {std::fabs(r), 0}, {0, 0}}, static_cast<int>(cotes), Axe::z, {})};
}

}  // namespace

std::vector<Coque> coquesSolide(const EntreesMaillage& e) {
  if (!e.quadriqueok || !(e.gradx == e.grady && e.grady == e.gradz)) return {};
  const extended g = e.gradx;
  const extended v[] = {e.solx.value_or(0), e.soly.value_or(0), e.solz.value_or(0),
                        e.soltaille.value_or(0)};
  if (!std::isfinite(static_cast<double>(g))) return {};
  for (const extended x : v)
    if (!std::isfinite(static_cast<double>(x / g)) ||
        !std::isfinite(static_cast<double>(x) * e.echelle))
      return {};
  const auto mm = [&](extended x) { return static_cast<double>(x) * e.echelle; };
  const PointMaillage o{mm(v[0]), mm(v[1]), mm(v[2])};
  const double taille = std::fabs(mm(v[3]));
  switch (e.typequadrique) {
    case 1:
      return taille > 0 ? std::vector<Coque>{sphere(o, taille)} : std::vector<Coque>{};
    case 2:
      return {cube(taille)};
    case 3:
    case 4:
    case 5:
      return cylindre(e, o, taille);
    case 6:
    case 7:
    case 8:
      return cone(e, o, static_cast<double>(v[3]));  // a ratio of lengths: not scaled
    case 9:
      return pyramide(e);
    default:
      return {};
  }
}

}  // namespace quadrel
