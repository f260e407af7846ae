// The section by the horizontal plane z = k: the green plane, its small frame, the level
// curve f(x, y) = k found by the level-line search, and the solid's section.
#pragma once

#include "parsor.h"
#include "surfaces/niveaux.h"
#include "view/drawlist.h"
#include "view/scene.h"

namespace quadrel {

// Contents of listeplanz for the plane z = k (user units). Sets pasx and pasy to the grid
// step of the curve.
DrawList buildPlanZ(Scene& s, extended k);

// The level-line search for the single level k: a grid of step max(1 / p, 0.25) and coarse
// scan steps, as the curve is rebuilt on every frame.
LevelSearch sectionZSearch(const Scene& s, extended k);

}  // namespace quadrel
