// The sheet's four section lists. They are asked for on every frame while the section
// dialog is shown; a list built from the same inputs is kept as it is.
#include <utility>

#include "sections/plans.h"
#include "sections/planz.h"
#include "view/feuille.h"

void TFeuille::prepareplanx(extended k) {
  if (memoireplan_.inchange(scene, 1, k)) return;
  enregistrer(Liste::planx, quadrel::buildPlanX(scene, k));
}

void TFeuille::prepareplany(extended k) {
  if (memoireplan_.inchange(scene, 2, k)) return;
  enregistrer(Liste::plany, quadrel::buildPlanY(scene, k));
}

void TFeuille::prepareplanz(extended k) {
  if (memoireplan_.inchange(scene, 3, k)) return;
  enregistrer(Liste::planz, quadrel::buildPlanZ(scene, k, &courbez_));
}

void TFeuille::prepareplanxy(const std::string& ligne, extended k) {
  if (memoireplan_.inchange(scene, 4, k, ligne)) return;
  if (std::optional<quadrel::DrawList> d = quadrel::buildPlanXY(scene, ligne, k))
    enregistrer(Liste::planxy, std::move(*d));
}
