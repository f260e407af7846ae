// What a section list is built from besides k (and the general plane's trace): the frame,
// the solid, the accepted function and the three options the sections draw by. A builder
// takes this record alone, so it cannot read anything that its cache key leaves out.
#pragma once

#include <memory>

#include "view/modele.h"

namespace quadrel {

struct EntreesPlan : Repere, Solide {
  std::shared_ptr<const expr::CompiledFormula> programme;
  EtatChamp etatformule = EtatChamp::attente;
  int precision = 3;
  bool transplan = false, voirplan = true, intersections = true;

  EntreesPlan() = default;
  EntreesPlan(const Modele& m)  // NOLINT: the model's inputs, taken as they are
      : Repere(m),
        Solide(m),
        programme(m.programme),
        etatformule(m.etatformule),
        precision(m.precision),
        transplan(m.transplan),
        voirplan(m.voirplan),
        intersections(m.intersections) {}
  bool operator==(const EntreesPlan&) const = default;
};

inline bool fonctionvalide(const EntreesPlan& e) {
  return e.etatformule == EtatChamp::accepte;
}

}  // namespace quadrel
