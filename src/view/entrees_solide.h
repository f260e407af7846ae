// What the solid is drawn from: the frame (its graduations decide whether the solid keeps
// its shape), the solid's values, and whether this pass fills it or draws its wire. The
// pyramid's list is built from the same record.
#pragma once

#include "view/modele.h"

namespace quadrel {

struct EntreesSolide : Repere, Solide {
  bool plein = false;  // filled (true) or black wire

  EntreesSolide() = default;
  EntreesSolide(const Modele& m, bool plein_ = false)  // NOLINT: the model's inputs
      : Repere(m), Solide(m), plein(plein_) {}
  bool operator==(const EntreesSolide&) const = default;
};

}  // namespace quadrel
