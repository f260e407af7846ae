// The surface z = f(x, y) of the function dialog as a mesh of lit triangles (listesurface).
#pragma once

#include <optional>

#include "parsor.h"
#include "surfaces/entrees_fonction.h"
#include "view/drawlist.h"

namespace quadrel {

// Side of a grid cell in user units: the y range over ten times the precision, at least
// 0.05. The same step serves both axes.
extended surfaceStep(const EntreesFonction& s);

// Most cells one mesh may hold. A frame far wider in x than in y would otherwise ask for
// millions of cells: it gets a coarser step instead, so the mesh still covers it.
inline constexpr long kMaxCellules = 250000;

// The step the mesh uses: surfaceStep, or the least coarser one that keeps the cells within
// kMaxCellules.
extended meshStep(const EntreesFonction& s);

// How the mesh asks the engine for f: a grid row per call, or point by point (the plain
// walk, kept as the reference the row walk must match bit for bit).
enum class SurfaceEvaluation { rows, points };

// Contents of listesurface. nullopt when the formula does not compile: the list keeps what
// it held. When the formula field is not accepted, only the push and pop (an empty
// surface). The mesh is one packed batch of triangles, a normal per cell, drawn with a
// polygon offset, at the step meshStep gives.
std::optional<DrawList> buildSurface(const EntreesFonction& s,
                                     SurfaceEvaluation mode = SurfaceEvaluation::rows);

}  // namespace quadrel
