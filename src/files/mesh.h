// The scene's surface and solid as triangles for a file: open, as the sheet shows them, or
// closed, as a solid a 3D printer can build. Pure: no Qt, no GL.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "parsor.h"

namespace quadrel {

// Everything the mesh depends on, spelled out, so that the caller decides where it comes
// from. Frame and solid values in user units.
struct EntreesMaillage {
  std::shared_ptr<const expr::CompiledFormula> programme;  // null: no surface
  extended xmin = -4, xmax = 4;
  extended ymin = -4, ymax = 4;
  extended zmin = -4, zmax = 4;
  extended gradx = 1, grady = 1, gradz = 1;  // only say whether the solid is shown (all equal)
  int precision = 3;                         // 3..12, as the surface's

  // The solid: 0 none, 1 sphere, 2 cube, 3..5 cylinder along z, y, x, 6..8 double cone
  // along z, y, x, 9 pyramid; kept only when quadriqueok. An empty value reads as 0.
  int typequadrique = 0;
  bool quadriqueok = false;
  std::optional<extended> solx, soly, solz, soltaille;

  bool ferme = false;   // closed: the solid under the surface, for printing
  double echelle = 10;  // millimetres per user unit; must be finite and > 0
  double socle = 1;     // closed: base plate under z = zmin, millimetres, > 0

  bool operator==(const EntreesMaillage&) const = default;
};

struct PointMaillage {
  double x = 0, y = 0, z = 0;
  bool operator==(const PointMaillage&) const = default;
  auto operator<=>(const PointMaillage&) const = default;
};

// A coordinate as a file stores it: held to what a float holds (a cast beyond that is
// undefined), NaN as 0.
inline float enFloat(double v) {
  constexpr double m = std::numeric_limits<float>::max();
  return std::isnan(v) ? 0.0f : static_cast<float>(std::clamp(v, -m, m));
}

// Counter-clockwise seen from the side the face looks to (outside, for a closed shell).
using TriangleMaillage = std::array<PointMaillage, 3>;

// One connected piece. A closed one has every edge in exactly two triangles, once in each
// direction: its vertices are shared as identical numbers, never recomputed.
struct Coque {
  std::vector<TriangleMaillage> triangles;
  bool fermee = false;
};

// Millimetres (user units times echelle). The surface's shell first, then the solid's.
struct Maillage {
  std::vector<Coque> coques;
  std::size_t nombreTriangles() const;
};

// The side of a grid cell, user units: the surface's own step, so that the print matches
// the screen (the surface's step rule, copied: that one reads the scene).
extended pasMaillage(const EntreesMaillage& e);

// Open: the surface's cells where the formula is defined and drawn, and the solid as
// shown, cut to the frame box. Closed: one shell between the floor and the surface held
// to [zmin, zmax] over the whole frame rectangle (undefined points on the floor), standing
// on a base plate of `socle` below zmin so that it never pinches where it meets the floor;
// and the solid as a closed shell of its own (a double cone as two, one per nappe; the
// cylinder and cone cut across their axis at the frame's faces). No shells for an invalid
// frame or scale; no solid for unequal graduations or values that are not finite; no closed
// shell whose points floats would not keep apart.
Maillage construitMaillage(const EntreesMaillage& e);

}  // namespace quadrel
