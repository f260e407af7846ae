// What the surface and its level lines are built from: the frame and the function of the
// model, nothing else. A builder takes this record alone, so it cannot read anything that
// its cache key leaves out.
#pragma once

#include "view/modele.h"

namespace quadrel {

struct EntreesFonction : Repere, Fonction {
  EntreesFonction() = default;
  EntreesFonction(const Modele& m) : Repere(m), Fonction(m) {}  // NOLINT: the model's inputs
  bool operator==(const EntreesFonction&) const = default;
};

}  // namespace quadrel
