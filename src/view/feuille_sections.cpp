// The sheet's four section lists. They are asked for on every frame while the section
// dialog is shown; a list built from the same inputs is kept as it is.
#include <utility>

#include "sections/plan_commun.h"
#include "sections/plans.h"
#include "sections/planz.h"
#include "view/feuille.h"

void TFeuille::prepareplanx(extended k) {
  if (memoireplan_.inchange(scene, 1, k)) {
    scene.pasy = quadrel::pasCourbe(scene.ymin, scene.ymax, scene.precision);
    return;
  }
  compiler(Liste::planx, quadrel::buildPlanX(scene, k));
}

void TFeuille::prepareplany(extended k) {
  if (memoireplan_.inchange(scene, 2, k)) {
    scene.pasx = quadrel::pasCourbe(scene.xmin, scene.xmax, scene.precision);
    return;
  }
  compiler(Liste::plany, quadrel::buildPlanY(scene, k));
}

void TFeuille::prepareplanz(extended k) {
  if (memoireplan_.inchange(scene, 3, k)) {
    scene.pasx = scene.pasy = quadrel::pasCourbeZ(scene.precision);
    return;
  }
  compiler(Liste::planz, quadrel::buildPlanZ(scene, k));
}

void TFeuille::prepareplanxy(const std::string& ligne, extended k) {
  if (memoireplan_.inchange(scene, 4, k, ligne)) {
    scene.pasx = quadrel::pasCourbe(scene.xmin, scene.xmax, scene.precision);
    return;
  }
  if (std::optional<quadrel::DrawList> d = quadrel::buildPlanXY(scene, ligne, k))
    compiler(Liste::planxy, std::move(*d));
}
