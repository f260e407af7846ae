#include "surfaces/axes.h"

#include <cmath>
#include <string_view>

#include "view/glconst.h"
#include "view/materials.h"

namespace quadrel {

namespace {

constexpr extended kMarge = 0.001L;  // user units added on each side of the box
constexpr double kEchelle = 1.25;    // label scale

// The frame in drawing units.
struct Boite {
  double x0, x1, y0, y1, z0, z1;
  explicit Boite(const Repere& s)
      : x0(static_cast<double>(s.xmin / s.gradx)),
        x1(static_cast<double>(s.xmax / s.gradx)),
        y0(static_cast<double>(s.ymin / s.grady)),
        y1(static_cast<double>(s.ymax / s.grady)),
        z0(static_cast<double>(s.zmin / s.gradz)),
        z1(static_cast<double>(s.zmax / s.gradz)) {}
};

bool inRange(extended lo, extended v, extended hi) {
  return lo <= v && v <= hi;
}

void segment(DrawList& d, const Vec3& a, const Vec3& b) {
  d.vertex(a);
  d.vertex(b);
}

void axisLines(DrawList& d, const Boite& b) {
  d.color(0, 0, 0);
  d.begin(gl::LINES);
  segment(d, {b.x0 - 2, 0, 0}, {b.x1 + 2, 0, 0});
  segment(d, {0, b.y0 - 2, 0}, {0, b.y1 + 2, 0});
  segment(d, {0, 0, b.z0 - 2}, {0, 0, b.z1 + 2});
  d.end();
}

void tick(DrawList& d, const Vec3& a, const Vec3& b) {
  d.begin(gl::LINES);
  segment(d, a, b);
  d.end();
}

// One tick per graduation, none at the origin; the loop runs until every axis is covered.
void ticks(const Repere& s, DrawList& d) {
  for (int dir : {1, -1}) {
    extended q = 0;
    for (long n = 0; n < kMaxPas; ++n) {
      q += dir;
      const double g = static_cast<double>(q);
      if (inRange(s.xmin, q * s.gradx, s.xmax)) tick(d, {g, -0.2, 0}, {g, 0.2, 0});
      if (inRange(s.ymin, q * s.grady, s.ymax)) tick(d, {0, g, -0.2}, {0, g, 0.2});
      if (inRange(s.zmin, q * s.gradz, s.zmax)) tick(d, {0.2, 0, g}, {-0.2, 0, g});
      const extended a = std::fabs(q);
      const bool more = a * s.gradx <= s.xmax || a * s.gradx <= -s.xmin || a * s.grady <= s.ymax ||
                        a * s.grady <= -s.ymin || a * s.gradz <= s.zmax || a * s.gradz <= -s.zmin;
      if (!more) break;
    }
  }
}

void arrows(DrawList& d, const Boite& b) {
  d.begin(gl::TRIANGLES);
  d.vertex(b.x1 + 2, 0, 0), d.vertex(b.x1 + 1.8, 0.2, 0), d.vertex(b.x1 + 1.8, -0.2, 0);
  d.vertex(0, b.y1 + 2, 0), d.vertex(0, b.y1 + 1.8, 0.2), d.vertex(0, b.y1 + 1.8, -0.2);
  d.vertex(0, 0, b.z1 + 2), d.vertex(0.2, 0, b.z1 + 1.8), d.vertex(-0.2, 0, b.z1 + 1.8);
  d.end();
}

// Text along +y, up +z, facing +x, its origin at p. The translation comes after the two
// turns, so it is p taken back into the turned axes and out of the label scale.
void labelAlongY(DrawList& d, std::string_view text, const Vec3& p) {
  d.pushMatrix();
  d.scale(kEchelle, kEchelle, kEchelle);
  d.rotate(90, 1, 0, 0);
  d.rotate(90, 0, 1, 0);
  d.translate(p.y / kEchelle, p.z / kEchelle, p.x / kEchelle);
  d.scale(0.5, 0.5, 0.5);
  d.glyphs(kBaseGlyphes, text);
  d.popMatrix();
}

// Text along +x, up +z, facing -y, its origin at p.
void labelAlongX(DrawList& d, std::string_view text, const Vec3& p) {
  d.pushMatrix();
  d.scale(kEchelle, kEchelle, kEchelle);
  d.rotate(90, 1, 0, 0);
  d.translate(p.x / kEchelle, p.z / kEchelle, -p.y / kEchelle);
  d.scale(0.5, 0.5, 0.5);
  d.glyphs(kBaseGlyphes, text);
  d.popMatrix();
}

void labels(const Repere& s, DrawList& d, const Boite& b) {
  d.color(0, 0.6, 1);
  applyMaterial(d, gl::FRONT_AND_BACK, kEtiquette);
  d.polygonMode(gl::FRONT_AND_BACK, gl::FILL);
  if (s.typerepere == TypeRepere::axes) {
    labelAlongY(d, "y", {0, b.y1 + 2, 0});
    labelAlongY(d, "y'", {0, b.y0 - 2, 0});
    labelAlongY(d, "z", {0, 0, b.z1 + 2});
    labelAlongY(d, "z'", {0, 0, b.z0 - 2});
    labelAlongY(d, "x", {b.x1 + 2, 0, 0});
    labelAlongY(d, "x'", {b.x0 - 2, 0, 0});
  } else {
    // The graduation itself is the start of the text, as a drawing coordinate.
    labelAlongX(d, "- x +", {-static_cast<double>(s.gradx), b.y0 - 1, 0});
    labelAlongY(d, "- y +", {b.x1 + 1, -static_cast<double>(s.grady), 0});
  }
}

// Lines at q = 0, ±1, ... while q·grad stays in [lo, hi]; 0 is drawn once per direction.
template <class Draw>
void family(extended lo, extended hi, extended grad, Draw draw) {
  for (int dir : {1, -1}) {
    extended q = 0;
    for (long n = 0; n < kMaxPas && inRange(lo, q * grad, hi); ++n, q += dir)
      draw(static_cast<double>(q));
  }
}

void grid(const Repere& s, DrawList& d, const Boite& b) {
  d.lineWidth(0.5);
  d.color(0, 0, 0);
  d.polygonMode(gl::FRONT_AND_BACK, gl::LINE);
  auto pair = [&d](const Vec3& a, const Vec3& m, const Vec3& e, const Vec3& f) {
    d.begin(gl::LINES);
    segment(d, a, m);
    segment(d, e, f);
    d.end();
  };
  family(s.xmin, s.xmax, s.gradx, [&](double q) {
    pair({q, b.y0, b.z0}, {q, b.y1, b.z0}, {q, b.y1, b.z0}, {q, b.y1, b.z1});
  });
  family(s.ymin, s.ymax, s.grady, [&](double q) {
    pair({b.x0, q, b.z0}, {b.x1, q, b.z0}, {b.x0, q, b.z0}, {b.x0, q, b.z1});
  });
  family(s.zmin, s.zmax, s.gradz, [&](double q) {
    pair({b.x0, b.y1, q}, {b.x1, b.y1, q}, {b.x0, b.y0, q}, {b.x0, b.y1, q});
  });
  // Traces of the coordinate planes on the floor and the two walls.
  d.lineWidth(4);
  d.begin(gl::LINES);
  segment(d, {b.x0, b.y1, 0}, {b.x1, b.y1, 0});
  segment(d, {b.x0, b.y0, 0}, {b.x0, b.y1, 0});
  segment(d, {b.x0, 0, b.z1}, {b.x0, 0, b.z0});
  segment(d, {b.x0, 0, b.z0}, {b.x1, 0, b.z0});
  segment(d, {0, b.y1, b.z1}, {0, b.y1, b.z0});
  segment(d, {0, b.y0, b.z0}, {0, b.y1, b.z0});
  d.end();
}

ClipPlane lower(double a, double b, double c, extended bound, extended grad) {
  return {a, b, c, static_cast<double>(-(bound - kMarge) / grad)};
}

ClipPlane upper(double a, double b, double c, extended bound, extended grad) {
  return {a, b, c, static_cast<double>((bound + kMarge) / grad)};
}

}  // namespace

void computeClipPlanes(Scene& s) {
  s.clipzmax = upper(0, 0, 1, s.zmax, s.gradz);
  s.clipzmin = lower(0, 0, 1, s.zmin, s.gradz);
  s.clipymax = upper(0, 1, 0, s.ymax, s.grady);
  s.clipymin = lower(0, 1, 0, s.ymin, s.grady);
  s.clipxmin = lower(1, 0, 0, s.xmin, s.gradx);
  s.clipxmax = upper(1, 0, 0, s.xmax, s.gradx);
}

DrawList buildAxes(const Repere& s) {
  const Boite b(s);
  DrawList d;
  d.pushMatrix();
  d.polygonMode(gl::FRONT_AND_BACK, gl::FILL);
  d.lineWidth(0.5);
  applyMaterial(d, gl::FRONT_AND_BACK, kNoir);
  if (s.typerepere == TypeRepere::axes) {
    axisLines(d, b);
    ticks(s, d);
    arrows(d, b);
  }
  if (s.typerepere != TypeRepere::masque) labels(s, d, b);
  if (s.typerepere == TypeRepere::grille) grid(s, d, b);
  d.popMatrix();
  return d;
}

}  // namespace quadrel
