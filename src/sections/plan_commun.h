// What the four section builders share: the green plane's material and colour, the
// in-plane ticks, the section of the sphere or the cube, and the steps of the curves.
#pragma once

#include <vector>

#include "parsor.h"
#include "sections/entrees_plan.h"
#include "view/drawlist.h"

namespace quadrel {

// The axis a section plane is perpendicular to.
enum class Axe { x = 0, y = 1, z = 2 };

// Step of the curve of a vertical plane: the range over ten times the precision, at least
// 0.05 user units.
extended pasCourbe(extended lo, extended hi, int precision);
// Grid step of the horizontal section: 1 / precision, at least 0.25 user units.
extended pasCourbeZ(int precision);

// Push, the builder's own clip plane off, then the plane's material, filled polygons, its
// green (translucent with transplan) and its own normal (drawing units, unit length), so
// that its shade does not depend on what was drawn before it.
void debutPlan(const EntreesPlan& s, DrawList& d, int clip, const Vec3& normale);
// The clip plane on again and the matrix popped.
void finPlan(DrawList& d, int clip);

// The outline colour: the signed-byte triple (0, 0, 1), a near-black dark blue.
void couleurContour(DrawList& d);

// Tick positions in drawing units along an axis of graduation g within [lo, hi]: 0, then
// one graduation after another upwards (sens 1) or downwards (sens -1) while they stay in
// the range. 0 is always there, even outside the range.
std::vector<double> graduationsPlan(extended lo, extended hi, extended g, int sens);

// The circle of the sphere or the square of the cube cut by the plane `axe` = k, drawn when
// a solid is present, k lies in the frame on that axis, intersections is checked and the
// three graduations are equal.
void sectionSolide(const EntreesPlan& s, DrawList& d, Axe axe, extended k);

// The value of a user coordinate in drawing units.
inline double dessin(extended v, extended g) {
  return static_cast<double>(v / g);
}

}  // namespace quadrel
