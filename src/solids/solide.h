// The one solid of the scene, drawn straight into the frame on every paint (the pyramid
// through its own list), and the pyramid's list itself.
#pragma once

#include "view/drawlist.h"
#include "view/entrees_solide.h"

namespace quadrel {

// Draws the solid of typequadrique for one pass of the frame, after the frame has set the
// colour, material and polygon mode. Nothing for an unknown kind, for unequal
// graduations, or for values that are not finite numbers.
void dessinesolide(const EntreesSolide& s, DrawList& d, bool transparent);

// Most and fewest sides of the pyramid; other side counts draw nothing.
inline constexpr int kCotesMin = 3;
inline constexpr int kCotesMax = 19;

// Contents of listepyramide: the base polygon and one triangle per side, each with its
// outward normal, from soltaille (base radius), solx (side count) and soly (height). Empty
// when the side count is outside 3..19 or a value is not a finite number.
DrawList buildPyramid(const EntreesSolide& s);

}  // namespace quadrel
