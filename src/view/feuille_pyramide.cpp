// The sheet's pyramid list, rebuilt from the solid values of the scene.
#include "solids/solide.h"
#include "view/feuille.h"

void TFeuille::preparepyr() {
  compiler(Liste::pyramide, quadrel::buildPyramid(scene));
}
