// The level lines of the surface: traces of the planes x = q and y = q (one per
// graduation) and the curves f(x, y) = k for k on the z graduations.
#pragma once

#include <optional>

#include "parsor.h"
#include "surfaces/entrees_fonction.h"
#include "surfaces/niveaux.h"
#include "view/drawlist.h"

namespace quadrel {

struct LevelLines {
  DrawList x;  // listelignesx
  DrawList y;  // listelignesy
  DrawList z;  // listelignesz
};

// Walk step of the x lines (along y) and of the y lines (along x), in drawing units: the
// range over ten times the precision, at least 0.05, at most the graduation.
extended walkStepY(const EntreesFonction& s);  // pasy: the x lines walk along y
extended walkStepX(const EntreesFonction& s);  // pasx: the y lines walk along x

// Most steps the x lines (and, apart, the y lines) may walk in all. Tiny graduations would
// otherwise ask for tens of millions of segments.
inline constexpr long kMaxPasMarche = 250000;

// Contents of the three lists. nullopt when the formula does not compile or the formula
// field is not accepted: the lists keep what they held.
std::optional<LevelLines> buildLevelLines(const EntreesFonction& s,
                                          SearchMethod m = SearchMethod::cached);

}  // namespace quadrel
