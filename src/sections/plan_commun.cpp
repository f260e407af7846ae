#include "sections/plan_commun.h"

#include <algorithm>
#include <cmath>

#include "view/glconst.h"
#include "view/materials.h"

namespace quadrel {

namespace {

// Ticks per half axis of a plane: those of +-100 at 0.1. A finer graduation of a wider
// frame would only pile up ticks near the origin, each one rebuilt at every move of k.
constexpr long kMaxGraduationsPlan = 1000;

constexpr Materiau kVert{{0, 0.5, 0, 1}, {0, 0.7, 0, 1}, {0, 1, 0, 1}};
constexpr double kTransparent = 0.4;
// glColor3b maps a signed byte b to b / 127.
constexpr double kOctet1 = 1.0 / 127;

extended valeurAxe(Axe a, extended vx, extended vy, extended vz) {
  return a == Axe::x ? vx : a == Axe::y ? vy : vz;
}

void sectionSphere(const EntreesPlan& s, DrawList& d, Axe axe, extended k, extended g) {
  const extended cx = valeur(s.solx), cy = valeur(s.soly), cz = valeur(s.solz);
  const extended R = valeur(s.soltaille);
  const extended ecart = k - valeurAxe(axe, cx, cy, cz);
  if (!(std::fabs(ecart) <= R)) return;
  const double r = dessin(std::sqrt(R * R - ecart * ecart), g);
  d.pushMatrix();
  d.quadricNormals(kQuadCyl, glu::FLAT);
  d.quadricDrawStyle(kQuadCyl, glu::FILL);
  switch (axe) {
    case Axe::x:
      d.translate(dessin(k, g), dessin(cy, g), dessin(cz, g));
      d.rotate(90, 0, 1, 0);
      break;
    case Axe::y:
      d.translate(dessin(cx, g), dessin(k, g), dessin(cz, g));
      d.rotate(90, 1, 0, 0);
      break;
    case Axe::z:
      d.translate(dessin(cx, g), dessin(cy, g), dessin(k, g));
      break;
  }
  // Equal radii: the circle when polygons are lines, nothing when they are filled. Every
  // ring of a disk with equal radii lies on that one circle: one ring draws it (two hundred
  // drew the same pixels two hundred times, most of a slider step's time).
  d.disk(kQuadCyl, r, r, 200, 1);
  d.popMatrix();
}

// The square lies in the plane x = k; a turn carries it into y = k or z = k.
void sectionCube(const EntreesPlan& s, DrawList& d, Axe axe, extended k, extended g) {
  const extended S = valeur(s.soltaille);
  if (!(std::fabs(k) <= S / 2)) return;
  // The whole square in drawing units, like the cube itself (edge S / g).
  const double u = dessin(k, g), h = dessin(S / 2, g);
  if (axe != Axe::x) {
    d.pushMatrix();
    if (axe == Axe::y)
      d.rotate(90, 0, 0, 1);
    else
      d.rotate(-90, 0, 1, 0);
  }
  d.begin(gl::QUADS);
  d.vertex(u, -h, -h);
  d.vertex(u, h, -h);
  d.vertex(u, h, h);
  d.vertex(u, -h, h);
  d.end();
  if (axe != Axe::x) d.popMatrix();
}

}  // namespace

extended pasCourbe(extended lo, extended hi, int precision) {
  const int p = std::clamp(precision, 3, 12);
  return std::max(std::fabs(hi - lo) / (10 * p), 0.05L);
}

extended pasCourbeZ(int precision) {
  const int p = std::clamp(precision, 3, 12);
  return std::max(1.0L / p, 0.25L);
}

void debutPlan(const EntreesPlan& s, DrawList& d, int clip, const Vec3& normale) {
  d.pushMatrix();
  d.disable(clip);
  d.normal(normale.x, normale.y, normale.z);
  applyMaterial(d, gl::FRONT, kVert);
  d.polygonMode(gl::FRONT_AND_BACK, gl::FILL);
  if (s.transplan)
    d.color(0, 1, 0, kTransparent);
  else
    d.color(0, 1, 0);
}

void finPlan(DrawList& d, int clip) {
  d.enable(clip);
  d.popMatrix();
}

void couleurContour(DrawList& d) {
  d.color(0, 0, kOctet1);
}

std::vector<double> graduationsPlan(extended lo, extended hi, extended g, int sens) {
  std::vector<double> out{0};
  if (!(g > 0)) return out;
  for (long n = 1; n <= kMaxGraduationsPlan; ++n) {
    const extended v = sens * n * g;
    if (v < lo || v > hi) break;
    out.push_back(static_cast<double>(sens * n));
  }
  return out;
}

void sectionSolide(const EntreesPlan& s, DrawList& d, Axe axe, extended k) {
  if (!s.quadriqueok || !s.intersections) return;
  if (!(s.gradx == s.grady && s.grady == s.gradz)) return;
  const extended lo = valeurAxe(axe, s.xmin, s.ymin, s.zmin);
  const extended hi = valeurAxe(axe, s.xmax, s.ymax, s.zmax);
  if (!(lo <= k && k <= hi)) return;
  if (s.typequadrique == 1) sectionSphere(s, d, axe, k, s.gradx);
  if (s.typequadrique == 2) sectionCube(s, d, axe, k, s.gradx);
}

}  // namespace quadrel
