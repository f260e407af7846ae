// The section by the horizontal plane z = k: the green plane, its small frame, the level
// curve f(x, y) = k found by the level-line search, and the solid's section.
#pragma once

#include "parsor.h"
#include "sections/entrees_plan.h"
#include "surfaces/niveaux.h"
#include "view/drawlist.h"

namespace quadrel {

// Contents of listeplanz for the plane z = k (user units). With `gardees`, the curve's
// search reads the values kept from the previous k and keeps its own for the next.
DrawList buildPlanZ(const EntreesPlan& s, extended k, LignesGardees* gardees = nullptr);

// Work units of one search of the section's curve (about 100 ms here for the costliest
// ordinary frames); past them, a second search of a third as many spreads its rows over
// the frame.
inline constexpr long kBudgetSectionZ = 12000000;
inline constexpr long kBudgetSectionZEtale = kBudgetSectionZ / 3;
// On a frame wider than +-100, with the evaluations along the rows counted.
inline constexpr long kBudgetSectionZLarge = 3000000;
// Rows (columns) and samples per row of the curve's grid: those of a frame of +-100.
inline constexpr std::size_t kLignesSectionZ = 800;
inline constexpr long kIntervallesSectionZ = 400;

// The level-line search for the single level k: a grid of step max(1 / p, 0.25) and scan
// steps of 0.5 or 0.25 (both coarser on a frame wider than +-100), and a work budget, as
// the curve is rebuilt whenever k moves.
LevelSearch sectionZSearch(const EntreesPlan& s, extended k);

}  // namespace quadrel
