#include "solids/quadriques.h"

#include "solids/caraccone.h"
#include "solids/caraccube.h"
#include "solids/caraccyl.h"
#include "solids/caracpyr.h"
#include "solids/caracsphere.h"
#include "solids/choixquadrics.h"
#include "solids/solide.h"
#include "view/fenetres.h"
#include "view/feuille.h"

Quadriques creerquadriques(quadrel::Scene& s, QWidget* fond) {
  Quadriques q;
  q.choixquadrics = new Tchoixquadrics(fond);
  q.caracsphere = new Tcaracsphere(s, fond);
  q.caraccube = new Tcaraccube(s, fond);
  q.caraccyl = new Tcaraccyl(s, fond);
  q.caraccone = new Tcaraccone(s, fond);
  q.caracpyr = new Tcaracpyr(s, fond);
  // The chooser's buttons by tab order: cube, cylinder, pyramid, cone, sphere.
  QWidget* dialogues[5] = {q.caraccube, q.caraccyl, q.caracpyr, q.caraccone, q.caracsphere};
  for (int k = 0; k < 5; ++k) q.choixquadrics->setdialogue(k, dialogues[k]);
  // The sheet comes after the dialogs: found when go is pressed.
  q.caracpyr->preparepyr = [] {
    if (TFeuille* f = fenetres().Feuille) preparepyr(*f);
  };
  return q;
}

void preparepyr(TFeuille& f) {
  f.compiler(TFeuille::Liste::pyramide, quadrel::buildPyramid(f.scene));
}
