#include "solids/solide.h"

#include <algorithm>
#include <cmath>

#include "view/glconst.h"

namespace quadrel {

namespace {

// What every kind reads, in drawing units: one graduation is one unit on all three axes.
struct Valeurs {
  double x, y, z, taille;
  double g;  // the common graduation
};

bool finies(const Valeurs& v) {
  return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z) && std::isfinite(v.taille);
}

// The axis of a cylinder or cone kind, as the quadric is turned onto it: the quadric's own
// axis is z, and it must be laid along the frame axis of the kind.
enum class Axe { z, y, x };

Axe axe(int type) {
  return Axe((type - 3) % 3);
}

// The frame's extent along the axis, in drawing units.
double etendue(const EntreesSolide& s, Axe a, double g) {
  const extended e = a == Axe::z   ? s.zmax - s.zmin
                     : a == Axe::y ? s.ymax - s.ymin
                                   : s.xmax - s.xmin;
  return static_cast<double>(std::fabs(e)) / g;
}

// Turned 90° about x the quadric's axis points along -y; turned 90° about y, along +x.
void tourner(DrawList& d, Axe a) {
  if (a == Axe::y) d.rotate(90, 1, 0, 0);
  if (a == Axe::x) d.rotate(90, 0, 1, 0);
}

Vec3 direction(Axe a) {
  return a == Axe::z ? Vec3{0, 0, 1} : a == Axe::y ? Vec3{0, -1, 0} : Vec3{1, 0, 0};
}

// Flat normals, lines only for the opaque wire. Returns the slices (and stacks): finer in
// the transparent pass.
int preparer(const EntreesSolide& s, DrawList& d, int quadrique, bool transparent) {
  d.quadricNormals(quadrique, glu::FLAT);
  d.quadricDrawStyle(quadrique, s.plein || transparent ? glu::FILL : glu::LINE);
  return transparent ? 40 : 20;
}

void sphere(const EntreesSolide& s, DrawList& d, const Valeurs& v) {
  d.translate(v.x, v.y, v.z);
  if (s.plein)
    d.glutSphere(true, v.taille, 30, 30);
  else
    d.glutSphere(false, v.taille, 10, 10);
}

// Black edges over the faces, whatever the mode.
void cube(const EntreesSolide& s, DrawList& d, const Valeurs& v) {
  if (s.plein) d.glutCube(true, v.taille);
  d.disable(gl::LIGHTING);
  d.color(0, 0, 0);
  d.glutCube(false, v.taille);
}

// Runs L below to L above the stored point along its axis.
void cylindre(const EntreesSolide& s, DrawList& d, const Valeurs& v, bool transparent) {
  const Axe a = axe(s.typequadrique);
  const double l = etendue(s, a, v.g);
  const Vec3 u = direction(a);
  const int n = preparer(s, d, kQuadCyl, transparent);
  d.translate(v.x - l * u.x, v.y - l * u.y, v.z - l * u.z);
  tourner(d, a);
  d.cylinder(kQuadCyl, v.taille, v.taille, 2 * l, n, n);
}

// (x-a)²+(y-b)² = c(z-d)²: radius √c·t at distance t from the apex, on both sides. With
// c = 0 the cone is its axis, drawn across the whole frame.
void cone(const EntreesSolide& s, DrawList& d, const Valeurs& v, bool transparent) {
  const Axe a = axe(s.typequadrique);
  const double l = etendue(s, a, v.g);
  const double c = v.taille;
  if (c < 0) return;
  d.translate(v.x, v.y, v.z);
  tourner(d, a);
  if (c == 0) {
    // A line has no face to light: black, like the edges of the other solids. Far enough
    // both ways to cross the frame from an apex anywhere in it.
    d.disable(gl::LIGHTING);
    d.color(0, 0, 0);
    d.begin(gl::LINES);
    d.vertex(0, 0, -2 * l);
    d.vertex(0, 0, 2 * l);
    d.end();
    return;
  }
  // A very open cone (c up to 1e300) would have a radius past what GL's floats hold: no
  // part of it farther from the apex than the frame's span can show, so it stops there.
  const double portee =
      2 * (etendue(s, Axe::x, v.g) + etendue(s, Axe::y, v.g) + etendue(s, Axe::z, v.g));
  const double longueur = std::min(2 * l, portee / std::sqrt(c));
  const double rayon = std::sqrt(c) * longueur;
  int n = preparer(s, d, kQuadCyl, transparent);
  d.cylinder(kQuadCyl, 0, rayon, longueur, n, n);
  d.rotate(180, 0, 1, 0);
  n = preparer(s, d, kQuadCone, transparent);
  d.cylinder(kQuadCone, 0, rayon, longueur, n, n);
}

// Once in the current mode, then again as black edges.
void pyramide(DrawList& d) {
  d.callList(Liste::pyramide);
  d.polygonMode(gl::FRONT_AND_BACK, gl::LINE);
  d.color(0, 0, 0);
  d.disable(gl::LIGHTING);
  d.callList(Liste::pyramide);
}

}  // namespace

void dessinesolide(const EntreesSolide& s, DrawList& d, bool transparent) {
  if (!(s.gradx == s.grady && s.grady == s.gradz)) return;
  const double g = static_cast<double>(s.gradx);
  const Valeurs v{static_cast<double>(valeur(s.solx)) / g, static_cast<double>(valeur(s.soly)) / g,
                  static_cast<double>(valeur(s.solz)) / g,
                  static_cast<double>(valeur(s.soltaille)) / g, g};
  if (!finies(v) || !std::isfinite(g)) return;
  switch (s.typequadrique) {
    case 1:
      return sphere(s, d, v);
    case 2:
      return cube(s, d, v);
    case 3:
    case 4:
    case 5:
      return cylindre(s, d, v, transparent);
    case 6:
    case 7:
    case 8: {
      // The cone's coefficient is a ratio of lengths: not divided by the graduation.
      Valeurs c = v;
      c.taille = static_cast<double>(valeur(s.soltaille));
      return cone(s, d, c, transparent);
    }
    case 9:
      return pyramide(d);
    default:
      return;
  }
}

}  // namespace quadrel
