#include "solids/gui/solid_windows.h"

#include "solids/gui/caraccone.h"
#include "solids/gui/caraccube.h"
#include "solids/gui/caraccyl.h"
#include "solids/gui/caracpyr.h"
#include "solids/gui/caracsphere.h"
#include "solids/gui/choixquadrics.h"

Quadriques creerquadriques(quadrel::Scene& s, DialogHost& h, QWidget* fond, QWidget* outils) {
  Quadriques q;
  q.choixquadrics = new Tchoixquadrics(s, h, fond, outils);
  q.caracsphere = new Tcaracsphere(s, h, fond);
  q.caraccube = new Tcaraccube(s, h, fond);
  q.caraccyl = new Tcaraccyl(s, h, fond);
  q.caraccone = new Tcaraccone(s, h, fond);
  q.caracpyr = new Tcaracpyr(s, h, fond);
  // The chooser's buttons by tab order: cube, cylinder, pyramid, cone, sphere.
  QWidget* dialogues[5] = {q.caraccube, q.caraccyl, q.caracpyr, q.caraccone, q.caracsphere};
  for (int k = 0; k < 5; ++k) q.choixquadrics->setdialogue(k, dialogues[k]);
  return q;
}
