// The section by the horizontal plane z = k: the green plane, its small frame, the level
// curve f(x, y) = k found by the level-line search, and the solid's section.
#pragma once

#include "parsor.h"
#include "view/drawlist.h"
#include "view/scene.h"

namespace quadrel {

// Contents of listeplanz for the plane z = k (user units). Sets pasx and pasy to the grid
// step of the curve.
DrawList buildPlanZ(Scene& s, extended k);

}  // namespace quadrel
