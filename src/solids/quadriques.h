// The solid windows as start-up makes them, and the sheet's pyramid list.
#pragma once

class QWidget;
class TFeuille;
class Tchoixquadrics;
class Tcaracsphere;
class Tcaraccube;
class Tcaraccyl;
class Tcaraccone;
class Tcaracpyr;

namespace quadrel {
struct Scene;
}

struct Quadriques {
  Tchoixquadrics* choixquadrics = nullptr;
  Tcaracsphere* caracsphere = nullptr;
  Tcaraccube* caraccube = nullptr;
  Tcaraccyl* caraccyl = nullptr;
  Tcaraccone* caraccone = nullptr;
  Tcaracpyr* caracpyr = nullptr;
};

// The chooser and the five dialogs, hidden, in their creation order, as windows of
// `fond`; each chooser button opens its dialog, and the pyramid dialog rebuilds the sheet's
// pyramid list.
Quadriques creerquadriques(quadrel::Scene& scene, QWidget* fond);

// Compiles the pyramid of the scene into the sheet's listepyramide.
void preparepyr(TFeuille& feuille);
