#include <cmath>
#include <vector>

#include "parsor.h"
#include "solids/solide.h"
#include "view/glconst.h"

namespace quadrel {

namespace {

constexpr extended kPi = 3.1415926535897932385L;

Vec3 normee(const Vec3& v) {
  const double n = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  return n > 0 ? Vec3{v.x / n, v.y / n, v.z / n} : Vec3{0, 0, 1};
}

// Outward normal of the triangle a, b, c, counter-clockwise seen from outside.
Vec3 normale(const Vec3& a, const Vec3& b, const Vec3& c) {
  const Vec3 u{b.x - a.x, b.y - a.y, b.z - a.z}, v{c.x - a.x, c.y - a.y, c.z - a.z};
  return normee({u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x});
}

}  // namespace

// Stands on z = 0, centred on the z axis; the base in x graduations, the apex in z ones.
DrawList buildPyramid(const EntreesSolide& s) {
  DrawList d;
  const extended cotes = std::trunc(valeur(s.solx));
  // The side count may be a stale value of another solid: only a real pyramid is built.
  if (!(cotes >= kCotesMin && cotes <= kCotesMax)) return d;
  const int n = static_cast<int>(cotes);
  const extended r = valeur(s.soltaille) / s.gradx;
  const double h = static_cast<double>(valeur(s.soly) / s.gradz);
  if (!std::isfinite(static_cast<double>(r)) || !std::isfinite(h)) return d;

  std::vector<Vec3> p(n + 1);
  for (int i = 0; i <= n; ++i) {
    const extended a = 2 * kPi * i / n;
    p[i] = {static_cast<double>(r * std::cos(a)), static_cast<double>(r * std::sin(a)), 0};
  }
  p[n] = p[0];
  const Vec3 sommet{0, 0, h};

  // Counter-clockwise from above, yet it is seen from below: its normal points down.
  d.begin(gl::POLYGON);
  d.normal(0, 0, h >= 0 ? -1 : 1);
  for (const Vec3& v : p) d.vertex(v);
  d.end();
  for (int k = 0; k < n; ++k) {
    d.begin(gl::TRIANGLES);
    const Vec3 m = normale(p[k], p[k + 1], sommet);
    const double sens = h >= 0 ? 1 : -1;  // an apex below the base turns the faces over
    d.normal(sens * m.x, sens * m.y, sens * m.z);
    d.vertex(p[k]);
    d.vertex(p[k + 1]);
    d.vertex(sommet);
    d.end();
  }
  return d;
}

}  // namespace quadrel
