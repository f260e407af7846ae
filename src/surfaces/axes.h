// The frame as drawn: the six clip planes of its box and the axes list (axes with ticks,
// arrows and 3D names; or a grid on the back walls; or nothing).
#pragma once

#include "view/drawlist.h"
#include "view/scene.h"

namespace quadrel {

// Restores the six clip planes to the frame box (widened by 0.001 user units each side).
void computeClipPlanes(Scene& s);

// The contents of listeaxes for the frame style.
DrawList buildAxes(const Repere& s);

// Longest run of ticks or grid lines per direction. A graduation tiny against its range
// would otherwise ask for millions of segments.
inline constexpr long kMaxPas = 10000;

}  // namespace quadrel
