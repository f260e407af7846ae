// The sheet's pyramid list, rebuilt from the solid values of the scene.
#include "solids/solide.h"
#include "view/feuille.h"

void TFeuille::preparepyr() {
  enregistrer(Liste::pyramide, quadrel::buildPyramid(scene));
}
