// The free point M: where it starts, how the six buttons move it, and its height on the
// surface. The dialog only forwards to these.
#pragma once

#include "view/scene.h"

namespace quadrel {

// The six move buttons, by tab order.
enum class Deplacement { xplus = 0, xmoins, yplus, ymoins, zplus, zmoins };

// M at (xmin, ymin, 0); with an accepted formula that compiles, the first grid
// point of the graduations whose height lies inside the frame (or the last one tried).
void positionDepart(Scene& s);

// Most columns, and rows per column, the start scan tries: a graduation tiny against the
// frame would otherwise ask for billions of evaluations.
inline constexpr long kMaxBalayage = 1000;

// One move of M: one graduation of the axis (`graduations`) or a tenth of gradx on every
// axis, when M is still below (above) its bound before the move. The height buttons act
// only while the formula field is empty. Writes the height where M lands (see hauteurpoint). An
// undefined height counts as 0 for the height buttons.
void deplacePoint(Scene& s, Deplacement sens, bool graduations);

// pointz from the accepted formula at (pointx, pointy), bounded to twice the frame's
// heights; NaN where the formula is undefined there (M is then not drawn and its caption
// shows "?"). Unchanged without an accepted formula that compiles.
void hauteurpoint(Scene& s);

// Whether M has a height (pointz is not the NaN of an undefined height).
inline bool hauteurDefinie(const Scene& s) {
  return s.pointz == s.pointz;
}

}  // namespace quadrel
